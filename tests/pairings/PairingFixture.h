#pragma once
// A small SanFile.dll: the table shuxianglove with a few rows whose contents are
// scrambled the way the real file stores them.
#include <optional>
#include <string>
#include <vector>

#include "tests/support/SqliteFixture.h"

namespace jx::test {

struct PairingRow {
    std::string man;
    std::string woman;
    std::string title;
    // content1..content4 as readable UTF-8; nullopt stores NULL.
    std::vector<std::optional<std::string>> contents;
};

// The stored form of a readable text: GBK bytes scrambled with the pairing's key.
std::string Stored(const std::string& utf8);

// Creates SanFile.dll in the fixture with the rows (contents scrambled, blank ones
// kept blank) and the raw rows (contents stored exactly as given).
std::string CreateSanFile(SqliteFixture& fixture, const std::vector<PairingRow>& rows,
                          const std::vector<PairingRow>& rawRows = {});

// The rows most tests use.
std::vector<PairingRow> StandardRows();

}  // namespace jx::test
