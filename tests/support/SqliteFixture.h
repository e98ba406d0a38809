#pragma once
// Small SQLite data files made by a test, in a temporary folder that is removed
// with the fixture.
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace jx::test {

class SqliteFixture {
public:
    SqliteFixture();
    // Path of a file in the fixture's folder (not created).
    std::string path(const std::string& fileName) const;
    // Creates fileName and runs the SQL statements in it.
    std::string create(const std::string& fileName, const std::vector<std::string>& statements);
    // A connection string for fileName in the form the program builds.
    std::string connectionString(const std::string& fileName) const;

private:
    QTemporaryDir dir_;
};

}  // namespace jx::test
