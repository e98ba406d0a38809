#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "common/NumberReading.h"
#include "data/AlmanacRules.h"
#include "data/AlmanacTable.h"
#include "data/Shouji.h"
#include "data/TextSource.h"

namespace jx::data {
namespace {

std::string Source(const char* name) {
    return ReadFile(std::string(JX_DATA_SOURCE_DIR "/") + name);
}

std::set<std::string> Words(const std::string& list) {
    std::istringstream in(list);
    std::set<std::string> words;
    for (std::string w; in >> w;) words.insert(w);
    return words;
}

TEST(ParseSource, SkipsCommentsAndBlankLinesAndTrimsFields) {
    const auto records = ParseSource("# head\n\n a | b c |  d \r\n#x | y\nlast|one\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].line, 3);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b c", "d"}));
    // Only " | " separates fields.
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"last|one"}));
}

TEST(ReadSource, NamesTheFileWhenItIsMissing) {
    try {
        ReadFile("/nonexistent/almanac-table.txt");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/almanac-table.txt"), std::string::npos);
    }
}

// The committed 720-line table, as the generator reads it.
class AlmanacTableSource : public ::testing::Test {
protected:
    std::string text = Source("almanac-table.txt");
};

TEST_F(AlmanacTableSource, HasEveryEntryWithWellFormedLists) {
    const auto table = almanac::AlmanacTable::Parse(text);
    for (int branch = 0; branch < 12; ++branch) {
        for (int cycle = 0; cycle < 60; ++cycle) {
            const auto& e = table.at(branch, cycle);
            SCOPED_TRACE(std::string(almanac::BranchName(branch)) + " " +
                         almanac::CycleName(cycle));
            for (const std::string* list : {&e.yi, &e.ji, &e.jiShen, &e.xiongSha}) {
                EXPECT_FALSE(list->empty());
                EXPECT_EQ(list->find("  "), std::string::npos);
                EXPECT_EQ(list->find("馀"), std::string::npos);  // written 余
                std::istringstream in(*list);
                std::size_t count = 0;
                for (std::string w; in >> w;) ++count;
                EXPECT_EQ(Words(*list).size(), count) << "a name twice in " << *list;
            }
            for (const auto& word : Words(e.yi)) {
                if (word == "无") continue;
                EXPECT_EQ(Words(e.ji).count(word), 0u) << word << " both suits and does not";
            }
        }
    }
}

TEST_F(AlmanacTableSource, RejectsMissingRepeatedAndUnknownEntries) {
    const std::string lastLine = "丑 癸亥 |";
    const auto cut = text.rfind(lastLine);
    ASSERT_NE(cut, std::string::npos);
    EXPECT_THROW(almanac::AlmanacTable::Parse(text.substr(0, cut)), std::runtime_error);
    EXPECT_THROW(almanac::AlmanacTable::Parse(text + "寅 甲子 | 无 | 无 | 无 | 无\n"),
                 std::runtime_error);
    EXPECT_THROW(
        almanac::AlmanacTable::Parse(text.substr(0, cut) + "丑 癸亥亥 | 无 | 无 | 无 | 无\n"),
        std::runtime_error);
    EXPECT_THROW(almanac::AlmanacTable::Parse(text.substr(0, cut) + "丑 癸亥 | 无 | 无 | 无\n"),
                 std::runtime_error);
    EXPECT_THROW(almanac::AlmanacTable::Parse(text.substr(0, cut) + "丑 癸亥 |  | 无 | 无 | 无\n"),
                 std::runtime_error);
    EXPECT_NO_THROW(
        almanac::AlmanacTable::Parse(text.substr(0, cut) + "丑 癸亥 | 无 | 无 | 无 | 无\n"));
}

TEST(ShoujiSource, HasEightyKeysWithTheVerdictsOfTheEightyOneNumberTable) {
    const auto rows = ParseShouji(Source("shouji.txt"));
    ASSERT_EQ(rows.size(), 80u);
    std::set<std::string> titles;
    for (int key = 0; key < 80; ++key) {
        const auto& row = rows[static_cast<std::size_t>(key)];
        EXPECT_EQ(row.num, std::to_string(key));
        // Remainder r reads the number r, and 0 reads 80; the number n is row
        // n - 1 of the eighty-one-number table.
        const int number = key == 0 ? 80 : key;
        EXPECT_STREQ(row.jx.c_str(),
                     EightyOneReadings[static_cast<std::size_t>(number - 1)].verdict)
            << "key " << key;
        titles.insert(row.title);
    }
    EXPECT_EQ(titles.size(), 80u);
}

TEST(ShoujiSource, RejectsBadKeysAndVerdicts) {
    std::string all;
    for (int key = 1; key < 80; ++key) all += std::to_string(key) + " | 吉 | t | c\n";
    EXPECT_NO_THROW(ParseShouji(all + "0 | 凶带吉 | t | c\n"));
    EXPECT_THROW(ParseShouji(all), std::runtime_error);                        // no key 0
    EXPECT_THROW(ParseShouji(all + "00 | 吉 | t | c\n"), std::runtime_error);  // leading zero
    EXPECT_THROW(ParseShouji(all + "0 | 吉 | t | c\n80 | 吉 | t | c\n"), std::runtime_error);
    EXPECT_THROW(ParseShouji(all + "0 | 半吉 | t | c\n"), std::runtime_error);
    EXPECT_THROW(ParseShouji(all + "0 | 吉 |  | c\n"), std::runtime_error);
    EXPECT_THROW(ParseShouji(all + "0 | 吉 | t | c\n1 | 吉 | t | c\n"), std::runtime_error);
}

}  // namespace
}  // namespace jx::data
