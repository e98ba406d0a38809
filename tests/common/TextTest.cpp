#include <gtest/gtest.h>

#include "common/ConnectionStrings.h"
#include "common/Gbk.h"
#include "common/Text.h"

namespace jx {
namespace {

TEST(Trim, RemovesEveryControlCharacterAndBlankAtBothEnds) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},         {"   ", ""}, {" 2010 ", "2010"}, {"\t\r\n\x01 吉日\x1f ", "吉日"},
        {"a b", "a b"},    // inner blanks stay
        {"\x7f", "\x7f"},  // DEL is above 32
    };
    for (const Case& c : cases) EXPECT_EQ(Trim(c.in), c.out) << c.in;
}

TEST(WithFullStop, AddsAStopOnlyAfterCharactersThatSortAfterTheStop) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
        {"done.", "done."},
        {"请选择日!", "请选择日!"},  // '!' sorts before '.'
        {"缺少表 huangdao", "缺少表 huangdao."},
        {"无法打印", "无法打印."},  // a multi-byte last character sorts after '.'
        {"a-", "a-"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WithFullStop(c.in), c.out) << c.in;
}

TEST(ConnectionStrings, KeepTheFolderSeparatorAndAddAnother) {
    EXPECT_EQ(MakeConnectionString("/opt/Almanac/", "dream.dll"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/Almanac//dream.dll;"
              "Persist Security Info=True");
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(SanBirthConnectionString(), MakeConnectionString(folder, "SanBirth.dll"));
    EXPECT_EQ(SanFileConnectionString(), MakeConnectionString(folder, "SanFile.dll"));
    EXPECT_EQ(DreamConnectionString(), MakeConnectionString(folder, "dream.dll"));
}

TEST(Gbk, RoundTripsChineseAndMarksWhatGbkCannotHold) {
    EXPECT_EQ(ToGbk("你好"), "\xC4\xE3\xBA\xC3");
    EXPECT_EQ(FromGbk("\xC4\xE3\xBA\xC3"), "你好");
    EXPECT_EQ(ToGbk("a1"), "a1");
    EXPECT_EQ(ToGbk(""), "");
    EXPECT_EQ(ToGbk("a😀b"), "a?b");  // one "?" for a character outside the BMP
    EXPECT_EQ(FromGbk(ToGbk("吉星择日通，黄道吉日")), "吉星择日通，黄道吉日");
}

}  // namespace
}  // namespace jx
