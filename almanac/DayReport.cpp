#include "almanac/DayReport.h"

#include <stdexcept>

namespace jx {

std::string DayQueryText(std::string_view dateText) {
    std::string text = "Select top 1 * from huangdao where gn = #";
    text += dateText;
    text += '#';
    return text;
}

const std::string& DayFields::column(std::string_view name) const {
    if (name == "nn") return nn;
    if (name == "suici") return suici;
    if (name == "tszf") return tszf;
    if (name == "wuhang") return wuhang;
    if (name == "cong") return cong;
    if (name == "pzbj") return pzbj;
    if (name == "jsyq") return jsyq;
    if (name == "yi") return yi;
    if (name == "xsyq") return xsyq;
    if (name == "ji") return ji;
    if (name == "jishi") return jishi;
    throw std::out_of_range("no almanac column " + std::string(name));
}

DayReport BuildDayReport(std::string_view dateText, const DayFields& fields, bool includeHours) {
    DayReport report;
    report.overview = std::string(dateText) + "  " + fields.nn;
    for (std::size_t i = 0; i < kDayReportLines.size(); ++i) {
        if (i > 0) report.lines.emplace_back();
        const DayReportLine& line = kDayReportLines[i];
        report.lines.push_back(std::string(line.label) + fields.column(line.column));
    }
    if (includeHours) {
        report.lines.emplace_back();
        report.lines.emplace_back(kHoursHeading);
        report.lines.push_back(fields.jishi);
    }
    return report;
}

// Each line but 12, 18 and 34 ends in a blank; 13 and 19 continue the line before.
const std::array<std::string_view, 34> kGlossaryLines{
    "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
    "祭祀 ：指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事 ",
    "安葬 ：举行埋葬等仪式 ",
    "出行 ：指外出旅行、观光游览 ",
    "祈福 ：祈求神明降福或设醮还愿之事 ",
    "动土 ：建筑时、第一次动起锄头挖土 ",
    "安床 ：指安置睡床卧铺之意 ",
    "开光 ：佛像塑成后、供奉上位之事 ",
    "纳采 ：缔结婚姻的仪式、受授聘金 ",
    "入殓 ：将尸体放入棺材之意 ",
    "移徙 ：指搬家迁移住所之意 ",
    "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。现",
    "今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ",
    "解除 ：指冲洗清扫宅舍、解除灾厄等事 ",
    "入宅 ：即迁入新宅、所谓“新居落成典礼”也 ",
    "修造 ：指阳宅之造与修理 ",
    "栽种 ：种植物“接果”“种田禾”同 ",
    "开市 ：“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。包括：(1)年头初开始营业或开工等",
    "事(2)新设店铺商行或新厂开幕等事 ",
    "移柩 ：行葬仪时、将棺木移出屋外之事 ",
    "订盟 ：订婚仪式的一种，俗称小聘(订) ",
    "拆卸 ：拆掉建筑物 ",
    "立卷 ：订立各种契约互相买卖之事 ",
    "交易 ：订立各种契约互相买卖之事 ",
    "求嗣 ：指向神明祈求后嗣(子孙)之意 ",
    "上梁 ：装上建筑物屋顶的梁，同架马 ",
    "纳财 ：购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等 ",
    "起基 ：建筑时、第一次动起锄头挖土 ",
    "斋醮 ：庙宇建醮前需举行的斋戒仪式 ",
    "赴任 ：走马上任 ",
    "冠笄 ：男女年满二十岁所举行的成年礼仪式 ",
    "安门 ：放置正门门框 ",
    "修坟 ：修理坟墓 ",
    "挂匾 ：指悬挂招牌或各种匾额",
};

}  // namespace jx
