#pragma once
// Almanac files for tests: a huangdao table with a few rows, in variants.
#include <string>
#include <vector>

#include "tests/support/SqliteFixture.h"

namespace jx::test {

inline const std::string kAllColumns =
    "gn TEXT, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT, pzbj TEXT, jsyq TEXT, "
    "yi TEXT, xsyq TEXT, ji TEXT, jishi TEXT";

// 2010-05-01 with values padded by blanks; 2010-04-05 with a blank nn.
inline std::vector<std::string> DayRows(const std::string& columns = kAllColumns) {
    const bool hasHours = columns.find("jishi") != std::string::npos;
    const std::string hours = hasHours ? ", '  甲子时 乙丑时 '" : "";
    return {
        "CREATE TABLE huangdao (" + columns + ")",
        "INSERT INTO huangdao VALUES ('2010-05-01', ' 农历三月十八 星期六 玉堂(黄道) ', "
        "'庚寅年 辛巳月 丙午日', '占门碓外东南', '涧下水 满执位', '猴(戊申) 煞北', "
        "'丙不修灶必见灾殃 午不苫盖屋主更张', '天恩 母仓', '  祭祀 祈福\t', '五虚 九空', '动土 "
        "破土'" +
            hours + ")",
        "INSERT INTO huangdao VALUES ('2010-04-05', '   ', 'a', 'b', 'c', 'd', 'e', 'f', 'g', "
        "'h', 'i'" +
            (hasHours ? std::string(", 'j'") : std::string()) + ")",
    };
}

}  // namespace jx::test
