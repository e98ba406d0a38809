#pragma once
// The mobile-number reading's one query against dream.dll.
#include <optional>
#include <string>

namespace jx {

struct ShoujiRow {
    std::string title;
    std::string jx;
    std::string content;
};

// Opens its own connection for this one lookup and releases it before
// returning. nullopt when the key has no row; throws jx::DatabaseError when the
// file, table or a column cannot be reached.
std::optional<ShoujiRow> LookUpShouji(const std::string& connectionString, const std::string& key);

}  // namespace jx
