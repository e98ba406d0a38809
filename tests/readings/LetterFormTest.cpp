#include <gtest/gtest.h>

#include <set>

#include "common/Gbk.h"
#include "readings/IMCode.h"
#include "readings/PinyinTable.h"
#include "readings/wm.h"

namespace jx {
namespace {

std::string traitOf(char letter) { return std::string(NetNameTraits[letter - 'a']); }

TEST(NetNameReading, NamesGiveTheirLetterFormAndTrait) {
    struct Case {
        std::string name, letterForm;
        char trait;  // 0: no trait
    };
    const Case cases[] = {
        {"abc", "ABC", 'c'},
        {"qq520", "QQ520", 'j'},
        {"7", "7", 'g'},
        {"abc7", "ABC7", 'g'},
        {"王", "W", 'w'},
        {"李", "L", 'l'},
        {"女", "N", 'n'},
        {"长", "Z", 'z'},
        {"行", "H", 'h'},
        {"张三", "ZS", 's'},
        {"小明!", "XM", 'm'},
        {"小明。", "XM?", 0},
        {"给", "?", 0},
        {"佛", "?", 0},
        {"我佛", "W?", 0},
        {"⑩", "10", 'j'},
        {"Ⅻ", "12", 'b'},
        {"Φ", "PH", 'h'},
        {"φ", "PH", 'h'},
        {"Ι", "I", 'i'},
        {"Υ", "U", 'u'},
        {"9", "9", 'i'},
        {"ｂ", "b", 'b'},
        {"ａｂ！", "ab", 'b'},
        {"１Ｚ", "1Z", 'z'},
        {"a b", "AB", 'b'},
        {"!?!", "", 0},
        {"　", "?", 0},  // the ideographic space is a symbol without reading
        {"", "", 0},
        // Characters without a GBK code: an emoji and an ideograph of extension B.
        {"😀", "?", 0},
        {"😀a", "?A", 'a'},
        {"a😀", "A?", 0},
        {"𠀀王", "?W", 'w'},
        {"?", "", 0},  // a real question mark is punctuation, not a missing character
    };
    for (const Case& c : cases) {
        const NetNameReading reading = ReadNetName(c.name);
        EXPECT_EQ(reading.letterForm, c.letterForm) << c.name;
        EXPECT_EQ(reading.trait, c.trait ? traitOf(c.trait) : "") << c.name;
        // The GBK path gives the same wherever every character has a GBK code.
        const std::string gbk = ToGbk(c.name);
        if (gbk.find('?') == std::string::npos) {
            EXPECT_EQ(GetLetterForm(gbk), c.letterForm) << c.name;
            EXPECT_EQ(GetNetNameTrait(gbk), reading.trait) << c.name;
        }
    }
    EXPECT_EQ(ReadNetName("abc").trait, "可爱，较明显的自恋");
    EXPECT_EQ(ReadNetName("qq520").trait, "煽情高手");
    EXPECT_EQ(ReadNetName("7").trait, "大丈夫主义者");
}

TEST(GetLetterForm, WalksGbkBytesAsSingleOrDoubleByteCharacters) {
    struct Case {
        std::string gbk, letterForm;
    };
    const Case cases[] = {
        {"\x80", ""},                 // a lone high byte below the lead range
        {"\xB0", ""},                 // a lead byte at the end stands alone
        {"\xB0 a", "A"},              // a lead byte before a byte below 0x40 stands alone
        {"\xB0\xA1", "A"},            // 啊
        {"\xA2\x50", "?"},            // numeral row below its characters
        {"\xA2\xAB", ""},             // unassigned numeral position
        {"\xA2\xA1\xA2\xFC", "112"},  // ⅰ and Ⅻ
        {"\xA3\xA1", ""},             // full-width "!"
        {"\xA3\x40", ""},             // not full-width ASCII at all
        {"\xA6\xA1\xA6\xD8", "AO"},   // Α and ω
        {"\xA6\xB9\xA6\xE0", ""},     // row A6 outside the Greek letters
        {"\xA1\xA1", "?"},            // ideographic space
        {"\xA8\xA4", "?"},            // à, an accented pinyin letter
        // Codes the index has no cell for must not reach past it.
        {"\xFE\xFF", "?"},
        {"\xFF\xFF", "?"},
        {"\xFF\x40", "?"},
        {"\xA2\xFF", "?"},
        {std::string("a\0b", 3), "AB"},
    };
    for (const Case& c : cases) EXPECT_EQ(GetLetterForm(c.gbk), c.letterForm) << c.gbk;
}

TEST(GetLetterForm, NumeralsAndGreekLettersByTheirGbkCodes) {
    struct Case {
        std::string text, letterForm;
    };
    const Case cases[] = {
        {"ⅰⅹ", "110"}, {"⒈⒛", "120"},    {"⑴⒇", "120"},       {"①⑩", "110"},       {"㈠㈩", "110"},
        {"ⅠⅫ", "112"}, {"ΑΒΓΔ", "ABGD"}, {"ΘΧΨΩ", "THKHPSO"}, {"θχψω", "THKHPSO"},
    };
    for (const Case& c : cases) EXPECT_EQ(GetLetterForm(ToGbk(c.text)), c.letterForm) << c.text;
}

TEST(GetLetterForm, KeepsTheFirst255Characters) {
    EXPECT_EQ(GetLetterForm(std::string(300, 'a')), std::string(255, 'A'));
    std::string twelves;
    for (int i = 0; i < 200; ++i) twelves += "Ⅻ";
    const NetNameReading reading = ReadNetName(twelves);
    ASSERT_EQ(reading.letterForm.size(), 255u);
    EXPECT_EQ(reading.letterForm.substr(250), "12121");
    // The cut comes before the last letter is taken: "...1" reads as "A".
    EXPECT_EQ(reading.trait, traitOf('a'));
    EXPECT_EQ(GetLetterForm(ToGbk(twelves)), reading.letterForm);
}

TEST(DigitsToLetters, ReplacesEveryDigit) {
    EXPECT_EQ(DigitsToLetters("1234567890"), "ABCDEFGHIJ");
    EXPECT_EQ(DigitsToLetters("a1?0a1"), "aA?JaA");
    EXPECT_EQ(DigitsToLetters(""), "");
}

std::string syllableOf(const std::string& character) {
    const std::string gbk = ToGbk(character);
    if (gbk.size() != 2) return "(not double-byte)";
    const auto lead = static_cast<unsigned char>(gbk[0]);
    const auto trail = static_cast<unsigned char>(gbk[1]);
    const std::uint16_t number = PinyinIndex[(lead - 0x81) * 191 + (trail - 0x40)];
    return number == 0 ? "" : std::string(PinyinSyllables.at(number - 1u));
}

TEST(PinyinIndex, HoldsTheTellingReadings) {
    struct Case {
        const char* character;
        const char* syllable;  // "": no reading
    };
    const Case cases[] = {
        {"啊", "a"},     {"中", "zhong"}, {"国", "guo"},  {"李", "li"},    {"王", "wang"},
        {"张", "zhang"}, {"陈", "chen"},  {"吕", "lv"},   {"女", "nv"},    {"嗯", "en"},
        {"嗲", "dia"},   {"囧", "jiong"}, {"龘", "da"},   {"长", "zhang"}, {"行", "hang"},
        {"重", "zhong"}, {"曾", "ceng"},  {"单", "dan"},  {"解", "jie"},   {"查", "cha"},
        {"藏", "cang"},  {"仇", "chou"},  {"区", "qu"},   {"朴", "pu"},    {"覃", "tan"},
        {"乐", "le"},    {"了", "le"},    {"调", "tiao"}, {"还", "huan"},  {"传", "chuan"},
        {"参", "can"},   {"都", "dou"},   {"会", "hui"},  {"着", "zhe"},   {"只", "zhi"},
        {"地", "di"},    {"得", "de"},    {"佛", ""},     {"给", ""},      {"髟", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(syllableOf(c.character), c.syllable) << c.character;
}

TEST(PinyinIndex, FillsOnlyTheChineseCharacterAreas) {
    int filled = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const std::uint16_t number = PinyinIndex[(lead - 0x81) * 191 + (trail - 0x40)];
            ASSERT_LE(number, PinyinSyllables.size());
            if (number == 0) continue;
            ++filled;
            const bool level12 = lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1;
            const bool extension3 = lead <= 0xA0;
            const bool extension4 = lead >= 0xAA && trail <= 0xA0;
            EXPECT_TRUE((level12 || extension3 || extension4) && trail != 0x7F)
                << std::hex << lead << trail;
        }
    }
    EXPECT_GT(filled, 20000);
    // Every character of GB2312 level 1 (B0A1 to D7F9) has a reading but 佛 and 给.
    int levelOneWithout = 0;
    for (unsigned lead = 0xB0; lead <= 0xD7; ++lead)
        for (unsigned trail = 0xA1; trail <= (lead == 0xD7 ? 0xF9u : 0xFEu); ++trail)
            if (PinyinIndex[(lead - 0x81) * 191 + (trail - 0x40)] == 0) ++levelOneWithout;
    EXPECT_EQ(levelOneWithout, 2);
}

TEST(PinyinSyllables, AreDistinctPlainLowercaseSyllables) {
    std::set<std::string_view> seen;
    for (std::string_view syllable : PinyinSyllables) {
        EXPECT_TRUE(seen.insert(syllable).second) << syllable;
        EXPECT_GE(syllable.size(), 1u);
        EXPECT_LE(syllable.size(), 6u);
        for (char c : syllable) EXPECT_TRUE(c >= 'a' && c <= 'z') << syllable;
        EXPECT_EQ(std::string_view("iuv").find(syllable.front()), std::string_view::npos)
            << syllable;
    }
}

}  // namespace
}  // namespace jx
