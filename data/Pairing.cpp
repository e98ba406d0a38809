#include "data/Pairing.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "data/AlmanacRules.h"
#include "data/TextSource.h"

namespace jx::data {

namespace {

using Pair = std::pair<int, int>;  // two branches, smaller first

// 三刑 between two different branches: 子卯 (无礼之刑), 寅巳申 (恃势之刑),
// 丑戌未 (无恩之刑).
constexpr std::array<Pair, 7> kXing = {{{0, 3}, {2, 5}, {5, 8}, {2, 8}, {1, 10}, {7, 10}, {1, 7}}};
// 自刑: 辰 辰, 午 午, 酉 酉, 亥 亥.
constexpr std::array<int, 4> kSelfXing = {4, 6, 9, 11};
// 六破: 子酉 丑辰 寅亥 卯午 巳申 未戌.
constexpr std::array<Pair, 6> kPo = {{{0, 9}, {1, 4}, {2, 11}, {3, 6}, {5, 8}, {7, 10}}};

// The overall verdict by the sum of the relations' scores.
struct Grade {
    int minimumScore;
    std::string_view text;
};
constexpr std::array<Grade, 3> kGrades = {{
    {2, "综合来看，属上等婚配，彼此相得益彰。"},
    {0, "综合来看，属中等婚配，用心经营可得美满。"},
    {-100, "综合来看，属下等婚配，需加倍包容方能和谐。"},
}};

template <std::size_t N>
bool Contains(const std::array<Pair, N>& pairs, int a, int b) {
    const Pair key{std::min(a, b), std::max(a, b)};
    return std::find(pairs.begin(), pairs.end(), key) != pairs.end();
}

}  // namespace

std::vector<std::string> PairRelations(int a, int b) {
    a = ((a % 12) + 12) % 12;
    b = ((b % 12) + 12) % 12;
    std::vector<std::string> relations;
    if (a != b && (a + b) % 12 == 1) relations.emplace_back("六合");
    if (a != b && a % 4 == b % 4) relations.emplace_back("三合");
    if (a == b) relations.emplace_back("同肖");
    if ((a + 12 - b) % 12 == 6) relations.emplace_back("六冲");
    if ((a + b) % 12 == 7) relations.emplace_back("六害");
    if (Contains(kXing, a, b)) relations.emplace_back("相刑");
    if (a == b && std::find(kSelfXing.begin(), kSelfXing.end(), a) != kSelfXing.end())
        relations.emplace_back("自刑");
    if (Contains(kPo, a, b)) relations.emplace_back("相破");
    if (relations.empty()) relations.emplace_back("无");
    return relations;
}

PairingSources PairingSources::Parse(std::string_view animalsText, std::string_view relationsText) {
    PairingSources sources;
    const auto animals = ParseSource(animalsText);
    if (animals.size() != 12) throw std::runtime_error("pairing animals: expected 12 lines");
    for (int branch = 0; branch < 12; ++branch) {
        const auto& record = animals[static_cast<std::size_t>(branch)];
        if (record.fields.size() != 4 || record.fields[0] != almanac::AnimalName(branch))
            throw std::runtime_error("pairing animals line " + std::to_string(record.line) +
                                     ": expected " + std::string(almanac::AnimalName(branch)) +
                                     " with 4 fields");
        sources.animals[static_cast<std::size_t>(branch)] = {record.fields[0], record.fields[1],
                                                             record.fields[2], record.fields[3]};
    }
    for (const auto& record : ParseSource(relationsText)) {
        if (record.fields.size() != 4)
            throw std::runtime_error("pairing relations line " + std::to_string(record.line) +
                                     ": expected 4 fields");
        sources.relations.push_back(
            {record.fields[0], std::stoi(record.fields[1]), record.fields[2], record.fields[3]});
    }
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 12; ++b)
            for (const auto& name : PairRelations(a, b)) sources.relation(name);
    return sources;
}

const RelationTexts& PairingSources::relation(std::string_view name) const {
    for (const auto& r : relations)
        if (r.name == name) return r;
    throw std::runtime_error("pairing relations: no line for " + std::string(name));
}

PairingReading ComposePairing(const PairingSources& sources, int manBranch, int womanBranch) {
    const AnimalTexts& man = sources.animals[static_cast<std::size_t>(manBranch)];
    const AnimalTexts& woman = sources.animals[static_cast<std::size_t>(womanBranch)];
    const auto names = PairRelations(manBranch, womanBranch);

    PairingReading reading;
    reading.man = man.name;
    reading.woman = woman.name;
    reading.title = man.name + "男配" + woman.name + "女";

    // 鼠男配牛女：子丑六合。<meaning> … <grade>
    std::string relationList;
    std::string meanings;
    std::string advice;
    int score = 0;
    for (const auto& name : names) {
        const RelationTexts& r = sources.relation(name);
        if (!relationList.empty()) relationList += "、";
        relationList += name == "无" ? std::string("无合无冲") : name;
        meanings += r.meaning;
        advice += r.advice;
        score += r.score;
    }
    const std::string branches =
        std::string(almanac::BranchName(manBranch)) + std::string(almanac::BranchName(womanBranch));
    std::string_view grade = kGrades.back().text;
    for (const auto& g : kGrades) {
        if (score >= g.minimumScore) {
            grade = g.text;
            break;
        }
    }
    reading.content[0] =
        reading.title + "：" + branches + relationList + "。" + meanings + std::string(grade);
    reading.content[1] = "男方属" + man.name + "：" + man.asMan + "与属" + woman.name +
                         "的她在一起，他最欣赏她的" + woman.strength + "。";
    reading.content[2] = "女方属" + woman.name + "：" + woman.asWoman + "与属" + man.name +
                         "的他在一起，她最看重他的" + man.strength + "。";
    reading.content[3] = "婚配建议：" + advice;
    return reading;
}

}  // namespace jx::data
