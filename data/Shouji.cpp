#include "data/Shouji.h"

#include <array>
#include <stdexcept>

#include "data/TextSource.h"

namespace jx::data {

namespace {

constexpr std::array<std::string_view, 4> kVerdicts = {"吉", "凶", "吉带凶", "凶带吉"};

}  // namespace

std::vector<ShoujiRow> ParseShouji(std::string_view text) {
    std::vector<ShoujiRow> rows(80);
    std::array<bool, 80> seen{};
    for (const auto& record : ParseSource(text)) {
        const auto fail = [&](const std::string& what) {
            throw std::runtime_error("shouji line " + std::to_string(record.line) + ": " + what);
        };
        if (record.fields.size() != 4) fail("expected 4 fields");
        const std::string& num = record.fields[0];
        int key = -1;
        if (!num.empty() && num.size() <= 2 &&
            num.find_first_not_of("0123456789") == std::string::npos &&
            !(num.size() == 2 && num[0] == '0'))
            key = std::stoi(num);
        if (key < 0 || key > 79) fail("key must be 0 to 79 without leading zeros");
        if (seen[static_cast<std::size_t>(key)]) fail("repeated key " + num);
        seen[static_cast<std::size_t>(key)] = true;
        bool knownVerdict = false;
        for (auto v : kVerdicts) knownVerdict = knownVerdict || record.fields[1] == v;
        if (!knownVerdict) fail("unknown verdict " + record.fields[1]);
        if (record.fields[2].empty() || record.fields[3].empty()) fail("empty text");
        rows[static_cast<std::size_t>(key)] = {num, record.fields[1], record.fields[2],
                                               record.fields[3]};
    }
    for (std::size_t key = 0; key < seen.size(); ++key)
        if (!seen[key]) throw std::runtime_error("shouji: no line for key " + std::to_string(key));
    return rows;
}

}  // namespace jx::data
