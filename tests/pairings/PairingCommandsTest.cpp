#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliCommand.h"
#include "common/Gbk.h"
#include "common/Unscramble.h"
#include "pairings/OmenPages.h"
#include "tests/pairings/PairingFixture.h"

namespace jx::test {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class PairingCommands : public ::testing::Test {
protected:
    Outcome run(const cli::Arguments& args) {
        std::ostringstream out;
        std::ostringstream err;
        const std::string dll = files.path("SanFile.dll");
        cli::Context context{dll.substr(0, dll.size() - std::string("SanFile.dll").size()),
                             std::chrono::year_month_day{}, out, err};
        const int code = cli::Run(args, context);
        return {code, out.str(), err.str()};
    }
    SqliteFixture files;
};

TEST_F(PairingCommands, PairPrintsTheWindowsLines) {
    CreateSanFile(files, StandardRows());
    const Outcome found = run({"pair", "鼠", "牛"});
    EXPECT_EQ(found.code, cli::kExitOk) << found.err;
    EXPECT_EQ(found.out,
              "鼠和牛配对结果如下:\n\n\n鼠男牛女，相敬如宾。\n\n性格互补。\n\n白头偕老。\n\n");
    EXPECT_EQ(run({"pair", "龙", "蛇"}).out, "龙和蛇配对结果如下:\n\n\n");
    EXPECT_EQ(run({"pair", " 牛 ", "鼠"}).out, "牛和鼠配对结果如下:\n\n\n牛男鼠女，勤俭持家。\n\n");
}

TEST_F(PairingCommands, PairFailures) {
    EXPECT_EQ(run({"pair", "鼠", "牛"}).code, cli::kExitDataError);  // no file yet
    CreateSanFile(files, StandardRows());
    const Outcome missing = run({"pair", "猴", "鸡"});
    EXPECT_EQ(missing.code, cli::kExitNotFound);
    EXPECT_EQ(missing.out, "");
    for (const cli::Arguments& args : std::vector<cli::Arguments>{
             {"pair"}, {"pair", "鼠"}, {"pair", "鼠", "猫"}, {"pair", "鼠", "牛", "虎"}})
        EXPECT_EQ(run(args).code, cli::kExitBadInput) << args.size();
}

TEST_F(PairingCommands, ScrambleAndUnscrambleAreInverse) {
    const Outcome stored = run({"scramble", "鼠和牛配对"});
    ASSERT_EQ(stored.code, cli::kExitOk);
    EXPECT_EQ(stored.out, ScrambleText(ToGbk("鼠和牛配对"), 8539, 7) + "\n");
    const std::string hex = stored.out.substr(0, stored.out.size() - 1);
    EXPECT_EQ(run({"unscramble", hex}).out, "鼠和牛配对\n");

    const Outcome keyed = run({"scramble", "abc", "258", "1"});
    EXPECT_EQ(keyed.out, ScrambleText("abc", 258, 1) + "\n");
    EXPECT_EQ(run({"unscramble", keyed.out.substr(0, 6), "258", "1"}).out, "abc\n");
    EXPECT_EQ(run({"unscramble", "414243", "8539", "0"}).out, "ABC\n");
}

TEST_F(PairingCommands, UnscrambleReportsBadPairs) {
    const Outcome result = run({"unscramble", "41zz42", "1", "0"});
    EXPECT_EQ(result.code, cli::kExitOk);
    EXPECT_EQ(result.out, "AB\n");
    EXPECT_NE(result.err.find("1"), std::string::npos);
}

TEST_F(PairingCommands, ScrambleRejectsBadKeysAndRounds) {
    for (const cli::Arguments& args : std::vector<cli::Arguments>{{"scramble"},
                                                                  {"scramble", "a", "1"},
                                                                  {"scramble", "a", "65536", "7"},
                                                                  {"scramble", "a", "-1", "7"},
                                                                  {"scramble", "a", "x", "7"},
                                                                  {"unscramble", "41", "1", "7x"},
                                                                  {"unscramble", "41", "", "7"}})
        EXPECT_EQ(run(args).code, cli::kExitBadInput) << args.size();
}

TEST_F(PairingCommands, OmenPrintsThePage) {
    for (int index = 0; index < kOmenPageCount; ++index) {
        const Outcome page = run({"omen", std::to_string(index)});
        EXPECT_EQ(page.code, cli::kExitOk);
        EXPECT_EQ(page.out, OmenPageText(index) + "\n");
    }
    for (const char* bad : {"7", "-1", "x", "1.5", ""})
        EXPECT_EQ(run({"omen", bad}).code, cli::kExitBadInput) << bad;
    EXPECT_EQ(run({"omen"}).code, cli::kExitBadInput);
}

}  // namespace
}  // namespace jx::test
