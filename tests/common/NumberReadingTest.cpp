#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "common/Errors.h"
#include "common/IntegerSyntax.h"
#include "common/NumberReading.h"

namespace jx {
namespace {

std::optional<std::int64_t> tryParse(const std::string& text) {
    try {
        return ParseInteger(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

TEST(ParseInteger, AcceptsTheIntegerSyntaxAndRejectsEverythingElse) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    struct Case {
        std::string text;
        std::optional<std::int64_t> value;  // nullopt: conversion failure
    };
    const Case cases[] = {
        {"0", 0},
        {"-0", 0},
        {"0081", 81},
        {"007", 7},
        {"+7", 7},
        {"-82", -82},
        {"   12", 12},  // leading blanks are allowed
        {"$51", 81},
        {"0X51", 81},
        {"0x51", 81},
        {"x51", 81},
        {"X1f", 31},
        {"-$10", -16},
        {"+0x10", 16},
        {"$FFFFFFFFFFFFFFFF", -1},  // 16 hex digits: a two's-complement pattern
        {"$7FFFFFFFFFFFFFFF", kMax},
        {"$00000000000000000051", 81},         // leading zeros are not significant
        {"$10000000000000000", std::nullopt},  // 17 significant hex digits
        {"9223372036854775807", kMax},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775808", kMin},
        {"-9223372036854775809", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"x", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"-$", std::nullopt},
        {"12 3", std::nullopt},
        {"12A", std::nullopt},
        {"12 ", std::nullopt},   // blanks after the digits
        {"\t12", std::nullopt},  // only blanks may lead
        {"+-1", std::nullopt},
        {"$G", std::nullopt},
        {"1.0", std::nullopt},
        {"１２", std::nullopt},  // full-width digits are not digits
        {std::string("1\0", 2), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(tryParse(c.text), c.value) << "'" << c.text << "'";
}

TEST(ParseInteger, FailureNamesTheWholeInput) {
    for (const std::string text : {"", "12A", " 12 3", "abc"}) {
        try {
            ParseInteger(text);
            ADD_FAILURE() << text;
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
        }
    }
}

// Fields of a reading text split at "|".
std::vector<std::string> fields(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == '|')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

TEST(EightyOneReadings, EveryRowReadsAsThreeNonEmptyFieldsWithItsTypesText) {
    for (int row = 0; row < 81; ++row) {
        const auto parts = fields(ReadingText(row));
        ASSERT_EQ(parts.size(), 3u) << row;
        for (const std::string& part : parts) EXPECT_FALSE(part.empty()) << row;
        EXPECT_EQ(parts[2].rfind("主人性格类型：[", 0), 0u) << row;
        const int type = EightyOneReadings[row].type;
        ASSERT_GE(type, 1);
        ASSERT_LE(type, 9);
        EXPECT_EQ(parts[2], std::string("主人性格类型：[") + CharacterTypes[type - 1].name +
                                "]，其具体表现为：" + CharacterTypes[type - 1].description);
    }
}

TEST(EightyOneReadings, EachTypeNameAlwaysComesWithTheSameDescription) {
    std::map<std::string, std::string> descriptionOf;
    std::set<std::string> descriptions;
    for (int row = 0; row < 81; ++row) {
        const std::string third = fields(ReadingText(row))[2];
        const auto close = third.find("]，");
        ASSERT_NE(close, std::string::npos);
        const std::string name = third.substr(0, close);
        const auto [it, inserted] = descriptionOf.emplace(name, third.substr(close));
        EXPECT_EQ(it->second, third.substr(close)) << row;
        descriptions.insert(third.substr(close));
    }
    EXPECT_EQ(descriptionOf.size(), 9u);
    EXPECT_EQ(descriptions.size(), 9u);
}

TEST(EightyOneReadings, VerdictCountsAndVerseShapes) {
    std::map<std::string, int> counts;
    for (const EightyOneReading& reading : EightyOneReadings) {
        ++counts[reading.verdict];
        // Four phrases joined by three full-width commas.
        const std::string verse = reading.verse;
        int commas = 0;
        for (std::size_t at = verse.find("，"); at != std::string::npos;
             at = verse.find("，", at + 1))
            ++commas;
        EXPECT_EQ(commas, 3) << verse;
        EXPECT_EQ(verse.find('|'), std::string::npos);
    }
    EXPECT_EQ(counts,
              (std::map<std::string, int>{{"吉", 35}, {"凶", 30}, {"吉带凶", 13}, {"凶带吉", 3}}));
}

TEST(EightyOneReadings, TypesRotateOnlyUpToRemainder24) {
    for (int row = 0; row <= 24; ++row) EXPECT_EQ(EightyOneReadings[row].type, row % 9 + 1) << row;
    // The stored column breaks the rotation before these remainders.
    const std::set<int> breaks = {25, 27, 35, 44, 54, 66, 67, 73, 79};
    for (int row = 25; row < 81; ++row) {
        const bool follows = EightyOneReadings[row].type == EightyOneReadings[row - 1].type % 9 + 1;
        EXPECT_EQ(follows, !breaks.contains(row)) << row;
    }
}

TEST(GetNumberReading, PicksTheRowOfTheTruncatedRemainder) {
    const std::string fallback(kNumberReadingFallback);
    struct Case {
        std::string text;
        int row;  // -1: the fallback text
    };
    const Case cases[] = {
        {"0", 0},      {"81", 0},
        {"162", 0},    {"999999999999999999", 0},
        {"80", 80},    {"123456789", 72},
        {"0081", 0},   {"007", 7},
        {"+7", 7},     {"-1", -1},
        {"-82", -1},   {"-81", 0},
        {"-0", 0},     {"$51", 0},
        {"0X51", 0},   {"9223372036854775807", 25},
        {"12345", 33}, {"-9223372036854775808", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetNumberReading(c.text), c.row < 0 ? fallback : ReadingText(c.row)) << c.text;
}

TEST(GetNumberReading, KnownTextsAreByteForByte) {
    EXPECT_EQ(GetNumberReading("0"),
              "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，"
              "其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。"
              "做事喜好凭个人直觉及预感做决定。");
    EXPECT_EQ(fields(GetNumberReading("123456789"))[0], "安乐自来，自然吉祥，力行不懈，终必成功");
    EXPECT_EQ(fields(GetNumberReading("80"))[0], "最极之数，还本归元，能得繁荣，发达成功");
    EXPECT_EQ(GetNumberReading("-1"), "对不起,此号不在分解之类。");
}

TEST(GetNumberReading, ConversionFailuresPassThrough) {
    for (const char* text : {"", "12 3", "12A", "9223372036854775808"})
        EXPECT_THROW(GetNumberReading(text), ConversionError) << text;
}

}  // namespace
}  // namespace jx
