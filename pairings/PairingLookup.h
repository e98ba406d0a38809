#pragma once
// One pairing read from the table shuxianglove through the query object, shared by
// the pairing window and the terminal tool.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jx {

class Query;

// Points query at the pair's statement and opens it. Returns the memo's lines, or
// nullopt when the pair has no row. Throws jx::DatabaseError when the file, the
// table or a column cannot be read. The query is closed afterwards.
std::optional<std::vector<std::string>> LookUpPairing(Query& query, std::string_view man,
                                                      std::string_view woman,
                                                      const std::function<void()>& beep = {});

}  // namespace jx
