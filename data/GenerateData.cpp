#include "data/GenerateData.h"

#include <chrono>

#include "calendar/DateCn.h"
#include "common/Gbk.h"
#include "common/Unscramble.h"
#include "data/AlmanacDay.h"
#include "data/AlmanacTable.h"
#include "data/Pairing.h"
#include "data/Shouji.h"
#include "data/SqliteFile.h"
#include "data/TextSource.h"

namespace jx::data {

namespace {

using namespace std::chrono;

std::string SourcePath(const std::string& folder, const char* name) { return folder + "/" + name; }

}  // namespace

void WriteSanBirth(const std::string& sourceFolder, const std::string& path) {
    const auto table =
        almanac::AlmanacTable::Parse(ReadFile(SourcePath(sourceFolder, "almanac-table.txt")));
    SqliteFile file(path);
    // The texts that depend only on the month branch and the day 干支 are kept
    // once (720 rows); each day holds its own date, overview and 岁次 and points
    // at its rule. The view huangdao gives the one-row-per-day table the day
    // view reads.
    file.exec(
        "CREATE TABLE huangdao_rule (id INTEGER PRIMARY KEY, tszf TEXT, wuhang TEXT, cong TEXT, "
        "pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT, jishi TEXT);"
        "CREATE TABLE huangdao_day (gn TEXT PRIMARY KEY, nn TEXT, suici TEXT, "
        "rule INTEGER NOT NULL REFERENCES huangdao_rule(id)) WITHOUT ROWID;"
        "CREATE VIEW huangdao (gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji, jishi) "
        "AS SELECT d.gn, d.nn, d.suici, r.tszf, r.wuhang, r.cong, r.pzbj, r.jsyq, r.yi, r.xsyq, "
        "r.ji, r.jishi FROM huangdao_day AS d JOIN huangdao_rule AS r ON r.id = d.rule;");
    {
        auto insert =
            file.prepare("INSERT INTO huangdao_rule VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)");
        for (int branch = 0; branch < 12; ++branch) {
            for (int cycle = 0; cycle < 60; ++cycle) {
                const auto r = almanac::ComputeDayRule(branch, cycle, table);
                insert.run({std::to_string(branch * 60 + cycle), r.tszf, r.wuhang, r.cong, r.pzbj,
                            r.jsyq, r.yi, r.xsyq, r.ji, r.jishi});
            }
        }
    }
    {
        auto insert = file.prepare("INSERT INTO huangdao_day VALUES (?1, ?2, ?3, ?4)");
        const sys_days first{year{kFirstLunarYear} / January / 1};
        const sys_days last{year{kLastLunarYear} / December / 31};
        for (sys_days day = first; day <= last; day += days{1}) {
            const auto d = almanac::ComputeDayHead(year_month_day{day});
            insert.run({d.gn, d.nn, d.suici}, d.monthBranch * 60 + d.dayCycle);
        }
    }
    file.commit();
}

void WriteDream(const std::string& sourceFolder, const std::string& path) {
    const auto rows = ParseShouji(ReadFile(SourcePath(sourceFolder, "shouji.txt")));
    SqliteFile file(path);
    file.exec("CREATE TABLE shouji (num TEXT PRIMARY KEY, title TEXT, jx TEXT, content TEXT)");
    {
        auto insert = file.prepare("INSERT INTO shouji VALUES (?1, ?2, ?3, ?4)");
        for (const auto& row : rows) insert.run({row.num, row.title, row.jx, row.content});
    }
    file.commit();
}

void WriteSanFile(const std::string& sourceFolder, const std::string& path) {
    const auto sources =
        PairingSources::Parse(ReadFile(SourcePath(sourceFolder, "pairing-animals.txt")),
                              ReadFile(SourcePath(sourceFolder, "pairing-relations.txt")));
    SqliteFile file(path);
    file.exec(
        "CREATE TABLE shuxianglove (shengxiao1 TEXT, shengxiao2 TEXT, title TEXT, content1 TEXT, "
        "content2 TEXT, content3 TEXT, content4 TEXT, PRIMARY KEY (shengxiao1, shengxiao2))");
    {
        auto insert = file.prepare("INSERT INTO shuxianglove VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        for (int man = 0; man < 12; ++man) {
            for (int woman = 0; woman < 12; ++woman) {
                const auto reading = ComposePairing(sources, man, woman);
                std::vector<std::string> values = {reading.man, reading.woman, reading.title};
                for (const auto& part : reading.content)
                    values.push_back(ScrambleText(ToGbk(part), kPairingKey, kPairingRounds));
                insert.run(values);
            }
        }
    }
    file.commit();
}

}  // namespace jx::data
