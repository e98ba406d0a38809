#include "data/AlmanacRules.h"

#include <array>

namespace jx::almanac {

namespace {

// 十天干 and 十二地支.
constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};
// 十二生肖, by branch.
constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                       "马", "羊", "猴", "鸡", "狗", "猪"};

// 六十甲子纳音: one element for each pair of consecutive cycle days
// (甲子乙丑 海中金, 丙寅丁卯 炉中火, …).
constexpr std::array<std::string_view, 30> kNaYin = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
    "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
    "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

// 建除十二值, from the day that shares the month's branch.
constexpr std::array<std::string_view, 12> kJianChu = {"建", "除", "满", "平", "定", "执",
                                                       "破", "危", "成", "收", "开", "闭"};

// 十二值神 in their cycle; 青龙 明堂 金匮 天德 玉堂 司命 are 黄道, the rest 黑道.
constexpr std::array<std::string_view, 12> kZhiShen = {
    "青龙", "明堂", "天刑", "朱雀", "金匮", "天德", "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
constexpr std::array<bool, 12> kHuangDao = {true,  true, false, false, true, true,
                                            false, true, false, false, true, false};

// 六十甲子胎神占方, by day cycle (甲子 first), as current almanacs print them.
constexpr std::array<std::string_view, 60> kTaiShen = {
    "占门碓外东南", "碓磨厕外东南", "厨灶炉外正南", "仓库门外正南", "房床栖外正南", "占门床外正南",
    "占碓磨外正南", "厨灶厕外西南", "仓库炉外西南", "房床门外西南", "占门栖外西南", "碓磨床外西南",
    "厨灶碓外西南", "仓库厕外正西", "房床炉外正西", "占大门外正西", "碓磨栖外正西", "厨灶床外正西",
    "仓库碓外西北", "房床厕外西北", "占门炉外西北", "碓磨门外西北", "厨灶栖外西北", "仓库床外西北",
    "房床碓外正北", "占门厕外正北", "碓磨炉外正北", "厨灶门外正北", "仓库栖外正北", "占房床房内北",
    "占门碓房内北", "碓磨厕房内北", "厨灶炉房内北", "仓库门房内北", "房床栖房内中", "占门床房内中",
    "占碓磨房内南", "厨灶厕房内南", "仓库炉房内南", "房床门房内西", "占门栖房内东", "碓磨床房内东",
    "厨灶碓房内东", "仓库厕房内东", "房床炉房内中", "占大门外东北", "碓磨栖外东北", "厨灶床外东北",
    "仓库碓外东北", "房床厕外东北", "占门炉外东北", "碓磨门外正东", "厨灶栖外正东", "仓库床外正东",
    "房床碓外正东", "占门厕外正东", "碓磨炉外东南", "厨灶门外东南", "仓库栖外东南", "占房床外东南"};

// 彭祖百忌: one sentence per stem and one per branch.
constexpr std::array<std::string_view, 10> kPengZuStem = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮",
    "戊不受田田主不祥", "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝",
    "壬不泱水更难提防", "癸不词讼理弱敌强"};
constexpr std::array<std::string_view, 12> kPengZuBranch = {
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝", "卯不穿井水泉不香",
    "辰不哭泣必主重丧", "巳不远行财物伏藏", "午不苫盖屋主更张", "未不服药毒气入肠",
    "申不安床鬼祟入房", "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

// 煞方 by the day branch's 三合 group: 申子辰 煞南, 巳酉丑 煞东, 寅午戌 煞北,
// 亥卯未 煞西 (branch mod 4 names the group).
constexpr std::array<std::string_view, 4> kShaDirection = {"南", "东", "北", "西"};

constexpr std::array<std::string_view, 12> kLunarMonths = {"正", "二", "三", "四", "五", "六",
                                                           "七", "八", "九", "十", "冬", "腊"};
constexpr std::array<std::string_view, 7> kWeekdays = {"日", "一", "二", "三", "四", "五", "六"};

int Wrap(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

}  // namespace

std::string_view StemName(int stem) { return kStems[static_cast<std::size_t>(Wrap(stem, 10))]; }
std::string_view BranchName(int branch) {
    return kBranches[static_cast<std::size_t>(Wrap(branch, 12))];
}
std::string_view AnimalName(int branch) {
    return kAnimals[static_cast<std::size_t>(Wrap(branch, 12))];
}

int CycleOf(int stem, int branch) {
    // i = 6 * stem - 5 * branch satisfies i = stem (mod 10) and, for a stem and
    // branch of the same parity, i = branch (mod 12).
    return Wrap(6 * stem - 5 * branch, 60);
}

std::string CycleName(int cycle) {
    const int c = Wrap(cycle, 60);
    return std::string(StemName(StemOf(c))) + std::string(BranchName(BranchOf(c)));
}

int YearCycle(int year) { return Wrap(year - 1984, 60); }

std::string_view NaYin(int cycle) { return kNaYin[static_cast<std::size_t>(Wrap(cycle, 60) / 2)]; }

int JianChuIndex(int monthBranch, int dayBranch) { return Wrap(dayBranch - monthBranch, 12); }
std::string_view JianChuName(int index) {
    return kJianChu[static_cast<std::size_t>(Wrap(index, 12))];
}

int ZhiShenIndex(int governingBranch, int branch) {
    // 青龙 starts on 子 in 寅 and 申 months, on 寅 in 卯 and 酉 months, … two
    // branches further for each later month.
    const int qingLong = Wrap((governingBranch - 2) * 2, 12);
    return Wrap(branch - qingLong, 12);
}
std::string_view ZhiShenName(int index) {
    return kZhiShen[static_cast<std::size_t>(Wrap(index, 12))];
}
bool IsHuangDao(int zhiShenIndex) {
    return kHuangDao[static_cast<std::size_t>(Wrap(zhiShenIndex, 12))];
}

std::string_view TaiShen(int dayCycle) {
    return kTaiShen[static_cast<std::size_t>(Wrap(dayCycle, 60))];
}

std::string ChongSha(int dayCycle) {
    const int c = Wrap(dayCycle, 60);
    // The clashed branch is the opposite one; almanacs pair the stem with the
    // one it overcomes (甲 with 戊, 乙 with 己, …), four stems on.
    const int branch = Wrap(BranchOf(c) + 6, 12);
    const int stem = Wrap(StemOf(c) + 4, 10);
    return std::string(AnimalName(branch)) + "(" + std::string(StemName(stem)) +
           std::string(BranchName(branch)) + ") 煞" +
           std::string(kShaDirection[static_cast<std::size_t>(BranchOf(c) % 4)]);
}

std::string PengZu(int dayCycle) {
    const int c = Wrap(dayCycle, 60);
    return std::string(kPengZuStem[static_cast<std::size_t>(StemOf(c))]) + " " +
           std::string(kPengZuBranch[static_cast<std::size_t>(BranchOf(c))]);
}

int ZiHourStem(int dayStem) { return Wrap(dayStem, 5) * 2; }

std::string AuspiciousHours(int dayCycle) {
    const int c = Wrap(dayCycle, 60);
    const int firstStem = ZiHourStem(StemOf(c));
    std::string hours;
    for (int hour = 0; hour < 12; ++hour) {
        if (!IsHuangDao(ZhiShenIndex(BranchOf(c), hour))) continue;
        if (!hours.empty()) hours += ' ';
        hours += StemName(firstStem + hour);
        hours += BranchName(hour);
        hours += "时";
    }
    return hours;
}

std::string_view LunarMonthNumeral(int month) {
    if (month < 1 || month > 12) return {};
    return kLunarMonths[static_cast<std::size_t>(month - 1)];
}

std::string_view WeekdayName(int weekday) {
    return kWeekdays[static_cast<std::size_t>(Wrap(weekday, 7))];
}

}  // namespace jx::almanac
