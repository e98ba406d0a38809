#pragma once
// Translation of the program's Jet-style SELECT statements into SQLite.
#include <string>
#include <string_view>
#include <vector>

namespace jx {

struct TranslatedStatement {
    std::string sql;                  // SQLite text with "?" placeholders
    std::vector<std::string> values;  // bound in order
};

// Translates only the two dialect parts: "top N" after SELECT becomes
// "LIMIT N", and a "#y-m-d#" literal becomes a bound "YYYY-MM-DD" text, so that
// #2010-4-5# finds the row stored as 2010-04-05 (and #10-4-5# too, its year
// completed as the date check completes it). Quoted values ('...' with ''
// for a quote) are bound as parameters too.
TranslatedStatement TranslateStatement(std::string_view statement);

// The file path after "Data Source=" up to the next ";", with repeated
// separators read as one.
std::string DataSourcePath(std::string_view connectionString);

}  // namespace jx
