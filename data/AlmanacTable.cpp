#include "data/AlmanacTable.h"

#include <stdexcept>

#include "data/AlmanacRules.h"
#include "data/TextSource.h"

namespace jx::almanac {

namespace {

int FindBranch(std::string_view name) {
    for (int b = 0; b < 12; ++b)
        if (BranchName(b) == name) return b;
    return -1;
}

int FindCycle(std::string_view name) {
    for (int c = 0; c < 60; ++c)
        if (CycleName(c) == name) return c;
    return -1;
}

std::size_t Slot(int monthBranch, int dayCycle) {
    return static_cast<std::size_t>(((monthBranch % 12 + 12) % 12) * 60 +
                                    (dayCycle % 60 + 60) % 60);
}

}  // namespace

AlmanacTable AlmanacTable::Parse(std::string_view text) {
    AlmanacTable table;
    std::array<bool, 12 * 60> seen{};
    for (const auto& record : data::ParseSource(text)) {
        const auto fail = [&](const std::string& what) {
            throw std::runtime_error("almanac table line " + std::to_string(record.line) + ": " +
                                     what);
        };
        if (record.fields.size() != 5) fail("expected 5 fields");
        const std::string& key = record.fields[0];
        const auto blank = key.find(' ');
        if (blank == std::string::npos) fail("expected a month branch and a day 干支");
        const int branch = FindBranch(key.substr(0, blank));
        const int cycle = FindCycle(key.substr(blank + 1));
        if (branch < 0 || cycle < 0) fail("unknown key " + key);
        const std::size_t slot = Slot(branch, cycle);
        if (seen[slot]) fail("repeated key " + key);
        seen[slot] = true;
        for (std::size_t i = 1; i < 5; ++i)
            if (record.fields[i].empty()) fail("empty list (write 无)");
        table.entries_[slot] = {record.fields[1], record.fields[2], record.fields[3],
                                record.fields[4]};
    }
    for (bool s : seen)
        if (!s) throw std::runtime_error("almanac table: fewer than 720 entries");
    return table;
}

const AlmanacEntry& AlmanacTable::at(int monthBranch, int dayCycle) const {
    return entries_[Slot(monthBranch, dayCycle)];
}

}  // namespace jx::almanac
