#include "data/TextSource.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace jx::data {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<SourceRecord> ParseSource(std::string_view text) {
    std::vector<SourceRecord> records;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = TrimBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        SourceRecord record{lineNumber, {}};
        std::string_view rest = line;
        while (true) {
            const auto bar = rest.find(" | ");
            record.fields.emplace_back(TrimBlanks(rest.substr(0, bar)));
            if (bar == std::string_view::npos) break;
            rest = rest.substr(bar + 3);
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<SourceRecord> ReadSource(const std::string& path, std::size_t fieldCount) {
    auto records = ParseSource(ReadFile(path));
    for (const auto& record : records) {
        if (record.fields.size() != fieldCount) {
            throw std::runtime_error(path + ":" + std::to_string(record.line) + ": expected " +
                                     std::to_string(fieldCount) + " fields, found " +
                                     std::to_string(record.fields.size()));
        }
    }
    return records;
}

}  // namespace jx::data
