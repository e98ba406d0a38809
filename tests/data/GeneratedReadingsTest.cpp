// The generated dream.dll and SanFile.dll, read directly and through jixing-cli.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "common/ConnectionStrings.h"
#include "common/Gbk.h"
#include "common/Unscramble.h"
#include "data/AlmanacRules.h"
#include "data/GenerateData.h"
#include "data/Pairing.h"
#include "data/Shouji.h"
#include "data/TextSource.h"

namespace jx {
namespace {

using namespace std::chrono;
using Rows = std::vector<std::vector<std::string>>;

Rows ReadAll(const std::string& file, const char* sql) {
    Rows rows;
    sqlite3* db = nullptr;
    const std::string path = ExecutableFolder() + file;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << path;
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(db);
    } else {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = sqlite3_column_text(statement, i);
                row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
            rows.push_back(std::move(row));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

struct Outcome {
    int code;
    std::string out, err;
};

Outcome RunCli(const cli::Arguments& args) {
    std::ostringstream out, err;
    cli::Context context{ExecutableFolder(), year{2010} / 5 / 1, out, err};
    const int code = cli::Run(args, context);
    return {code, out.str(), err.str()};
}

TEST(GeneratedDream, HoldsTheEightyReadingsOfItsSource) {
    const auto source = data::ParseShouji(data::ReadFile(JX_DATA_SOURCE_DIR "/shouji.txt"));
    const Rows rows = ReadAll("dream.dll",
                              "SELECT num, title, jx, content, typeof(num) FROM shouji "
                              "ORDER BY CAST(num AS INTEGER)");
    ASSERT_EQ(rows.size(), 80u);
    for (std::size_t key = 0; key < rows.size(); ++key) {
        EXPECT_EQ(rows[key][0], std::to_string(key));
        EXPECT_EQ(rows[key][4], "text");  // compared with a quoted key
        EXPECT_EQ(rows[key][1], source[key].title);
        EXPECT_EQ(rows[key][2], source[key].jx);
        EXPECT_EQ(rows[key][3], source[key].content);
    }
}

TEST(GeneratedDream, ThePhoneCommandReadsTheRowOfTheNumbersKey) {
    const auto source = data::ParseShouji(data::ReadFile(JX_DATA_SOURCE_DIR "/shouji.txt"));
    // 5678 = 70 * 80 + 78; 0080 leaves 0.
    for (const auto& [number, key] :
         {std::pair{"10000005678", 78}, std::pair{"10000000080", 0}, std::pair{"10000000005", 5}}) {
        const Outcome outcome = RunCli({"phone", number});
        EXPECT_EQ(outcome.code, cli::kExitOk) << outcome.err;
        const auto& row = source[static_cast<std::size_t>(key)];
        EXPECT_EQ(outcome.out, std::to_string(key) + "\t" + row.title + "\t" + row.jx + "\t" +
                                   row.content + "\n");
    }
}

class GeneratedSanFile : public ::testing::Test {
protected:
    data::PairingSources sources =
        data::PairingSources::Parse(data::ReadFile(JX_DATA_SOURCE_DIR "/pairing-animals.txt"),
                                    data::ReadFile(JX_DATA_SOURCE_DIR "/pairing-relations.txt"));
};

TEST_F(GeneratedSanFile, EveryOrderedPairUnscramblesToItsReading) {
    const Rows rows = ReadAll("SanFile.dll",
                              "SELECT shengxiao1, shengxiao2, title, content1, content2, "
                              "content3, content4 FROM shuxianglove");
    ASSERT_EQ(rows.size(), 144u);
    std::set<std::pair<std::string, std::string>> pairs;
    int beeps = 0;
    for (const auto& row : rows) {
        int man = 0, woman = 0;
        while (man < 12 && almanac::AnimalName(man) != row[0]) ++man;
        while (woman < 12 && almanac::AnimalName(woman) != row[1]) ++woman;
        ASSERT_LT(man, 12) << row[0];
        ASSERT_LT(woman, 12) << row[1];
        pairs.insert({row[0], row[1]});
        const auto reading = data::ComposePairing(sources, man, woman);
        EXPECT_EQ(row[2], reading.title);
        for (std::size_t part = 0; part < 4; ++part) {
            const std::string& stored = row[3 + part];
            EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos);
            EXPECT_EQ(FromGbk(UnscrambleText(stored, data::kPairingKey, data::kPairingRounds,
                                             [&beeps] { ++beeps; })),
                      reading.content[part])
                << reading.title << " part " << part + 1;
            // Scrambled, the text is not the plain GBK in hexadecimal.
            EXPECT_NE(UnscrambleText(stored, data::kPairingKey, 0), ToGbk(reading.content[part]));
        }
    }
    EXPECT_EQ(pairs.size(), 144u);
    EXPECT_EQ(beeps, 0);
}

TEST_F(GeneratedSanFile, ThePairCommandShowsTheFourUnscrambledParts) {
    const Outcome outcome = RunCli({"pair", "鼠", "牛"});
    EXPECT_EQ(outcome.code, cli::kExitOk) << outcome.err;
    const auto reading = data::ComposePairing(sources, 0, 1);
    std::string expected = "鼠和牛配对结果如下:\n\n\n";
    for (const auto& part : reading.content) expected += part + "\n\n";
    EXPECT_EQ(outcome.out, expected);
    EXPECT_EQ(outcome.err, "");

    // The order of the pair matters.
    const Outcome reversed = RunCli({"pair", "牛", "鼠"});
    EXPECT_EQ(reversed.code, cli::kExitOk);
    EXPECT_NE(reversed.out.substr(reversed.out.find("\n\n\n")),
              outcome.out.substr(outcome.out.find("\n\n\n")));
}

}  // namespace
}  // namespace jx
