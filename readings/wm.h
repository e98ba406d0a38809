#pragma once
// The net-name reading: the last letter of a nickname's letter form picks one
// of 26 character traits.
#include <array>
#include <string>
#include <string_view>

namespace jx {

// Rows keyed by the letters a to z.
extern const std::array<std::string_view, 26> NetNameTraits;

// "1" to "A", ..., "9" to "I", "0" to "J"; other characters unchanged.
std::string DigitsToLetters(std::string_view text);

// The trait of a letter form: its digits made letters, its last character
// lowered; empty when that is not a letter (none, or "?").
std::string TraitOfLetterForm(std::string_view letterForm);

// The trait of a GBK nickname; empty for an empty name or when none applies.
std::string GetNetNameTrait(std::string_view gbkName);

struct NetNameReading {
    std::string letterForm;
    std::string trait;
};

// The reading of a UTF-8 nickname, converted to GBK as LetterFormOfText does.
NetNameReading ReadNetName(std::string_view utf8Name);

}  // namespace jx
