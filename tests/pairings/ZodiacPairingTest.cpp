#include <gtest/gtest.h>

#include "common/Gbk.h"
#include "common/Unscramble.h"
#include "pairings/ZodiacPairing.h"

namespace jx {
namespace {

using Lines = std::vector<std::string>;

std::string Stored(const std::string& utf8) {
    return ScrambleText(ToGbk(utf8), kPairingKey, kPairingRounds);
}

TEST(PairingStatement, QuotesBothAnimalsWithTwoBlanksBeforeWhere) {
    EXPECT_EQ(PairingStatement("鼠", "牛"),
              "select title,content1,content2,content3,content4 from shuxianglove  where "
              "shengxiao1 = '鼠' and shengxiao2 = '牛'");
    EXPECT_EQ(PairingStatement("牛", "鼠"),
              "select title,content1,content2,content3,content4 from shuxianglove  where "
              "shengxiao1 = '牛' and shengxiao2 = '鼠'");
}

TEST(QuoteSqlText, DoublesInnerQuotes) {
    EXPECT_EQ(QuoteSqlText(""), "''");
    EXPECT_EQ(QuoteSqlText("a'b"), "'a''b'");
    EXPECT_EQ(QuoteSqlText("''"), "''''''");
}

TEST(PairingResultLines, HeadingTwoEmptyLinesThenEachFilledPart) {
    struct Case {
        const char* name;
        std::array<std::string, 4> contents;
        Lines expected;
    };
    const std::vector<Case> cases = {
        {"all empty", {"", "", "", ""}, {"鼠和牛配对结果如下:", "", ""}},
        {"only blanks", {" ", "\t\r\n", "  ", ""}, {"鼠和牛配对结果如下:", "", ""}},
        {"only third",
         {"", "", Stored("第三段"), ""},
         {"鼠和牛配对结果如下:", "", "", "第三段", ""}},
        {"all four",
         {Stored("一"), Stored("二"), Stored("三"), Stored("四")},
         {"鼠和牛配对结果如下:", "", "", "一", "", "二", "", "三", "", "四", ""}},
        {"surrounding blanks trimmed",
         {"  " + Stored("甲") + "\r\n", "", "", ""},
         {"鼠和牛配对结果如下:", "", "", "甲", ""}},
        {"own line breaks",
         {Stored("上\r\n下\n末"), "", "", ""},
         {"鼠和牛配对结果如下:", "", "", "上", "下", "末", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PairingResultLines("鼠", "牛", c.contents), c.expected) << c.name;
}

TEST(PairingResultLines, BadPairsBeepOnceEachAndTheRestIsShown) {
    int beeps = 0;
    // A single pair survives unscrambling unchanged, so "41" around bad pairs reads "A".
    const Lines lines =
        PairingResultLines("狗", "猪", {"ZZ41", "", "4G", ""}, [&beeps] { ++beeps; });
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(lines, (Lines{"狗和猪配对结果如下:", "", "", "A", "", "", ""}));
}

TEST(PairingSaveName, IsManPairedWithWoman) {
    EXPECT_EQ(PairingSaveName("鼠", "牛"), "鼠配对牛");
    EXPECT_EQ(PairingSaveName("猪", "猪"), "猪配对猪");
}

TEST(SaveDialogFileName, OffersTheTrimmedNameOrAWildcard) {
    EXPECT_EQ(SaveDialogFileName("鼠配对牛"), "鼠配对牛");
    EXPECT_EQ(SaveDialogFileName("  鼠配对牛 \t"), "鼠配对牛");
    for (const char* name : {"a*b", "a/b", "a<b", "a>b", "a?b", "a\\b", "a|b", "|"})
        EXPECT_EQ(SaveDialogFileName(name), "*.txt") << name;
    EXPECT_EQ(SaveDialogFileName("a:b\"c"), "a:b\"c");
}

TEST(SaveDialogFileName, LooksAtTheBytesOfTheGbkForm) {
    // A double-byte character whose second byte is the backslash.
    const std::string backslashTrail = FromGbk("\x81\x5C");
    ASSERT_EQ(ToGbk(backslashTrail), "\x81\x5C");
    EXPECT_EQ(SaveDialogFileName("鼠" + backslashTrail), "*.txt");
    // The twelve animals and 配对 carry no such byte.
    for (std::string_view man : kZodiacAnimals)
        for (std::string_view woman : kZodiacAnimals)
            EXPECT_EQ(SaveDialogFileName(PairingSaveName(man, woman)), PairingSaveName(man, woman));
}

TEST(SavedFileName, AlwaysAppendsTxt) {
    EXPECT_EQ(SavedFileName("/tmp/鼠配对牛"), "/tmp/鼠配对牛.txt");
    EXPECT_EQ(SavedFileName("result.txt"), "result.txt.txt");
}

TEST(SavedFileBytes, GbkLinesEachEndedByCrLf) {
    EXPECT_EQ(SavedFileBytes({"鼠和牛配对结果如下:", "", "", "好"}),
              "\xCA\xF3\xBA\xCD\xC5\xA3\xC5\xE4\xB6\xD4\xBD\xE1\xB9\xFB\xC8\xE7\xCF\xC2:\r\n"
              "\r\n\r\n\xBA\xC3\r\n");
    EXPECT_EQ(SavedFileBytes({}), "");
}

TEST(SplitLines, BreaksAtCrLfCrAndLf) {
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines(""), Lines{""});
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\n"), (Lines{"a", "", "b", ""}));
}

}  // namespace
}  // namespace jx
