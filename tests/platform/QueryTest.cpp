#include <gtest/gtest.h>

#include <QFileInfo>

#include "common/Errors.h"
#include "platform/Query.h"
#include "tests/support/SqliteFixture.h"

namespace jx {
namespace {

class QueryTest : public ::testing::Test {
protected:
    test::SqliteFixture files;

    void SetUp() override {
        files.create("days.dll",
                     {
                         "CREATE TABLE huangdao (gn TEXT, nn TEXT, yi TEXT)",
                         "INSERT INTO huangdao VALUES ('2010-04-05', '农历二月廿一', NULL)",
                         "INSERT INTO huangdao VALUES ('2010-05-01', '农历三月十八', '祭祀')",
                     });
    }
};

TEST_F(QueryTest, FindsTheRowOfAJetDateLiteralAndReadsFieldsByNameAndPosition) {
    Query q;
    q.setConnectionString(files.connectionString("days.dll"));
    q.setStatement("Select top 1 * from huangdao where gn = #2010-4-5#");
    q.open();
    ASSERT_FALSE(q.isEmpty());
    EXPECT_EQ(q.field("nn"), "农历二月廿一");
    EXPECT_EQ(q.field(0), "2010-04-05");
    EXPECT_EQ(q.field("yi"), "");  // null reads as empty
    EXPECT_THROW(q.field("jishi"), DatabaseError);
    EXPECT_THROW(q.field(3), DatabaseError);

    q.close();
    q.setStatement("Select top 1 * from huangdao where gn = #2011-1-1#");
    q.open();
    EXPECT_TRUE(q.isEmpty());
}

TEST_F(QueryTest, QuotedValuesAreBoundNotPasted) {
    Query q;
    q.setConnectionString(files.connectionString("days.dll"));
    q.setStatement("select nn from huangdao where gn = '2010-05-01'' or ''1''=''1'");
    q.open();
    EXPECT_TRUE(q.isEmpty());
}

TEST_F(QueryTest, MissingFileTableOrColumnFailsNamingTheFileAndWhatIsMissing) {
    struct Case {
        std::string file, statement, mentions;
    };
    const Case cases[] = {
        {"absent.dll", "select * from huangdao", "文件不存在"},
        {"days.dll", "select * from shouji", "缺少表 shouji"},
        {"days.dll", "select title from huangdao", "缺少列 title"},
    };
    for (const Case& c : cases) {
        Query q;
        q.setConnectionString(files.connectionString(c.file));
        q.setStatement(c.statement);
        try {
            q.open();
            ADD_FAILURE() << c.statement << " opened";
        } catch (const DatabaseError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(c.file), std::string::npos) << what;
            EXPECT_NE(what.find(c.mentions), std::string::npos) << what;
        }
        EXPECT_FALSE(q.isOpen());
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(files.path("absent.dll"))));
}

TEST_F(QueryTest, NeverWritesToTheFile) {
    Query q;
    q.setConnectionString(files.connectionString("days.dll"));
    q.setStatement("delete from huangdao");
    EXPECT_THROW(q.open(), DatabaseError);
    q.setStatement("select count(*) from huangdao");
    q.open();
    EXPECT_EQ(q.field(0), "2");
}

}  // namespace
}  // namespace jx
