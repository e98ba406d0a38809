#include "readings/IMCode.h"

#include <unicode/utf8.h>

#include <cstdint>

#include "common/Gbk.h"
#include "readings/PinyinTable.h"

namespace jx {

namespace {

constexpr std::size_t kTrailCells = 191;  // trail bytes 0x40 to 0xFE

bool isAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char asciiUpper(unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); }

// The piece of a double-byte character; lead >= 0x81, trail >= 0x40.
void appendDoubleByte(std::string& out, unsigned lead, unsigned trail) {
    switch (lead) {
        case 0xA2:  // numerals
            if (trail >= 0xA1)
                out += trail <= 0xFE ? NumeralDigits[trail - 0xA1] : std::string_view("?");
            else
                out += '?';
            return;
        case 0xA3: {  // full-width ASCII
            const auto c = static_cast<unsigned char>((trail - 0x80) & 0xFF);
            if (isAsciiAlnum(c)) out += static_cast<char>(c);
            return;
        }
        case 0xA6:  // Greek; the vertical forms in the rest of the row give nothing
            if (trail >= 0xA1 && trail <= 0xB8)
                out += GreekLetters[trail - 0xA1];
            else if (trail >= 0xC1 && trail <= 0xD8)
                out += GreekLetters[trail - 0xC1];
            return;
        default: {
            // Trail 0xFF and lead 0xFF are outside the index: no reading.
            std::uint16_t syllable = 0;
            if (lead <= 0xFE && trail <= 0xFE)
                syllable = PinyinIndex[(lead - 0x81) * kTrailCells + (trail - 0x40)];
            if (syllable == 0)
                out += '?';
            else
                out += asciiUpper(static_cast<unsigned char>(PinyinSyllables[syllable - 1][0]));
        }
    }
}

// The letter form without the final cut.
void appendLetterForm(std::string& out, std::string_view gbk) {
    for (std::size_t i = 0; i < gbk.size() && out.size() < kLetterFormLimit;) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        const unsigned next = i + 1 < gbk.size() ? static_cast<unsigned char>(gbk[i + 1]) : 0;
        if (byte < 0x81 || next < 0x40) {
            if (isAsciiAlnum(byte)) out += asciiUpper(byte);
            ++i;
        } else {
            appendDoubleByte(out, byte, next);
            i += 2;
        }
    }
}

std::string cut(std::string text) {
    if (text.size() > kLetterFormLimit) text.resize(kLetterFormLimit);
    return text;
}

}  // namespace

std::string GetLetterForm(std::string_view gbk) {
    std::string out;
    appendLetterForm(out, gbk);
    return cut(std::move(out));
}

std::string LetterFormOfText(std::string_view utf8) {
    std::string out;
    const auto length = static_cast<std::int32_t>(utf8.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    for (std::int32_t i = 0; i < length && out.size() < kLetterFormLimit;) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        const std::string gbk = c < 0 ? std::string("?")
                                      : ToGbk(utf8.substr(static_cast<std::size_t>(start),
                                                          static_cast<std::size_t>(i - start)));
        // ToGbk writes "?" for a character it cannot convert.
        if (c < 0 || (gbk == "?" && c != '?'))
            out += '?';
        else
            appendLetterForm(out, gbk);
    }
    return cut(std::move(out));
}

}  // namespace jx
