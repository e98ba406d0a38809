#pragma once
// The mobile-number reading's key and query: the digits from the 8th on,
// reduced modulo 80, name a row of the table shouji in dream.dll.
#include <string>
#include <string_view>

namespace jx {

// Key text ("0" to "79") of a trimmed number text. Takes the characters from
// the 8th on (at most 11); throws jx::ConversionError naming the characters
// taken when they are not a whole number (also when there are none).
std::string shoujiinfostr(std::string_view number);

// "select title,jx,content from shouji where num = '<key>'", quotes in the key doubled.
std::string ShoujiQueryText(std::string_view key);

}  // namespace jx
