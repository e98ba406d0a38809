#include "platform/SqlDialect.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "common/ShortYear.h"

namespace jx {

namespace {

bool startsWithWordIgnoringCase(std::string_view text, std::size_t at, std::string_view word) {
    if (at + word.size() > text.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    }
    const std::size_t end = at + word.size();
    return end == text.size() || !std::isalnum(static_cast<unsigned char>(text[end]));
}

// "2010-4-5" -> "2010-04-05"; anything else is bound as written and finds nothing.
std::string normaliseDate(std::string_view literal) {
    int parts[3] = {0, 0, 0};
    std::size_t yearDigits = 0;
    const char* p = literal.data();
    const char* end = literal.data() + literal.size();
    for (int i = 0; i < 3; ++i) {
        auto [next, ec] = std::from_chars(p, end, parts[i]);
        if (ec != std::errc() || next == p) return std::string(literal);
        if (i == 0) yearDigits = static_cast<std::size_t>(next - p);
        p = next;
        if (i < 2) {
            if (p == end || *p != '-') return std::string(literal);
            ++p;
        }
    }
    if (p != end) return std::string(literal);
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d",
                                CompleteShortYear(parts[0], yearDigits), parts[1], parts[2]);
    return std::string(buffer, static_cast<std::size_t>(n));
}

}  // namespace

TranslatedStatement TranslateStatement(std::string_view statement) {
    TranslatedStatement out;
    std::string limit;
    std::size_t i = 0;
    while (i < statement.size()) {
        const char c = statement[i];
        if (c == '\'') {
            std::string value;
            ++i;
            while (i < statement.size()) {
                if (statement[i] == '\'') {
                    if (i + 1 < statement.size() && statement[i + 1] == '\'') {
                        value += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += statement[i++];
            }
            out.sql += '?';
            out.values.push_back(std::move(value));
            continue;
        }
        if (c == '#') {
            const std::size_t close = statement.find('#', i + 1);
            if (close != std::string_view::npos) {
                out.sql += '?';
                out.values.push_back(normaliseDate(statement.substr(i + 1, close - i - 1)));
                i = close + 1;
                continue;
            }
        }
        const bool wordStart =
            i == 0 || !std::isalnum(static_cast<unsigned char>(statement[i - 1]));
        if (wordStart && startsWithWordIgnoringCase(statement, i, "select")) {
            out.sql.append(statement.substr(i, 6));
            i += 6;
            // "select top N x" -> "select x ... LIMIT N"
            std::size_t j = i;
            while (j < statement.size() && statement[j] == ' ') ++j;
            if (startsWithWordIgnoringCase(statement, j, "top")) {
                std::size_t k = j + 3;
                while (k < statement.size() && statement[k] == ' ') ++k;
                std::size_t digitsEnd = k;
                while (digitsEnd < statement.size() &&
                       std::isdigit(static_cast<unsigned char>(statement[digitsEnd])))
                    ++digitsEnd;
                if (digitsEnd > k) {
                    limit = std::string(statement.substr(k, digitsEnd - k));
                    i = digitsEnd;
                }
            }
            continue;
        }
        out.sql += c;
        ++i;
    }
    if (!limit.empty()) out.sql += " LIMIT " + limit;
    return out;
}

std::string DataSourcePath(std::string_view connectionString) {
    constexpr std::string_view key = "Data Source=";
    const std::size_t at = connectionString.find(key);
    if (at == std::string_view::npos) return {};
    const std::size_t from = at + key.size();
    const std::size_t to = connectionString.find(';', from);
    const std::string_view raw = connectionString.substr(
        from, to == std::string_view::npos ? std::string_view::npos : to - from);
    std::string path;
    for (char ch : raw) {
        const bool separator = ch == '/' || ch == '\\';
        if (separator && !path.empty() && path.back() == '/') continue;
        path += separator ? '/' : ch;
    }
    return path;
}

}  // namespace jx
