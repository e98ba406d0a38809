#include "platform/Query.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>
#include <atomic>

#include "common/Errors.h"
#include "platform/SqlDialect.h"

namespace jx {

namespace {

QString uniqueConnectionName() {
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("jx-query-%1").arg(++counter);
}

// "no such table: huangdao" -> "缺少表 huangdao"; other SQLite errors pass through.
std::string describeFailure(const QString& sqliteText) {
    const QString text = sqliteText.trimmed();
    static const QString table = QStringLiteral("no such table: ");
    static const QString column = QStringLiteral("no such column: ");
    if (const auto at = text.indexOf(table); at >= 0)
        return "缺少表 " +
               text.mid(at + table.size()).section(QLatin1Char(' '), 0, 0).toStdString();
    if (const auto at = text.indexOf(column); at >= 0)
        return "缺少列 " +
               text.mid(at + column.size()).section(QLatin1Char(' '), 0, 0).toStdString();
    return text.toStdString();
}

}  // namespace

Query::Query() = default;

Query::~Query() { close(); }

void Query::setConnectionString(std::string connectionString) {
    connectionString_ = std::move(connectionString);
}

void Query::close() {
    result_.reset();
    hasRow_ = false;
    open_ = false;
    if (!connectionName_.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
            if (db.isOpen()) db.close();
        }
        QSqlDatabase::removeDatabase(connectionName_);
        connectionName_.clear();
    }
}

void Query::clearStatement() { statement_.clear(); }

void Query::setStatement(std::string statement) { statement_ = std::move(statement); }

void Query::open() {
    close();
    path_ = DataSourcePath(connectionString_);
    const QString path = QString::fromStdString(path_);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        throw DatabaseError("无法打开数据文件 " + path_ + "：文件不存在");

    connectionName_ = uniqueConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const std::string reason = db.lastError().text().toStdString();
        close();
        throw DatabaseError("无法打开数据文件 " + path_ + "：" + reason);
    }

    const TranslatedStatement translated = TranslateStatement(statement_);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromStdString(translated.sql))) {
        const std::string reason = describeFailure(query.lastError().databaseText());
        close();
        throw DatabaseError("数据文件 " + path_ + " " + reason);
    }
    for (const std::string& value : translated.values)
        query.addBindValue(QString::fromStdString(value));
    if (!query.exec()) {
        const std::string reason = describeFailure(query.lastError().databaseText());
        close();
        throw DatabaseError("数据文件 " + path_ + " " + reason);
    }
    hasRow_ = query.next();
    result_.emplace(std::move(query));
    open_ = true;
}

bool Query::isEmpty() const { return !hasRow_; }

std::string Query::field(int index) const {
    if (!hasRow_ || !result_) throw DatabaseError("数据文件 " + path_ + " 没有当前记录");
    if (index < 0 || index >= result_->record().count())
        throw DatabaseError("数据文件 " + path_ + " 缺少第 " + std::to_string(index) + " 列");
    return result_->value(index).toString().toStdString();
}

std::string Query::field(const std::string& name) const {
    if (!hasRow_ || !result_) throw DatabaseError("数据文件 " + path_ + " 没有当前记录");
    const int index = result_->record().indexOf(QString::fromStdString(name));
    if (index < 0) throw DatabaseError("数据文件 " + path_ + " 缺少列 " + name);
    return result_->value(index).toString().toStdString();
}

}  // namespace jx
