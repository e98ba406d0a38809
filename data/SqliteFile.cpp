#include "data/SqliteFile.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace jx::data {

namespace {

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

}  // namespace

SqliteFile::SqliteFile(std::string path) : path_(std::move(path)), temporary_(path_ + ".tmp") {
    std::filesystem::remove(temporary_);
    if (sqlite3_open(temporary_.c_str(), &db_) != SQLITE_OK)
        Fail(db_, "cannot create " + temporary_);
    // One writer and a file that is only kept when complete: no journal needed.
    exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
}

SqliteFile::~SqliteFile() {
    if (db_) {
        sqlite3_close(db_);
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void SqliteFile::exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "error";
        sqlite3_free(message);
        throw std::runtime_error(path_ + ": " + text + " in " + sql);
    }
}

SqliteFile::Statement SqliteFile::prepare(const std::string& sql) { return Statement(db_, sql); }

void SqliteFile::commit() {
    exec("COMMIT");
    exec("ANALYZE");
    if (sqlite3_close(db_) != SQLITE_OK) Fail(db_, "cannot close " + temporary_);
    db_ = nullptr;
    std::filesystem::rename(temporary_, path_);
}

SqliteFile::Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
        Fail(db_, "cannot prepare " + sql);
}

SqliteFile::Statement::~Statement() { sqlite3_finalize(statement_); }

void SqliteFile::Statement::run(const std::vector<std::string>& values) {
    sqlite3_reset(statement_);
    int index = 1;
    for (const auto& value : values)
        sqlite3_bind_text(statement_, index++, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT);
    step();
}

void SqliteFile::Statement::run(const std::vector<std::string>& texts, long long integer) {
    sqlite3_reset(statement_);
    int index = 1;
    for (const auto& value : texts)
        sqlite3_bind_text(statement_, index++, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT);
    sqlite3_bind_int64(statement_, index, integer);
    step();
}

void SqliteFile::Statement::step() {
    if (sqlite3_step(statement_) != SQLITE_DONE) Fail(db_, "cannot write row");
}

}  // namespace jx::data
