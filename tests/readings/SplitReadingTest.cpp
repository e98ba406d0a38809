#include <gtest/gtest.h>

#include "common/NumberReading.h"
#include "readings/SplitReading.h"

namespace jx {
namespace {

TEST(SplitReading, CutsAtTheFirstTwoBars) {
    struct Case {
        std::string text, verse, verdict, character;
    };
    const Case cases[] = {
        {"a|b|c", "a", "b", "c"},
        {"对不起,此号不在分解之类。", "", "", "对不起,此号不在分解之类。"},
        {"a|c", "a", "", "c"},         // one bar: no verdict
        {"a|b|c|d", "a", "b", "c|d"},  // a third bar stays in the character text
        {"|b|c", "", "b", "c"},
        {"||", "", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        const SplitText parts = SplitReading(c.text);
        EXPECT_EQ(parts.verse, c.verse) << c.text;
        EXPECT_EQ(parts.verdict, c.verdict) << c.text;
        EXPECT_EQ(parts.character, c.character) << c.text;
    }
}

TEST(SplitReading, GivesEveryRowItsThreeFields) {
    for (int row = 0; row < 81; ++row) {
        const SplitText parts = SplitReading(ReadingText(row));
        EXPECT_EQ(parts.verse, EightyOneReadings[row].verse) << row;
        EXPECT_EQ(parts.verdict, EightyOneReadings[row].verdict) << row;
        EXPECT_EQ(parts.character.rfind("主人性格类型：[", 0), 0u) << row;
    }
}

}  // namespace
}  // namespace jx
