#pragma once
// The readings of the zodiac pairing, composed from data/pairing-animals.txt
// and data/pairing-relations.txt. Texts are readable UTF-8 here; the
// generator scrambles them when it writes SanFile.dll.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace jx::data {

// The traditional relations between the man's and the woman's branch, named
// as in the relations source: 六合, 三合, 同肖, 六冲, 六害, 相刑, 自刑, 相破, in
// that order; {"无"} when there is none.
std::vector<std::string> PairRelations(int manBranch, int womanBranch);

struct AnimalTexts {
    std::string name;      // 鼠
    std::string strength;  // what a partner values in this animal
    std::string asMan;
    std::string asWoman;
};

struct RelationTexts {
    std::string name;
    int score = 0;
    std::string meaning;
    std::string advice;
};

struct PairingSources {
    std::array<AnimalTexts, 12> animals;  // by branch, 鼠 first
    std::vector<RelationTexts> relations;

    // Throws std::runtime_error when an animal is missing or out of order, or a
    // relation that PairRelations can name has no line.
    static PairingSources Parse(std::string_view animalsText, std::string_view relationsText);
    const RelationTexts& relation(std::string_view name) const;
};

struct PairingReading {
    std::string man, woman, title;       // 鼠, 牛, 鼠男配牛女
    std::array<std::string, 4> content;  // verdict, his side, her side, advice
};

PairingReading ComposePairing(const PairingSources& sources, int manBranch, int womanBranch);

}  // namespace jx::data
