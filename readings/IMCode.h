#pragma once
// The letter form of a text: every character becomes the Latin letters that
// stand for it (the first letter of a Chinese character's pinyin, the value of
// an enclosed or Roman numeral, the Latin counterpart of a full-width or Greek
// letter). Characters without a letter become "?".
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace jx {

inline constexpr std::size_t kLetterFormLimit = 255;

// GBK row A2, trail bytes A1 to FE: the value of each numeral in ASCII digits,
// empty at the unassigned positions.
// clang-format off
inline constexpr std::array<std::string_view, 94> NumeralDigits = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",  // A2A1-A2AA small Roman
    "", "", "", "", "", "",                             // A2AB-A2B0
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",  // A2B1-A2C4 with a full stop
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",  // A2C5-A2D8 in parentheses
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",  // A2D9-A2E2 circled
    "", "",                                             // A2E3-A2E4
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",  // A2E5-A2EE parenthesised ideographs
    "", "",                                             // A2EF-A2F0
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",  // A2F1-A2FC Roman
    "11", "12",
    "", "",                                             // A2FD-A2FE
};

// GBK row A6: the 24 Greek letters in alphabet order, capitals at A1 to B8 and
// small letters at C1 to D8 alike.
inline constexpr std::array<std::string_view, 24> GreekLetters = {
    "A", "B", "G", "D", "E", "Z", "E", "TH", "I", "K", "L", "M",
    "N", "X", "O", "P", "R", "S", "T", "U", "PH", "KH", "PS", "O",
};
// clang-format on

// The letter form of GBK bytes, at most kLetterFormLimit characters of ASCII
// letters, digits and "?".
std::string GetLetterForm(std::string_view gbk);

// The letter form of a UTF-8 text, converted to GBK character by character: a
// character that GBK lacks (an emoji, a rare ideograph) or a byte that is not
// UTF-8 gives a "?".
std::string LetterFormOfText(std::string_view utf8);

}  // namespace jx
