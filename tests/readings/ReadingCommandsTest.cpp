#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliCommand.h"
#include "common/NumberReading.h"
#include "tests/support/SqliteFixture.h"

namespace jx {
namespace {

struct Outcome {
    int code;
    std::string out, err;
};

class ReadingCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.create("dream.dll",
                     {"create table shouji (num text, title text, jx text, content text)",
                      "insert into shouji values ('78', ' 态 ', '吉', '详\t')"});
        folder_ = data_.path("dream.dll");
        folder_.resize(folder_.size() - std::string("dream.dll").size());
    }
    Outcome run(const cli::Arguments& args, std::string folder = {}) {
        std::ostringstream out, err;
        cli::Context context{folder.empty() ? folder_ : folder,
                             std::chrono::year_month_day{std::chrono::year{2010}, std::chrono::May,
                                                         std::chrono::day{1}},
                             out, err};
        const int code = cli::Run(args, context);
        return {code, out.str(), err.str()};
    }

    test::SqliteFixture data_;
    std::string folder_;
};

TEST_F(ReadingCommandsTest, NumberPrintsTheReadingText) {
    const Outcome ok = run({"number", " 12345 "});
    EXPECT_EQ(ok.code, cli::kExitOk);
    EXPECT_EQ(ok.out, ReadingText(33) + "\n");
    EXPECT_EQ(run({"number", "-1"}).out, "对不起,此号不在分解之类。\n");

    const Outcome bad = run({"number", "12A"});
    EXPECT_EQ(bad.code, cli::kExitBadInput);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "'12A' is not a valid integer value.\n");
    EXPECT_EQ(run({"number"}).code, cli::kExitBadInput);
}

TEST_F(ReadingCommandsTest, PhonePrintsKeyAndFieldsSeparatedByTabs) {
    struct Case {
        cli::Arguments args;
        int code;
        std::string out, err;
    };
    const Case cases[] = {
        {{"phone", "10000005678"}, cli::kExitOk, "78\t态\t吉\t详\n", ""},
        {{"phone", "10000000005"}, cli::kExitNotFound, "5\t\t\t\n", ""},
        {{"phone", " "}, cli::kExitBadInput, "", "请输入11位手机号码！\n"},
        {{"phone", "1234567"}, cli::kExitBadInput, "", "'' is not a valid integer value.\n"},
        {{"phone"}, cli::kExitBadInput, "", "用法: phone 手机号码\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.args);
        EXPECT_EQ(outcome.code, c.code) << c.args.back();
        EXPECT_EQ(outcome.out, c.out) << c.args.back();
        EXPECT_EQ(outcome.err, c.err) << c.args.back();
    }
}

TEST_F(ReadingCommandsTest, PhoneWithoutItsDataFileIsADataError) {
    const Outcome outcome = run({"phone", "10000005678"}, data_.path("nowhere") + "/");
    EXPECT_EQ(outcome.code, cli::kExitDataError);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("dream.dll"), std::string::npos) << outcome.err;
}

TEST_F(ReadingCommandsTest, NetNamePrintsLetterFormAndTrait) {
    EXPECT_EQ(run({"netname", "qq520"}).out, "QQ520\t煽情高手\n");
    EXPECT_EQ(run({"netname", " 小明。 "}).out, "XM?\t\n");
    EXPECT_EQ(run({"netname", "😀王"}).out, "?W\t比较糊涂，容易感情用事\n");
    const Outcome empty = run({"netname", ""});
    EXPECT_EQ(empty.code, cli::kExitBadInput);
    EXPECT_EQ(empty.err, "请输入你的网名！\n");
}

}  // namespace
}  // namespace jx
