#include <gtest/gtest.h>

#include <vector>

#include "pairings/OmenPages.h"

namespace jx {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find('\n', start)) != std::string::npos; start = at + 1)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(OmenPages, TitlesInCommandOrder) {
    const char* titles[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                            "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
    for (int i = 0; i < kOmenPageCount; ++i) EXPECT_EQ(OmenPages()[i].title, titles[i]);
}

TEST(OmenPageText, ReadingsSeparatedByOneEmptyLine) {
    for (int i = 0; i < kOmenPageCount; ++i) {
        const auto lines = Lines(OmenPageText(i));
        const std::size_t readings = OmenPages()[i].lines.size();
        ASSERT_EQ(lines.size(), 2 * readings - 1) << "page " << i;
        EXPECT_EQ(lines.size(), i == 0 ? 23u : 11u);
        for (std::size_t l = 0; l < lines.size(); ++l) {
            if (l % 2 == 1)
                EXPECT_EQ(lines[l], "") << "page " << i << " line " << l;
            else
                EXPECT_EQ(lines[l], OmenPages()[i].lines[l / 2]);
        }
    }
}

TEST(OmenPageText, OutsideTheSevenPagesIsEmpty) {
    for (int index : {-1, 7, 100}) EXPECT_EQ(OmenPageText(index), "") << index;
}

TEST(OmenPageText, KeepsTheIrregularPunctuation) {
    struct Case {
        int page;
        std::size_t line;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。"},
        {0, 22, "晚上11点-凌晨1点 有人欢朋宴客。"},
        {1, 0, "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。"},  // two blanks
        {1, 2, "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。"},  // semicolon
        {2, 2, "丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。"},
        {3, 2, "丑时；主心中有，忧疑之事。 未时：主妻外心，有破财喜。"},
        {4, 0, "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。"},
        {5, 0, "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。"},   // blank before 。
        {5, 8, "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。"},  // comma before 戌时
        {5, 10, "已时：主有财物，之事不利。亥时：主有官非，词讼之事。"},
        {6, 10, "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。"},
    };
    for (const Case& c : cases) EXPECT_EQ(Lines(OmenPageText(c.page))[c.line], c.text);
}

TEST(OmenExplanation, FourLinesAndAFinalBreak) {
    const auto lines = Lines(std::string(kOmenExplanation));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "说明：");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(lines[i].substr(0, 3), "   ") << i;  // three blanks, then the text
        EXPECT_NE(lines[i][3], ' ') << i;
    }
    EXPECT_EQ(lines[3], "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点");
    EXPECT_EQ(lines[4], "");
}

}  // namespace
}  // namespace jx
