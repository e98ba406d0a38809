#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "common/Gbk.h"
#include "data/AlmanacRules.h"
#include "data/Pairing.h"
#include "data/TextSource.h"

namespace jx::data {
namespace {

using Names = std::vector<std::string>;

int Branch(const char* animal) {
    for (int b = 0; b < 12; ++b)
        if (almanac::AnimalName(b) == animal) return b;
    return -1;
}

TEST(PairRelations, KnownPairsOfTheTradition) {
    struct Row {
        const char* man;
        const char* woman;
        Names relations;
    };
    const Row rows[] = {
        {"鼠", "牛", {"六合"}},
        {"虎", "猪", {"六合", "相破"}},
        {"蛇", "猴", {"六合", "相刑", "相破"}},
        {"鼠", "龙", {"三合"}},
        {"兔", "羊", {"三合"}},
        {"鼠", "马", {"六冲"}},
        {"虎", "猴", {"六冲", "相刑"}},
        {"牛", "羊", {"六冲", "相刑"}},
        {"鼠", "羊", {"六害"}},
        {"虎", "蛇", {"六害", "相刑"}},
        {"鼠", "兔", {"相刑"}},
        {"牛", "狗", {"相刑"}},
        {"鼠", "鸡", {"相破"}},
        {"鼠", "鼠", {"同肖"}},
        {"龙", "龙", {"同肖", "自刑"}},
        {"鼠", "虎", {"无"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PairRelations(Branch(row.man), Branch(row.woman)), row.relations)
            << row.man << row.woman;
}

TEST(PairRelations, AreSymmetricAndEachAnimalHasItsPartners) {
    for (int a = 0; a < 12; ++a) {
        int liuHe = 0, sanHe = 0, chong = 0, hai = 0;
        for (int b = 0; b < 12; ++b) {
            const auto relations = PairRelations(a, b);
            EXPECT_EQ(relations, PairRelations(b, a));
            const auto has = [&](const char* name) {
                return std::count(relations.begin(), relations.end(), name);
            };
            liuHe += has("六合");
            sanHe += has("三合");
            chong += has("六冲");
            hai += has("六害");
        }
        EXPECT_EQ(liuHe, 1) << almanac::AnimalName(a);
        EXPECT_EQ(sanHe, 2) << almanac::AnimalName(a);
        EXPECT_EQ(chong, 1) << almanac::AnimalName(a);
        EXPECT_EQ(hai, 1) << almanac::AnimalName(a);
    }
}

class PairingSourcesTest : public ::testing::Test {
protected:
    PairingSources sources =
        PairingSources::Parse(ReadFile(JX_DATA_SOURCE_DIR "/pairing-animals.txt"),
                              ReadFile(JX_DATA_SOURCE_DIR "/pairing-relations.txt"));
};

TEST_F(PairingSourcesTest, EveryPairReadsDifferentlyAndTheOrderMatters) {
    std::set<std::string> readings;
    for (int man = 0; man < 12; ++man) {
        for (int woman = 0; woman < 12; ++woman) {
            const auto r = ComposePairing(sources, man, woman);
            EXPECT_EQ(r.title, std::string(almanac::AnimalName(man)) + "男配" +
                                   std::string(almanac::AnimalName(woman)) + "女");
            std::string all;
            for (const auto& part : r.content) {
                EXPECT_FALSE(part.empty());
                // Every character has a GBK code, so nothing turns into "?".
                EXPECT_EQ(ToGbk(part).find('?'), std::string::npos) << part;
                all += part + "\n";
            }
            for (const auto& name : PairRelations(man, woman))
                if (name != "无") {
                    EXPECT_NE(r.content[0].find(name), std::string::npos);
                }
            readings.insert(all);
        }
    }
    EXPECT_EQ(readings.size(), 144u);
    const auto ratOx = ComposePairing(sources, 0, 1);
    const auto oxRat = ComposePairing(sources, 1, 0);
    EXPECT_NE(ratOx.content[1], oxRat.content[1]);
    EXPECT_NE(ratOx.content[2], oxRat.content[2]);
    EXPECT_NE(ratOx.content[1].find("男方属鼠"), std::string::npos);
    EXPECT_NE(ratOx.content[2].find("女方属牛"), std::string::npos);
}

TEST_F(PairingSourcesTest, TheVerdictFollowsTheRelations) {
    EXPECT_NE(ComposePairing(sources, 0, 1).content[0].find("上等婚配"), std::string::npos);
    EXPECT_NE(ComposePairing(sources, 0, 6).content[0].find("下等婚配"), std::string::npos);
    EXPECT_NE(ComposePairing(sources, 0, 2).content[0].find("中等婚配"), std::string::npos);
}

TEST(PairingSourcesParse, RejectsAnimalsOutOfOrderAndMissingRelations) {
    const std::string animals = ReadFile(JX_DATA_SOURCE_DIR "/pairing-animals.txt");
    const std::string relations = ReadFile(JX_DATA_SOURCE_DIR "/pairing-relations.txt");
    std::string swapped = animals;
    const std::string rat = "\n鼠 |";
    swapped.replace(swapped.find(rat), rat.size(), "\n猫 |");
    EXPECT_THROW(PairingSources::Parse(swapped, relations), std::runtime_error);
    std::string noXing = relations;
    const std::string xing = "\n相刑 |";
    noXing.replace(noXing.find(xing), xing.size(), "\n# 相刑 |");
    EXPECT_THROW(PairingSources::Parse(animals, noXing), std::runtime_error);
}

}  // namespace
}  // namespace jx::data
