#pragma once
// The one integer syntax that number texts are read with: optional leading
// blanks, an optional sign, then decimal digits or hexadecimal digits after
// "$", "x" or "0x" (either case). The whole text must be used up.
#include <cstdint>
#include <string>
#include <string_view>

namespace jx {

// Throws jx::ConversionError "'<text>' is not a valid integer value" when the
// text is not a whole number or a decimal value leaves the signed 64-bit
// range. Up to 16 hexadecimal digits are a 64-bit two's-complement pattern,
// so "$FFFFFFFFFFFFFFFF" is -1.
std::int64_t ParseInteger(std::string_view text);

// The conversion failure's text for a given input.
std::string InvalidIntegerMessage(std::string_view text);

}  // namespace jx
