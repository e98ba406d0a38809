#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/CommandTable.h"
#include "common/Publisher.h"

namespace jx {
namespace {

using Lines = std::vector<std::string>;

// A menu as text: one line per entry, indented by depth; "----" for a
// separator, "name >" for a submenu, "caption = handler" for an entry with an
// effect and the bare caption for one without.
void Flatten(std::span<const MenuEntry> entries, const std::string& indent, Lines& out) {
    for (const MenuEntry& entry : entries) {
        if (entry.separatorBefore) out.push_back(indent + "----");
        std::string line = indent + std::string(entry.caption);
        if (!entry.submenu.empty()) {
            out.push_back(line + " >");
            Flatten(entry.submenu, indent + "  ", out);
            continue;
        }
        if (entry.command != Command::None)
            line += " = " + std::string(Describe(entry.command).handler);
        out.push_back(line);
    }
}

Lines NoEffect(std::initializer_list<const char*> captions, const std::string& indent = "  ") {
    Lines lines;
    for (const char* caption : captions) lines.push_back(indent + caption);
    return lines;
}

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(CommandTable, MenusHoldEveryItemInOrderWithSeparatorsAndTheSubmenu) {
    Lines actual;
    for (const Menu& menu : kMenus) {
        actual.push_back(std::string(menu.caption));
        Flatten(menu.entries, "  ", actual);
    }
    const Lines expected = Join({
        {"系统(&S)", "  退出系统 = dxBarButton5Click"},
        {"吉日(&D)", "  黄道吉日 = dxBarButton171Click", "  吉日查询", "  ----"},
        NoEffect({"开市吉日", "交易吉日", "嫁娶吉日", "入宅吉日", "入学吉日", "纳财吉日",
                  "订盟吉日", "安门吉日", "出行吉日", "开光吉日", "求嗣吉日", "祈福吉日",
                  "破土吉日", "祭祀吉日", "安葬吉日"}),
        {"日卜(&R)"},
        NoEffect({"占元旦日阴晴", "占元旦值十干", "占四季甲子日雨", "占立春 春分日",
                  "占立夏 夏至日", "占立秋 秋分日", "占立冬 冬至日", "占雷鸣日", "占天", "占云",
                  "占风", "占日", "占火", "占雾", "占雷电", "占鹊噪", "占彩虹", "占灯花"}),
        {"择日(&Z)"},
        NoEffect({"择日之法", "择日步骤方法", "正五行择日法", "二十八宿吉凶", "三元五腊圣诞日期",
                  "六十甲子亡命安葬...", "董公择日法", "二十八宿值日占...", "金符经"}),
        {"  风水择日 >"},
        NoEffect({"风水择日口诀", "风水择日之入殓安葬的呼", "风水择日之逐日大殓吉时",
                  "风水择日之若干五行", "论风水择日之贵人禄马", "论风水择日之补山相主",
                  "风水择日之竖造论用", "风水择日之安葬论用"},
                 "    "),
        NoEffect({"神像开光择日", "企业开张择日", "动土装修装饰择日", "入宅搬迁择日",
                  "嫁娶择日之玉历碎金赋", "择日之嫁娶论用", "嫁娶择日要论", "安灶修厨之择日",
                  "择日之论朱雀入宫"}),
        {"配对(&P)", "  星座配对", "  生肖配对 = dxBarButton26Click", "  血型配对"},
        {"解梦(&Q)", "  周公解析", "  解梦全书"},
        {"占卜(&B)", "  打喷嚏占卜 = dxBarButton192Click", "  面热测占卜 = dxBarButton193Click",
         "  心惊测占卜 = dxBarButton196Click", "  犬吠测占卜 = dxBarButton198Click",
         "  眼跳测占卜 = dxBarButton200Click", "  耳热测占卜 = dxBarButton199Click",
         "  耳鸣测占卜 = dxBarButton197Click"},
        {"工具(&G)", "  手机号码分析 = dxBarButton19Click", "  QQ号码分析 = dxBarButton22Click",
         "  更多数字分析 = dxBarButton23Click", "  网名分析 = dxBarButton82Click", "  ----",
         "  生男生女 = dxBarButton39Click", "  万年历法 = dxBarButton43Click"},
        {"服务(&F)", "  客户服务 = dxBarButton53Click", "  给我们发邮件 = dxBarButton63Click",
         "  与QQ对话 = dxBarButton64Click"},
        {"帮助(&H)", "  公司主页 = dxBarButton44Click", "  关于系统 = dxBarButton45Click", "  ----",
         "  软件升级 = dxBarButton47Click"},
    });
    EXPECT_EQ(actual, expected);
}

struct ExpectedCommand {
    const char* handler;
    CommandKind kind;
    std::string target;
    int omenPage = -1;
};

TEST(CommandTable, EveryHandlerHasItsKindAndTarget) {
    const std::string home(publisher::kHomePage);
    const std::string mail(publisher::kMailAddress);
    const std::string chat(publisher::kQqChat);
    const ExpectedCommand expected[] = {
        {"RzButton57Click", CommandKind::DateQuery, ""},
        {"RzButton56Click", CommandKind::DayView, ""},
        {"dxBarButton171Click", CommandKind::DayView, ""},
        {"dxBarButton5Click", CommandKind::Exit, ""},
        {"dxBarButton192Click", CommandKind::OmenPage, "打喷嚏占卜吉凶", 0},
        {"dxBarButton193Click", CommandKind::OmenPage, "面热测吉凶", 1},
        {"dxBarButton196Click", CommandKind::OmenPage, "心惊测吉凶", 2},
        {"dxBarButton198Click", CommandKind::OmenPage, "犬吠测吉凶", 3},
        {"dxBarButton200Click", CommandKind::OmenPage, "眼跳测吉凶", 4},
        {"dxBarButton199Click", CommandKind::OmenPage, "耳热测吉凶", 5},
        {"dxBarButton197Click", CommandKind::OmenPage, "耳鸣测吉凶", 6},
        {"dxBarButton19Click", CommandKind::ModalWindow, "TFrm_SJcs"},
        {"dxBarButton22Click", CommandKind::ModalWindow, "TFrmQQhm"},
        {"dxBarButton23Click", CommandKind::ModalWindow, "TFrm_onther"},
        {"dxBarButton82Click", CommandKind::ModalWindow, "TFrmWangming"},
        {"dxBarButton26Click", CommandKind::ModalWindow, "TFrm_SxPeid"},
        {"dxBarButton39Click", CommandKind::ModalWindow, "TFrm_NanNv"},
        {"dxBarButton43Click", CommandKind::ModalWindow, "TFRM_Date"},
        {"dxBarButton53Click", CommandKind::ModalWindow, "TFrm_servers"},
        {"dxBarButton45Click", CommandKind::ModalWindow, "TAbout"},
        {"dxBarButton44Click", CommandKind::Link, home},
        {"dxBarButton63Click", CommandKind::Link, mail},
        {"dxBarButton64Click", CommandKind::Link, chat},
        {"dxBarButton47Click", CommandKind::Notice, "感谢你的使用,软件是最新版无需升级!"},
    };
    std::map<std::string, const CommandInfo*> byHandler;
    for (const CommandInfo& info : kCommands)
        if (info.command != Command::None) byHandler[std::string(info.handler)] = &info;
    ASSERT_EQ(byHandler.size(), std::size(expected));  // one row per handler, no two alike
    for (const ExpectedCommand& row : expected) {
        SCOPED_TRACE(row.handler);
        ASSERT_TRUE(byHandler.contains(row.handler));
        const CommandInfo& info = *byHandler[row.handler];
        EXPECT_EQ(info.kind, row.kind);
        EXPECT_EQ(info.target, row.target);
        EXPECT_EQ(info.omenPage, row.omenPage);
    }
    EXPECT_EQ(Describe(Command::None).kind, CommandKind::NoEffect);
}

TEST(CommandTable, TheAddressesArePlausibleAndTheChatNamesTheQqNumber) {
    EXPECT_TRUE(publisher::kHomePage.starts_with("http"));
    EXPECT_TRUE(publisher::kMailAddress.starts_with("mailto:"));
    EXPECT_TRUE(publisher::kQqChat.starts_with("http"));
    EXPECT_NE(publisher::kQqChat.find(publisher::kQqNumber), std::string_view::npos);
}

using Buttons = std::vector<std::string>;

// "name caption" or "name caption = handler".
Buttons DescribeButtons(std::span<const ButtonEntry> buttons) {
    Buttons lines;
    for (const ButtonEntry& button : buttons) {
        std::string line = std::string(button.name) + " " + std::string(button.caption);
        if (button.command != Command::None)
            line += " = " + std::string(Describe(button.command).handler);
        lines.push_back(line);
    }
    return lines;
}

TEST(CommandTable, TopPanelButtonsLeftToRight) {
    EXPECT_EQ(DescribeButtons(kTopPanelButtons),
              (Buttons{"RzButton57 查询 = RzButton57Click", "RzButton56 本日吉日 = RzButton56Click",
                       "RzButton4 客户服务 = dxBarButton53Click",
                       "RzButton60 软件主页 = dxBarButton44Click",
                       "RzButton59 QQ对话 = dxBarButton64Click"}));
}

TEST(CommandTable, TheDayCategoriesTabHasFiftyFourButtonsWithoutEffect) {
    const TabPage& page = kTabPages[0];
    EXPECT_EQ(page.caption, "吉日分类");
    EXPECT_EQ(page.sheet, "TabSheet1");
    EXPECT_EQ(page.panel, "RzPanel2");
    EXPECT_EQ(page.columns, 3);
    EXPECT_EQ(page.buttonWidth, 59);
    EXPECT_EQ(page.buttonHeight, 22);
    const char* captions[] = {
        "开市吉日", "交易吉日", "嫁娶吉日", "入宅吉日", "入学吉日", "纳财吉日", "订盟吉日",
        "安门吉日", "出行吉日", "开光吉日", "求嗣吉日", "祈福吉日", "破土吉日", "祭祀吉日",
        "安葬吉日", "求医吉日", "解除吉日", "破屋吉日", "塑绘吉日", "纳采吉日", "除服吉日",
        "成服吉日", "纳婿吉日", "入殓吉日", "立碑吉日", "出火吉日", "修造吉日", "动土吉日",
        "造桥吉日", "栽种吉日", "栽种吉日", "牧养吉日", "纳畜吉日", "移徙吉日", "盖屋吉日",
        "安床吉日", "起基吉日", "安香吉日", "挂匾吉日", "拆卸吉日", "置产吉日", "沐浴吉日",
        "捕捉吉日", "理发吉日", "修坟吉日", "问名吉日", "裁衣吉日", "作灶吉日", "安香吉日",
        "上梁吉日", "扫舍吉日", "习艺吉日", "结网吉日", "合帐吉日"};
    Buttons expected;
    int number = 1;
    for (const char* caption : captions) {
        if (number == 4) ++number;  // RzButton4 serves the top panel
        expected.push_back("RzButton" + std::to_string(number++) + " " + caption);
    }
    EXPECT_EQ(DescribeButtons(page.buttons), expected);
}

TEST(CommandTable, TheOtherQueriesTabHasEighteenButtonsInTwoColumns) {
    const TabPage& page = kTabPages[1];
    EXPECT_EQ(page.caption, "其他查询");
    EXPECT_EQ(page.sheet, "TabSheet2");
    EXPECT_EQ(page.panel, "RzPanel5");
    EXPECT_EQ(page.columns, 2);
    EXPECT_EQ(page.buttonHeight, 22);
    EXPECT_EQ(DescribeButtons(page.buttons), (Buttons{
                                                 "RzButton61 星座配对",
                                                 "RzButton62 生肖配对 = dxBarButton26Click",
                                                 "RzButton63 血型配对",
                                                 "RzButton64 周公解析",
                                                 "RzButton65 解梦全书",
                                                 "RzButton66 打喷嚏占卜 = dxBarButton192Click",
                                                 "RzButton67 面热测占卜 = dxBarButton193Click",
                                                 "RzButton68 心惊测占卜 = dxBarButton196Click",
                                                 "RzButton69 犬吠测占卜 = dxBarButton198Click",
                                                 "RzButton70 眼跳测占卜 = dxBarButton200Click",
                                                 "RzButton71 耳热测占卜 = dxBarButton199Click",
                                                 "RzButton72 耳鸣测占卜 = dxBarButton197Click",
                                                 "RzButton73 手机号码分析 = dxBarButton19Click",
                                                 "RzButton74 QQ号码分析 = dxBarButton22Click",
                                                 "RzButton75 更多数字分析 = dxBarButton23Click",
                                                 "RzButton76 网名分析 = dxBarButton82Click",
                                                 "RzButton77 生男生女 = dxBarButton39Click",
                                                 "RzButton78 万年历法 = dxBarButton43Click",
                                             }));
}

TEST(CommandTable, ControlNamesAreUniqueAndEveryCommandHasAControl) {
    std::set<std::string_view> names;
    std::set<Command> reached;
    auto visit = [&](std::span<const ButtonEntry> buttons) {
        for (const ButtonEntry& button : buttons) {
            EXPECT_TRUE(names.insert(button.name).second) << button.name;
            reached.insert(button.command);
        }
    };
    visit(kTopPanelButtons);
    for (const TabPage& page : kTabPages) visit(page.buttons);
    auto visitMenu = [&](auto& self, std::span<const MenuEntry> entries) -> void {
        for (const MenuEntry& entry : entries) {
            reached.insert(entry.command);
            self(self, entry.submenu);
        }
    };
    for (const Menu& menu : kMenus) visitMenu(visitMenu, menu.entries);
    for (const CommandInfo& info : kCommands)
        EXPECT_TRUE(reached.contains(info.command)) << info.handler;
}

}  // namespace
}  // namespace jx
