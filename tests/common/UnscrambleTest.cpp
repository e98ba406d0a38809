#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/Unscramble.h"

namespace jx {
namespace {

struct BeepCounter {
    int beeps = 0;
    std::function<void()> callback() {
        return [this] { ++beeps; };
    }
};

struct HexCase {
    const char* text;
    std::string bytes;
    int beeps;
};

TEST(HexPairsToBytes, DecodesPairsAndDropsBadOnes) {
    const std::vector<HexCase> cases = {
        {"414243", "ABC", 0},
        {"c4e3bac3", "\xC4\xE3\xBA\xC3", 0},  // 你好 in GBK, lower-case digits
        {"C4E3BAC3", "\xC4\xE3\xBA\xC3", 0},
        {"4142434", "ABC", 0},  // final unpaired digit ignored, no beep
        {"", "", 0},
        {"4", "", 0},
        {"41 04243", "ABC", 1},  // " 0" is a bad pair; the digits are not re-aligned
        {"41G142", "AB", 1},
        {"zz41zz", "A", 2},
        {"\xC4\xE3"
         "41",
         "A", 1},  // a double-byte character is one bad pair
        {"00ff", std::string("\x00\xFF", 2), 0},
    };
    for (const HexCase& c : cases) {
        BeepCounter counter;
        EXPECT_EQ(HexPairsToBytes(c.text, counter.callback()), c.bytes) << c.text;
        EXPECT_EQ(counter.beeps, c.beeps) << c.text;
    }
}

TEST(HexPairsToBytes, BadPairWithoutCallbackDoesNotFail) {
    EXPECT_EQ(HexPairsToBytes("4!42"), "B");
}

TEST(UnscrambleText, EmptyAndOneCharacterGiveEmptyWithoutBeep) {
    for (const char* text : {"", "A"}) {
        BeepCounter counter;
        EXPECT_EQ(UnscrambleText(text, 8539, 7, counter.callback()), "");
        EXPECT_EQ(counter.beeps, 0);
    }
}

TEST(UnscrambleText, SinglePairIsUnchangedForEveryKeyAndRoundCount) {
    for (std::uint16_t key : {0, 1, 8539, 0xFFFF, 0x1200})
        for (int rounds : {-3, 0, 1, 7, 50}) EXPECT_EQ(UnscrambleText("9A", key, rounds), "\x9A");
}

TEST(UnscrambleText, NoRoundsGivesDecodedBytes) {
    for (int rounds : {0, -1, -100}) EXPECT_EQ(UnscrambleText("414243", 8539, rounds), "ABC");
}

// One round by hand: key 0x0102, so H = 1 and L = 2, bytes 10 20 30.
// Forward: 20 -> (10+20)^1 = 31, 30 -> (31+30)^1 = 60.
// Backward: 31 -> (60+31)^2 = 93, 10 -> (93+10)^2 = A1.
TEST(UnscrambleText, OneRoundFollowsBothChains) {
    EXPECT_EQ(UnscrambleText("102030", 0x0102, 1), "\xA1\x93\x60");
}

TEST(UnscrambleText, SumsWrapModulo256BeforeTheExclusiveOr) {
    // Forward: (F0+20) mod 256 = 10, ^0 = 10. Backward: (10+F0) mod 256 = 00, ^FF = FF.
    EXPECT_EQ(UnscrambleText("F020", 0x00FF, 1), "\xFF\x10");
}

TEST(UnscrambleText, BadPairIsDroppedAndItsNeighboursMixTogether) {
    BeepCounter withGap;
    const std::string gapped = UnscrambleText("1020zz30", 0x0102, 1, withGap.callback());
    EXPECT_EQ(withGap.beeps, 1);
    EXPECT_EQ(gapped, UnscrambleText("102030", 0x0102, 1));
}

TEST(UnscrambleText, MixingDependsOnPosition) {
    const std::string result = UnscrambleText("41414141", 8539, 7);
    ASSERT_EQ(result.size(), 4u);
    EXPECT_NE(result[0], result[1]);
    EXPECT_NE(result[1], result[2]);
    // After the forward pass every byte depends on all bytes before it.
    EXPECT_NE(UnscrambleText("41414141", 0x2300, 1).back(),
              UnscrambleText("42414141", 0x2300, 1).back());
}

TEST(ScrambleText, WritesUpperCaseHexOfTheBytesWhenNotMixed) {
    EXPECT_EQ(ScrambleText("ABC", 8539, 0), "414243");
    EXPECT_EQ(ScrambleText(std::string("\x00\xAB", 2), 1, 0), "00AB");
    EXPECT_EQ(ScrambleText("", 8539, 7), "");
    EXPECT_EQ(ScrambleText("\xA1\x93\x60", 0x0102, 1), "102030");
}

TEST(ScrambleText, RoundTripsRandomBytes) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::uint16_t keys[] = {0, 8539, 0xFFFF, 0x0100, 0x00FE};
    const int roundCounts[] = {0, 1, 2, 7, 13};
    for (std::size_t length = 0; length <= 300; ++length) {
        std::string text(length, '\0');
        for (char& c : text) c = static_cast<char>(byte(random));
        for (std::uint16_t key : keys)
            for (int rounds : roundCounts) {
                const std::string stored = ScrambleText(text, key, rounds);
                ASSERT_EQ(stored.size(), 2 * length);
                ASSERT_EQ(UnscrambleText(stored, key, rounds), text)
                    << "length " << length << " key " << key << " rounds " << rounds;
            }
    }
}

TEST(ScrambleText, MixedTextDiffersFromPlainHex) {
    EXPECT_NE(ScrambleText("\xCA\xF3\xBA\xCD", 8539, 7), "CAF3BACD");
}

}  // namespace
}  // namespace jx
