#pragma once
#include <string>
#include <string_view>

namespace jx {

// Removes every character with a code of 32 or less from both ends (blanks,
// tabs, line breaks and the other control characters).
std::string Trim(std::string_view text);

// The text of an error as the top-level error box shows it: a full stop is
// added when the last character sorts after ".", so sentences that already
// end in punctuation such as "!" or "." are left alone.
std::string WithFullStop(std::string_view text);

}  // namespace jx
