#include "readings/Shouji.h"

#include <cstdint>

#include "common/IntegerSyntax.h"

namespace jx {

namespace {

// Byte offset of the code point number `index` (from 0) of a UTF-8 text, or
// the text's size when it has fewer; counting code points keeps a pasted
// multi-byte character whole in the error message.
std::size_t codePointOffset(std::string_view text, std::size_t index) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size() && seen < index; ++seen) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return at;
}

}  // namespace

std::string shoujiinfostr(std::string_view number) {
    const std::size_t from = codePointOffset(number, 7);
    const std::string_view rest = number.substr(from);
    const std::string_view taken = rest.substr(0, codePointOffset(rest, 11));
    const std::int64_t a = ParseInteger(taken);
    return std::to_string(a % 80);  // truncating: a negative remainder keeps its sign
}

std::string ShoujiQueryText(std::string_view key) {
    std::string text = "select title,jx,content from shouji where num = '";
    for (char c : key) {
        if (c == '\'') text += '\'';
        text += c;
    }
    text += '\'';
    return text;
}

}  // namespace jx
