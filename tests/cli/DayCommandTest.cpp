#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliCommand.h"
#include "tests/almanac/DayFixture.h"

namespace jx::cli {
namespace {

using namespace std::chrono;

struct Outcome {
    int code;
    std::string out, err;
};

class DayCommandTest : public ::testing::Test {
protected:
    test::SqliteFixture files;

    Outcome run(const Arguments& args) {
        std::ostringstream out, err;
        Context context{files.path(""), year{2010} / 5 / 1, out, err};
        const int code = cli::Run(args, context);
        return {code, out.str(), err.str()};
    }
};

TEST_F(DayCommandTest, PrintsTheOverviewAndTheResultLinesOfTodayOrAGivenDay) {
    files.create("SanBirth.dll", test::DayRows());
    const Outcome today = run({"day"});
    EXPECT_EQ(today.code, kExitOk) << today.err;
    EXPECT_EQ(today.out.substr(0, today.out.find('\n')),
              "2010-05-01  农历三月十八 星期六 玉堂(黄道)");
    EXPECT_NE(today.out.find("\n\n本日吉时如下:\n甲子时 乙丑时\n"), std::string::npos);
    EXPECT_EQ(std::count(today.out.begin(), today.out.end(), '\n'), 21);

    const Outcome noHours = run({"day", "2010", "5", "1", "--no-hours"});
    EXPECT_EQ(noHours.code, kExitOk);
    EXPECT_EQ(noHours.out.substr(0, noHours.out.find('\n')),
              "2010-5-1  农历三月十八 星期六 玉堂(黄道)");
    EXPECT_EQ(std::count(noHours.out.begin(), noHours.out.end(), '\n'), 18);
    EXPECT_TRUE(noHours.out.ends_with("忌:动土 破土\n"));
}

TEST_F(DayCommandTest, ExitCodesTellBadInputMissingRowAndDataFailure) {
    files.create("SanBirth.dll", test::DayRows());
    struct Case {
        Arguments args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"day", "2011", "2", "29"}, kExitBadInput, "请选择有效的日期!\n"},
        {{"day", "2011", "2"}, kExitBadInput, "用法"},
        {{"day", "2030", "1", "1"}, kExitNotFound, "2030-1-1"},
    };
    for (const Case& c : cases) {
        const Outcome o = run(c.args);
        EXPECT_EQ(o.code, c.code) << o.err;
        EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
        EXPECT_TRUE(o.out.empty());
    }
    std::remove(files.path("SanBirth.dll").c_str());
    const Outcome missing = run({"day"});
    EXPECT_EQ(missing.code, kExitDataError);
    EXPECT_NE(missing.err.find("SanBirth.dll"), std::string::npos);
}

TEST_F(DayCommandTest, HelpListsTheCommandsAndAnUnknownCommandFails) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, kExitOk);
    for (const Command& command : Commands())
        EXPECT_NE(help.out.find(command.name), std::string::npos) << command.name;
    EXPECT_EQ(run({"nonsense"}).code, kExitBadInput);
}

}  // namespace
}  // namespace jx::cli
