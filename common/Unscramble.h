#pragma once
// The stored readings are scrambled byte by byte under a 16-bit key and kept as
// hexadecimal text; these turn them back (and, for test data, forward again).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace jx {

// Byte strings are GBK bytes. beep is called once per bad pair
// (the UI passes [] { platform().beep(); }).
std::string HexPairsToBytes(std::string_view text, const std::function<void()>& beep = {});
std::string UnscrambleText(std::string_view stored, std::uint16_t key, int rounds,
                           const std::function<void()>& beep = {});
// Inverse, for the data generator and tests: bytes -> upper-case hexadecimal stored text.
std::string ScrambleText(std::string_view bytes, std::uint16_t key, int rounds);

}  // namespace jx
