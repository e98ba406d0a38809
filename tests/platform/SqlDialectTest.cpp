#include <gtest/gtest.h>

#include "platform/SqlDialect.h"

namespace jx {
namespace {

TEST(TranslateStatement, TranslatesOnlyTopAndDateLiterals) {
    struct Case {
        std::string in, sql;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"Select top 1 * from huangdao where gn = #2010-05-01#",
         "Select * from huangdao where gn = ? LIMIT 1",
         {"2010-05-01"}},
        {"Select top 1 * from huangdao where gn = #2010-4-5#",
         "Select * from huangdao where gn = ? LIMIT 1",
         {"2010-04-05"}},
        {"select title,jx,content from shouji where num = '78'",
         "select title,jx,content from shouji where num = ?",
         {"78"}},
        {"select a from t  where x = 'it''s' and y = '牛'",
         "select a from t  where x = ? and y = ?",
         {"it's", "牛"}},
        // A quoted '#' or "top" is a value, not dialect.
        {"Select top 1 * from huangdao where gn = #10-4-5#",
         "Select * from huangdao where gn = ? LIMIT 1",
         {"2010-04-05"}},
        {"select * from t where gn = #99-12-31#", "select * from t where gn = ?", {"1999-12-31"}},
        {"select a from t where x = '#1#' and y = 'top 3'",
         "select a from t where x = ? and y = ?",
         {"#1#", "top 3"}},
        // A malformed date literal is bound as written and so matches nothing.
        {"select * from t where gn = #2010-4#", "select * from t where gn = ?", {"2010-4"}},
        {"select topic from t", "select topic from t", {}},
    };
    for (const Case& c : cases) {
        const TranslatedStatement t = TranslateStatement(c.in);
        EXPECT_EQ(t.sql, c.sql) << c.in;
        EXPECT_EQ(t.values, c.values) << c.in;
    }
}

TEST(DataSourcePath, ReadsThePathAndFoldsRepeatedSeparators) {
    EXPECT_EQ(DataSourcePath("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/a//dream.dll;"
                             "Persist Security Info=True"),
              "/opt/a/dream.dll");
    EXPECT_EQ(DataSourcePath("Data Source=C:\\Almanac\\\\dream.dll"), "C:/Almanac/dream.dll");
    EXPECT_EQ(DataSourcePath("Provider=x"), "");
}

}  // namespace
}  // namespace jx
