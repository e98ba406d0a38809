#include "pairings/OmenPages.h"

namespace jx {
namespace {

// The texts keep their irregular punctuation and spacing as the readings were handed
// down: a semicolon after 丑时 on pages 1 to 3, a blank before 。 and a comma before
// 戌时 on page 5, two blanks between the halves on page 1.

constexpr std::string_view kSneeze[] = {
    "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
    "凌晨3 点-凌晨5点 有人前来相约食饭。",
    "早上5 点-早上7点 有财运到来或有人找你询问事情。",
    "早上 7点-早上9点 有人请食饭、大喜之事将发生。",
    "早上9点-中午11点 有朋友将前来求财。",
    "中午11点-下午1点 有贵客到来，你会为远方来宾举行宴会。",
    "下午 1点-下午3点 有人请食饭，吉利之事将会降临你身。",
    "下午 3点-下午5点 小心饮食。",
    "下午 5点-晚上7点 有异性前来相求、询问事情。",
    "晚上 7点-晚上9点 你会思念一位异性、希望和好如初。",
    "晚上9点-晚上11点 有惊无险，虚惊一场。",
    "晚上11点-凌晨1点 有人欢朋宴客。",
};

constexpr std::string_view kHotFace[] = {
    "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
    "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。",
    "寅时：主有远客，来聚会吉。  申时：主有贵人，会道想见。",
    "卯时：主有饮食，及友人来。  酉时：主有远人，相会大吉。",
    "辰时：主有远客，喜事相逢。  戌时：主有酒食，自送来事。",
    "巳时：主有要事，人相大吉。  亥时：主有官非，口舌之事。",
};

constexpr std::string_view kStartledHeart[] = {
    "子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。",
    "丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。",
    "寅时：主有远客，饮食大吉。 申时：主有贵人，会道想见。",
    "卯时：主有饮食，及友人来。 酉时：主有大喜，之信至吉。",
    "辰时：主有成客，喜事大吉。 戌时：主有贵人，即至大吉。",
    "巳时：主有女思，及喜事至。 亥时：主有丧服，及恶梦凶。",
};

constexpr std::string_view kBarkingDog[] = {
    "子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。",
    "丑时；主心中有，忧疑之事。 未时：主妻外心，有破财喜。",
    "寅时：主失得财，帛大吉利。 申时：主家宅内，小口事凶。",
    "卯时：主失雄心，得财利来。 酉时：主加官禄，有得财吉。",
    "辰时：主有财喜，大事通吉。 戌时：主有口舌，招灾事凶。",
    "巳时：主亲人来，及有信至。 亥时：主有官司，词讼随后。",
};

constexpr std::string_view kTwitchingEye[] = {
    "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
    "丑时：左有忧人，右有人恩。未时：左主吉昌，右有中喜。",
    "寅时：左远人来，右若事至。申时：左有损财，右有女思。",
    "卯时：左贵客来，右平安进。酉时：左有客来，右远客至。",
    "辰时：左远客来，右主损害。戌时：左有客至，右主聚会。",
    "巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。",
};

constexpr std::string_view kHotEar[] = {
    "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。",
    "丑时：主有喜事，临身夺吉。未时：主有客至，相求之事。",
    "寅时：主有饮食，相会大吉。申时：主有喜享，酒食宴乐。",
    "卯时：主有远人，来相见吉。酉时：主有人来，言婚姻事。",
    "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。",
    "已时：主有财物，之事不利。亥时：主有官非，词讼之事。",
};

constexpr std::string_view kRingingEar[] = {
    "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。",
    "寅时：左主失财，右主心急。未时：左主饮食，右主人来。",
    "卯时：左主饮食，右主室至。申时：左主行人，右主喜事。",
    "辰时：左主远行，右主室至。酉时：左主失财，右主大吉。",
    "巳时：左主凶事，右主大吉。戌时：左主饮食，右主客至。",
    "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。",
};

// title, lines: sneezing, hot face, startled heart, barking dog, twitching eye,
// hot ear, ringing ear.
constexpr std::array<OmenPage, kOmenPageCount> kPages = {{
    {"打喷嚏占卜吉凶", kSneeze},
    {"面热测吉凶", kHotFace},
    {"心惊测吉凶", kStartledHeart},
    {"犬吠测吉凶", kBarkingDog},
    {"眼跳测吉凶", kTwitchingEye},
    {"耳热测吉凶", kHotEar},
    {"耳鸣测吉凶", kRingingEar},
}};

}  // namespace

const std::array<OmenPage, kOmenPageCount>& OmenPages() { return kPages; }

std::string OmenPageText(int index) {
    if (index < 0 || index >= kOmenPageCount) return {};
    std::string text;
    for (std::string_view line : kPages[static_cast<std::size_t>(index)].lines) {
        if (!text.empty()) text += "\n\n";
        text += line;
    }
    return text;
}

}  // namespace jx
