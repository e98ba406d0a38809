#pragma once
// The generator's readable sources: UTF-8 text, one record a line, fields
// separated by " | ", lines starting with "#" and blank lines ignored.
#include <string>
#include <string_view>
#include <vector>

namespace jx::data {

struct SourceRecord {
    int line = 0;  // 1-based line number in the file, for messages
    std::vector<std::string> fields;
};

// Splits the text into records. Fields are trimmed of blanks.
std::vector<SourceRecord> ParseSource(std::string_view text);

// Reads a whole file; throws std::runtime_error naming the file when it cannot.
std::string ReadFile(const std::string& path);

// Reads and parses a file, checking that every record has `fieldCount` fields;
// throws std::runtime_error naming the file and line otherwise.
std::vector<SourceRecord> ReadSource(const std::string& path, std::size_t fieldCount);

}  // namespace jx::data
