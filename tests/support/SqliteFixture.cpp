#include "tests/support/SqliteFixture.h"

#include <sqlite3.h>

#include <stdexcept>

#include "common/ConnectionStrings.h"

namespace jx::test {

SqliteFixture::SqliteFixture() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

std::string SqliteFixture::path(const std::string& fileName) const {
    return dir_.filePath(QString::fromStdString(fileName)).toStdString();
}

std::string SqliteFixture::create(const std::string& fileName,
                                  const std::vector<std::string>& statements) {
    const std::string file = path(fileName);
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + file);
    }
    for (const std::string& sql : statements) {
        char* error = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "?";
            sqlite3_free(error);
            sqlite3_close(db);
            throw std::runtime_error(sql + ": " + message);
        }
    }
    sqlite3_close(db);
    return file;
}

std::string SqliteFixture::connectionString(const std::string& fileName) const {
    return MakeConnectionString(dir_.path().toStdString() + "/", fileName);
}

}  // namespace jx::test
