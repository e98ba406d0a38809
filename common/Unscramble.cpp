#include "common/Unscramble.h"

#include <cstddef>

namespace jx {
namespace {

// Value of one hexadecimal digit, or -1.
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

using Byte = unsigned char;

Byte At(const std::string& s, std::size_t i) { return static_cast<Byte>(s[i]); }

void Put(std::string& s, std::size_t i, unsigned value) {
    s[i] = static_cast<char>(static_cast<Byte>(value & 0xFFu));
}

}  // namespace

std::string HexPairsToBytes(std::string_view text, const std::function<void()>& beep) {
    std::string bytes;
    const std::size_t pairs = text.size() / 2;  // a final unpaired digit is ignored
    bytes.reserve(pairs);
    for (std::size_t k = 0; k < pairs; ++k) {
        const int high = HexDigit(text[2 * k]);
        const int low = HexDigit(text[2 * k + 1]);
        if (high < 0 || low < 0) {
            if (beep) beep();
            continue;
        }
        bytes.push_back(static_cast<char>(static_cast<Byte>(high * 16 + low)));
    }
    return bytes;
}

std::string UnscrambleText(std::string_view stored, std::uint16_t key, int rounds,
                           const std::function<void()>& beep) {
    std::string b = HexPairsToBytes(stored, beep);
    const std::size_t n = b.size();
    if (n == 0) return b;
    const unsigned forwardKey = key >> 8;      // [0, 255]
    const unsigned backwardKey = key & 0xFFu;  // [0, 255]
    for (int round = 0; round < rounds; ++round) {
        // Each pass is a running chain: every byte mixes with the one just written.
        for (std::size_t i = 1; i < n; ++i)
            Put(b, i, ((At(b, i - 1) + At(b, i)) & 0xFFu) ^ forwardKey);
        for (std::size_t i = n - 1; i-- > 0;)
            Put(b, i, ((At(b, i + 1) + At(b, i)) & 0xFFu) ^ backwardKey);
    }
    return b;
}

std::string ScrambleText(std::string_view bytes, std::uint16_t key, int rounds) {
    std::string b(bytes);
    const std::size_t n = b.size();
    const unsigned forwardKey = key >> 8;
    const unsigned backwardKey = key & 0xFFu;
    // Undo the rounds last to first; within a round undo the backward pass from
    // the front (its neighbour b[i+1] is still the mixed value), then the forward
    // pass from the back (its neighbour b[i-1] is still the mixed value).
    for (int round = 0; round < rounds && n > 0; ++round) {
        for (std::size_t i = 0; i + 1 < n; ++i) Put(b, i, (At(b, i) ^ backwardKey) - At(b, i + 1));
        for (std::size_t i = n - 1; i >= 1; --i) Put(b, i, (At(b, i) ^ forwardKey) - At(b, i - 1));
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * n);
    for (char c : b) {
        const Byte v = static_cast<Byte>(c);
        text.push_back(kDigits[v >> 4]);
        text.push_back(kDigits[v & 0x0F]);
    }
    return text;
}

}  // namespace jx
