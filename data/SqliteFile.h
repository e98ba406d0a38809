#pragma once
// A small writer for one SQLite file: built under a temporary name and moved
// into place only when complete, so an interrupted run leaves no half file.
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace jx::data {

class SqliteFile {
public:
    // Creates `path` + ".tmp" afresh.
    explicit SqliteFile(std::string path);
    ~SqliteFile();  // removes the temporary file unless commit() ran
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    void exec(const std::string& sql);

    // A prepared INSERT (or any statement) run once per row of texts.
    class Statement {
    public:
        Statement(sqlite3* db, const std::string& sql);
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;
        void run(const std::vector<std::string>& values);
        void run(const std::vector<std::string>& texts,
                 long long integer);  // texts, then one integer

    private:
        void step();
        sqlite3* db_;
        sqlite3_stmt* statement_ = nullptr;
    };
    Statement prepare(const std::string& sql);

    // Closes the database and renames the temporary file to `path`.
    void commit();

private:
    std::string path_;
    std::string temporary_;
    sqlite3* db_ = nullptr;
};

}  // namespace jx::data
