#pragma once
// The database query object the windows use: one SELECT against one of the
// read-only data files, its first row read by position or column name.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <optional>
#include <string>

namespace jx {

class Query {
public:
    Query();
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void setConnectionString(std::string connectionString);
    // Releases the result and the connection; nothing happens when not open.
    void close();
    void clearStatement();
    void setStatement(std::string statement);
    // Connects to the file and runs the statement. Throws jx::DatabaseError,
    // naming the file and what is missing, when the file, a table or a column
    // does not exist. A missing file is never created.
    void open();
    bool isOpen() const { return open_; }
    // True when the result has no row.
    bool isEmpty() const;
    // Fields of the first row as UTF-8 text; a null reads as "". Reading a
    // column the result lacks throws jx::DatabaseError.
    std::string field(int index) const;
    std::string field(const std::string& name) const;

private:
    std::string connectionString_;
    std::string statement_;
    std::string path_;
    QString connectionName_;
    std::optional<QSqlQuery> result_;
    bool hasRow_ = false;
    bool open_ = false;
};

}  // namespace jx
