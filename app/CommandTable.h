#pragma once
// The main window's commands as data: what each command does, and where it
// appears (menu bar, top panel, left tabs). The window builds its menus and
// buttons from these tables, so a caption or a handler lives in one place.
#include <array>
#include <span>
#include <string_view>

#include "common/Publisher.h"

namespace jx {

enum class CommandKind {
    NoEffect,     // shown and selectable, does nothing
    DateQuery,    // "查询": checks the date lists and opens the day view
    DayView,      // a further almanac day view for today, modeless
    OmenPage,     // the omen window with a title and a page, modeless
    ModalWindow,  // a fresh feature window, modal
    Link,         // an address through the shell
    Notice,       // one information message
    Exit,         // the exit question
};

enum class Command {
    None,
    Query,
    TodaysAlmanac,
    AuspiciousDays,
    OmenSneeze,
    OmenHotFace,
    OmenStartledHeart,
    OmenBarkingDog,
    OmenTwitchingEye,
    OmenHotEar,
    OmenRingingEar,
    MobileReading,
    QqReading,
    OtherNumberReading,
    NetNameReading,
    ZodiacPairing,
    BabySexChart,
    PerpetualCalendar,
    CustomerService,
    About,
    HomePage,
    MailUs,
    QqChat,
    Upgrade,
    ExitSystem,
};

struct CommandInfo {
    Command command;
    std::string_view handler;  // the main window's handler that every control of the command runs
    CommandKind kind;
    // Window class (modal window), window title (omen page), address (link) or text (notice).
    std::string_view target;
    int omenPage = -1;
};

// One row per command, in the order of the enumeration.
inline constexpr std::array kCommands = {
    CommandInfo{Command::None, "", CommandKind::NoEffect, ""},
    CommandInfo{Command::Query, "RzButton57Click", CommandKind::DateQuery, ""},
    CommandInfo{Command::TodaysAlmanac, "RzButton56Click", CommandKind::DayView, ""},
    CommandInfo{Command::AuspiciousDays, "dxBarButton171Click", CommandKind::DayView, ""},
    CommandInfo{Command::OmenSneeze, "dxBarButton192Click", CommandKind::OmenPage, "打喷嚏占卜吉凶",
                0},
    CommandInfo{Command::OmenHotFace, "dxBarButton193Click", CommandKind::OmenPage, "面热测吉凶",
                1},
    CommandInfo{Command::OmenStartledHeart, "dxBarButton196Click", CommandKind::OmenPage,
                "心惊测吉凶", 2},
    CommandInfo{Command::OmenBarkingDog, "dxBarButton198Click", CommandKind::OmenPage, "犬吠测吉凶",
                3},
    CommandInfo{Command::OmenTwitchingEye, "dxBarButton200Click", CommandKind::OmenPage,
                "眼跳测吉凶", 4},
    CommandInfo{Command::OmenHotEar, "dxBarButton199Click", CommandKind::OmenPage, "耳热测吉凶", 5},
    CommandInfo{Command::OmenRingingEar, "dxBarButton197Click", CommandKind::OmenPage, "耳鸣测吉凶",
                6},
    CommandInfo{Command::MobileReading, "dxBarButton19Click", CommandKind::ModalWindow,
                "TFrm_SJcs"},
    CommandInfo{Command::QqReading, "dxBarButton22Click", CommandKind::ModalWindow, "TFrmQQhm"},
    CommandInfo{Command::OtherNumberReading, "dxBarButton23Click", CommandKind::ModalWindow,
                "TFrm_onther"},
    CommandInfo{Command::NetNameReading, "dxBarButton82Click", CommandKind::ModalWindow,
                "TFrmWangming"},
    CommandInfo{Command::ZodiacPairing, "dxBarButton26Click", CommandKind::ModalWindow,
                "TFrm_SxPeid"},
    CommandInfo{Command::BabySexChart, "dxBarButton39Click", CommandKind::ModalWindow,
                "TFrm_NanNv"},
    CommandInfo{Command::PerpetualCalendar, "dxBarButton43Click", CommandKind::ModalWindow,
                "TFRM_Date"},
    CommandInfo{Command::CustomerService, "dxBarButton53Click", CommandKind::ModalWindow,
                "TFrm_servers"},
    CommandInfo{Command::About, "dxBarButton45Click", CommandKind::ModalWindow, "TAbout"},
    CommandInfo{Command::HomePage, "dxBarButton44Click", CommandKind::Link, publisher::kHomePage},
    CommandInfo{Command::MailUs, "dxBarButton63Click", CommandKind::Link, publisher::kMailAddress},
    CommandInfo{Command::QqChat, "dxBarButton64Click", CommandKind::Link, publisher::kQqChat},
    CommandInfo{Command::Upgrade, "dxBarButton47Click", CommandKind::Notice,
                "感谢你的使用,软件是最新版无需升级!"},
    CommandInfo{Command::ExitSystem, "dxBarButton5Click", CommandKind::Exit, ""},
};

constexpr bool RowsFollowTheEnumeration() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i].command != static_cast<Command>(i)) return false;
    return kCommands.back().command == Command::ExitSystem;
}
static_assert(RowsFollowTheEnumeration(), "Describe indexes the table by the enumeration");

constexpr const CommandInfo& Describe(Command command) {
    return kCommands[static_cast<std::size_t>(command)];
}

// A menu entry: an item with its command, or a submenu when `submenu` is not
// empty. `separatorBefore` draws a separator line above the entry.
struct MenuEntry {
    std::string_view caption;
    Command command = Command::None;
    bool separatorBefore = false;
    std::span<const MenuEntry> submenu = {};
};

struct Menu {
    std::string_view caption;  // "&" marks the access key
    std::span<const MenuEntry> entries;
};

namespace menus {

inline constexpr MenuEntry kSystem[] = {{"退出系统", Command::ExitSystem}};

inline constexpr MenuEntry kDays[] = {
    {"黄道吉日", Command::AuspiciousDays},
    {"吉日查询"},
    {"开市吉日", Command::None, true},
    {"交易吉日"},
    {"嫁娶吉日"},
    {"入宅吉日"},
    {"入学吉日"},
    {"纳财吉日"},
    {"订盟吉日"},
    {"安门吉日"},
    {"出行吉日"},
    {"开光吉日"},
    {"求嗣吉日"},
    {"祈福吉日"},
    {"破土吉日"},
    {"祭祀吉日"},
    {"安葬吉日"},
};

inline constexpr MenuEntry kDivination[] = {
    {"占元旦日阴晴"},  {"占元旦值十干"},  {"占四季甲子日雨"}, {"占立春 春分日"}, {"占立夏 夏至日"},
    {"占立秋 秋分日"}, {"占立冬 冬至日"}, {"占雷鸣日"},       {"占天"},          {"占云"},
    {"占风"},          {"占日"},          {"占火"},           {"占雾"},          {"占雷电"},
    {"占鹊噪"},        {"占彩虹"},        {"占灯花"},
};

inline constexpr MenuEntry kFengShui[] = {
    {"风水择日口诀"},       {"风水择日之入殓安葬的呼"}, {"风水择日之逐日大殓吉时"},
    {"风水择日之若干五行"}, {"论风水择日之贵人禄马"},   {"论风水择日之补山相主"},
    {"风水择日之竖造论用"}, {"风水择日之安葬论用"},
};

inline constexpr MenuEntry kDaySelection[] = {
    {"择日之法"},
    {"择日步骤方法"},
    {"正五行择日法"},
    {"二十八宿吉凶"},
    {"三元五腊圣诞日期"},
    {"六十甲子亡命安葬..."},
    {"董公择日法"},
    {"二十八宿值日占..."},
    {"金符经"},
    {"风水择日", Command::None, false, kFengShui},
    {"神像开光择日"},
    {"企业开张择日"},
    {"动土装修装饰择日"},
    {"入宅搬迁择日"},
    {"嫁娶择日之玉历碎金赋"},
    {"择日之嫁娶论用"},
    {"嫁娶择日要论"},
    {"安灶修厨之择日"},
    {"择日之论朱雀入宫"},
};

inline constexpr MenuEntry kPairing[] = {
    {"星座配对"},
    {"生肖配对", Command::ZodiacPairing},
    {"血型配对"},
};

inline constexpr MenuEntry kDreams[] = {{"周公解析"}, {"解梦全书"}};

inline constexpr MenuEntry kOmens[] = {
    {"打喷嚏占卜", Command::OmenSneeze},        {"面热测占卜", Command::OmenHotFace},
    {"心惊测占卜", Command::OmenStartledHeart}, {"犬吠测占卜", Command::OmenBarkingDog},
    {"眼跳测占卜", Command::OmenTwitchingEye},  {"耳热测占卜", Command::OmenHotEar},
    {"耳鸣测占卜", Command::OmenRingingEar},
};

inline constexpr MenuEntry kTools[] = {
    {"手机号码分析", Command::MobileReading},      {"QQ号码分析", Command::QqReading},
    {"更多数字分析", Command::OtherNumberReading}, {"网名分析", Command::NetNameReading},
    {"生男生女", Command::BabySexChart, true},     {"万年历法", Command::PerpetualCalendar},
};

inline constexpr MenuEntry kService[] = {
    {"客户服务", Command::CustomerService},
    {"给我们发邮件", Command::MailUs},
    {"与QQ对话", Command::QqChat},
};

inline constexpr MenuEntry kHelp[] = {
    {"公司主页", Command::HomePage},
    {"关于系统", Command::About},
    {"软件升级", Command::Upgrade, true},
};

}  // namespace menus

inline constexpr std::array<Menu, 10> kMenus = {{
    {"系统(&S)", menus::kSystem},
    {"吉日(&D)", menus::kDays},
    {"日卜(&R)", menus::kDivination},
    {"择日(&Z)", menus::kDaySelection},
    {"配对(&P)", menus::kPairing},
    {"解梦(&Q)", menus::kDreams},
    {"占卜(&B)", menus::kOmens},
    {"工具(&G)", menus::kTools},
    {"服务(&F)", menus::kService},
    {"帮助(&H)", menus::kHelp},
}};

struct ButtonEntry {
    std::string_view name;  // the control's object name
    std::string_view caption;
    Command command = Command::None;
};

// The top panel's buttons, left to right.
inline constexpr std::array<ButtonEntry, 5> kTopPanelButtons = {{
    {"RzButton57", "查询", Command::Query},
    {"RzButton56", "本日吉日", Command::TodaysAlmanac},
    {"RzButton4", "客户服务", Command::CustomerService},
    {"RzButton60", "软件主页", Command::HomePage},
    {"RzButton59", "QQ对话", Command::QqChat},
}};

namespace tabs {

// Tab "吉日分类": none of these does anything. 栽种吉日 and 安香吉日 each stand on two buttons.
inline constexpr ButtonEntry kDayCategories[] = {
    {"RzButton1", "开市吉日"},  {"RzButton2", "交易吉日"},  {"RzButton3", "嫁娶吉日"},
    {"RzButton5", "入宅吉日"},  {"RzButton6", "入学吉日"},  {"RzButton7", "纳财吉日"},
    {"RzButton8", "订盟吉日"},  {"RzButton9", "安门吉日"},  {"RzButton10", "出行吉日"},
    {"RzButton11", "开光吉日"}, {"RzButton12", "求嗣吉日"}, {"RzButton13", "祈福吉日"},
    {"RzButton14", "破土吉日"}, {"RzButton15", "祭祀吉日"}, {"RzButton16", "安葬吉日"},
    {"RzButton17", "求医吉日"}, {"RzButton18", "解除吉日"}, {"RzButton19", "破屋吉日"},
    {"RzButton20", "塑绘吉日"}, {"RzButton21", "纳采吉日"}, {"RzButton22", "除服吉日"},
    {"RzButton23", "成服吉日"}, {"RzButton24", "纳婿吉日"}, {"RzButton25", "入殓吉日"},
    {"RzButton26", "立碑吉日"}, {"RzButton27", "出火吉日"}, {"RzButton28", "修造吉日"},
    {"RzButton29", "动土吉日"}, {"RzButton30", "造桥吉日"}, {"RzButton31", "栽种吉日"},
    {"RzButton32", "栽种吉日"}, {"RzButton33", "牧养吉日"}, {"RzButton34", "纳畜吉日"},
    {"RzButton35", "移徙吉日"}, {"RzButton36", "盖屋吉日"}, {"RzButton37", "安床吉日"},
    {"RzButton38", "起基吉日"}, {"RzButton39", "安香吉日"}, {"RzButton40", "挂匾吉日"},
    {"RzButton41", "拆卸吉日"}, {"RzButton42", "置产吉日"}, {"RzButton43", "沐浴吉日"},
    {"RzButton44", "捕捉吉日"}, {"RzButton45", "理发吉日"}, {"RzButton46", "修坟吉日"},
    {"RzButton47", "问名吉日"}, {"RzButton48", "裁衣吉日"}, {"RzButton49", "作灶吉日"},
    {"RzButton50", "安香吉日"}, {"RzButton51", "上梁吉日"}, {"RzButton52", "扫舍吉日"},
    {"RzButton53", "习艺吉日"}, {"RzButton54", "结网吉日"}, {"RzButton55", "合帐吉日"},
};

// Tab "其他查询", row by row, left then right.
inline constexpr ButtonEntry kOtherQueries[] = {
    {"RzButton61", "星座配对"},
    {"RzButton62", "生肖配对", Command::ZodiacPairing},
    {"RzButton63", "血型配对"},
    {"RzButton64", "周公解析"},
    {"RzButton65", "解梦全书"},
    {"RzButton66", "打喷嚏占卜", Command::OmenSneeze},
    {"RzButton67", "面热测占卜", Command::OmenHotFace},
    {"RzButton68", "心惊测占卜", Command::OmenStartledHeart},
    {"RzButton69", "犬吠测占卜", Command::OmenBarkingDog},
    {"RzButton70", "眼跳测占卜", Command::OmenTwitchingEye},
    {"RzButton71", "耳热测占卜", Command::OmenHotEar},
    {"RzButton72", "耳鸣测占卜", Command::OmenRingingEar},
    {"RzButton73", "手机号码分析", Command::MobileReading},
    {"RzButton74", "QQ号码分析", Command::QqReading},
    {"RzButton75", "更多数字分析", Command::OtherNumberReading},
    {"RzButton76", "网名分析", Command::NetNameReading},
    {"RzButton77", "生男生女", Command::BabySexChart},
    {"RzButton78", "万年历法", Command::PerpetualCalendar},
};

}  // namespace tabs

// A tab of the left column: its buttons fill rows of `columns`, left to right.
struct TabPage {
    std::string_view sheet;  // tab sheet name
    std::string_view panel;  // the panel on the sheet that holds the buttons
    std::string_view caption;
    int columns;
    int buttonWidth;
    int buttonHeight;
    std::span<const ButtonEntry> buttons;
};

// In tab order; the first is shown first.
inline constexpr std::array<TabPage, 2> kTabPages = {{
    {"TabSheet1", "RzPanel2", "吉日分类", 3, 59, 22, tabs::kDayCategories},
    {"TabSheet2", "RzPanel5", "其他查询", 2, 86, 22, tabs::kOtherQueries},
}};

}  // namespace jx
