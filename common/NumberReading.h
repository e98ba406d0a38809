#pragma once
// The eighty-one-number reading: a whole number's remainder on division by 81
// picks a verse, a verdict and a character type.
#include <array>
#include <string>
#include <string_view>

namespace jx {

struct CharacterType {
    const char* name;
    const char* description;
};

struct EightyOneReading {
    const char* verse;    // four phrases joined by "，"
    const char* verdict;  // "吉", "凶", "吉带凶" or "凶带吉"
    int type;             // row of CharacterTypes, counted from 1
};

// Columns: name, description. Rows are the types 1 to 9.
extern const std::array<CharacterType, 9> CharacterTypes;
// Rows keyed by the remainder 0 to 80. The type is stored per row: after
// remainder 24 it no longer follows a rotation.
extern const std::array<EightyOneReading, 81> EightyOneReadings;

// For negative numbers whose remainder is not 0.
inline constexpr std::string_view kNumberReadingFallback = "对不起,此号不在分解之类。";

// "verse|verdict|主人性格类型：[name]，其具体表现为：description" for row r.
std::string ReadingText(int row);

// The reading of a number text (callers trim it first). Throws
// jx::ConversionError when the text is not a whole number.
std::string GetNumberReading(std::string_view numberText);

}  // namespace jx
