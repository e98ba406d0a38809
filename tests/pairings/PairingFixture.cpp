#include "tests/pairings/PairingFixture.h"

#include "common/Gbk.h"
#include "common/Text.h"
#include "common/Unscramble.h"
#include "pairings/ZodiacPairing.h"

namespace jx::test {

std::string Stored(const std::string& utf8) {
    return ScrambleText(ToGbk(utf8), kPairingKey, kPairingRounds);
}

namespace {

std::string Literal(const std::optional<std::string>& text) {
    return text ? QuoteSqlText(*text) : "NULL";
}

std::string Insert(const PairingRow& row, bool scramble) {
    std::string sql = "insert into shuxianglove values(" + QuoteSqlText(row.man) + "," +
                      QuoteSqlText(row.woman) + "," + QuoteSqlText(row.title);
    for (std::size_t i = 0; i < 4; ++i) {
        std::optional<std::string> content =
            i < row.contents.size() ? row.contents[i] : std::nullopt;
        // Blank fields are stored blank, as the real file leaves unused parts.
        if (content && scramble && !Trim(*content).empty()) content = Stored(*content);
        sql += "," + Literal(content);
    }
    return sql + ")";
}

}  // namespace

std::string CreateSanFile(SqliteFixture& fixture, const std::vector<PairingRow>& rows,
                          const std::vector<PairingRow>& rawRows) {
    std::vector<std::string> sql = {
        "create table shuxianglove(shengxiao1 text, shengxiao2 text, title text, content1 text, "
        "content2 text, content3 text, content4 text)"};
    for (const PairingRow& row : rows) sql.push_back(Insert(row, true));
    for (const PairingRow& row : rawRows) sql.push_back(Insert(row, false));
    fixture.create("SanFile.dll", sql);
    return fixture.connectionString("SanFile.dll");
}

std::vector<PairingRow> StandardRows() {
    return {
        {"鼠",
         "牛",
         "鼠牛标题",
         {"鼠男牛女，相敬如宾。", "性格互补。", std::nullopt, "白头偕老。"}},
        {"牛", "鼠", "牛鼠标题", {"牛男鼠女，勤俭持家。"}},
        {"鼠", "鼠", "鼠鼠标题", {"同属相，\r\n性情相近。"}},
        {"虎", "兔", "虎兔标题", {std::nullopt, "", "只有第三段。", "   "}},
        {"龙", "蛇", "龙蛇标题", {std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
        {"马", "羊", "马羊标题", {"", " ", "\t", ""}},
    };
}

}  // namespace jx::test
