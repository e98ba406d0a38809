#include "readings/wm.h"

#include "readings/IMCode.h"

namespace jx {

const std::array<std::string_view, 26> NetNameTraits = {
    "好奇心强，专一",
    "老实，沉默",
    "可爱，较明显的自恋",
    "温柔，乖巧",
    "会拍马屁，攀关系",
    "有抱负，志气高",
    "大丈夫主义者",
    "自立，自强，可依靠",
    "有点懒惰",
    "煽情高手",
    "古怪，求新",
    "圆滑",
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    "不贪图安逸，能想到别人想不到的东西",
    "勤劳肯干，活跃",
    "认为朋友和恋人是最重要的，是他们的特点",
    "超级赶时髦者，无敌扫旧派",
    "固执，略有才气",
    "心胸宽大，有深藏不露的自恋",
    "热爱青春，喜欢活力",
    "不耻下问",
    "好静，有点表里不一",
    "比较糊涂，容易感情用事",
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    "乐天派呀！非同一般的乐天",
    "老实，想问题容易兜圈子",
};

std::string DigitsToLetters(std::string_view text) {
    static constexpr std::string_view kLetterOfDigit = "JABCDEFGHI";  // indexed by the digit
    std::string out(text);
    for (char& c : out)
        if (c >= '0' && c <= '9') c = kLetterOfDigit[static_cast<std::size_t>(c - '0')];
    return out;
}

std::string TraitOfLetterForm(std::string_view letterForm) {
    const std::string letters = DigitsToLetters(letterForm);
    if (letters.empty()) return {};
    char last = letters.back();
    if (last >= 'A' && last <= 'Z') last = static_cast<char>(last + 32);
    if (last < 'a' || last > 'z') return {};
    return std::string(NetNameTraits[static_cast<std::size_t>(last - 'a')]);
}

std::string GetNetNameTrait(std::string_view gbkName) {
    if (gbkName.empty()) return {};
    return TraitOfLetterForm(GetLetterForm(gbkName));
}

NetNameReading ReadNetName(std::string_view utf8Name) {
    NetNameReading reading;
    reading.letterForm = LetterFormOfText(utf8Name);
    reading.trait = TraitOfLetterForm(reading.letterForm);
    return reading;
}

}  // namespace jx
