#pragma once
// Splitting a reading text "verse|verdict|character text" for the number windows.
#include <string>
#include <string_view>

namespace jx {

struct SplitText {
    std::string verse;
    std::string verdict;
    std::string character;
};

// Splits at the first two "|". Without any "|" the whole text is the character
// text (the fallback reading); a third "|" stays inside the character text.
SplitText SplitReading(std::string_view reading);

}  // namespace jx
