#include "common/IntegerSyntax.h"

#include <limits>

#include "common/Errors.h"

namespace jx {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isHexPrefix(std::string_view rest, std::size_t& prefixLength) {
    if (rest.empty()) return false;
    if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
        prefixLength = 1;
        return true;
    }
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        prefixLength = 2;
        return true;
    }
    return false;
}

}  // namespace

std::string InvalidIntegerMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::int64_t ParseInteger(std::string_view text) {
    const auto fail = [text]() -> std::int64_t {
        throw ConversionError(InvalidIntegerMessage(text));
    };

    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    std::size_t prefixLength = 0;
    if (isHexPrefix(text.substr(i), prefixLength)) {
        i += prefixLength;
        if (i == text.size()) return fail();
        std::uint64_t pattern = 0;
        for (; i < text.size(); ++i) {
            const int digit = hexValue(text[i]);
            if (digit < 0) return fail();
            // A 17th significant digit would push bits out of the pattern.
            if (pattern >> 60 != 0) return fail();
            pattern = pattern << 4 | static_cast<std::uint64_t>(digit);
        }
        // Two's complement in unsigned arithmetic, so "-$8000000000000000" is defined.
        if (negative) pattern = ~pattern + 1;
        return static_cast<std::int64_t>(pattern);
    }

    if (i == text.size()) return fail();
    // Magnitude limit: 2^63 - 1, or 2^63 for a negative number.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return fail();
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) return fail();
        magnitude = magnitude * 10 + digit;
    }
    if (!negative) return static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(~magnitude + 1);
}

}  // namespace jx
