#include "librarydb.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace librarydb {

QVariant null()
{
    return QVariant(QMetaType(QMetaType::QString));
}

Row linesRow(qint64 id, const QString &description, const QStringList &lines, int fieldCount)
{
    Row row{id, description, {}};
    for (int i = 0; i < fieldCount; ++i)
        row.lines << (i < lines.size() ? QVariant(lines.at(i)) : QVariant(QString("")));
    return row;
}

void create(const QString &path, const QList<Row> &rows, int fieldCount, const QString &table)
{
    const QString name = QStringLiteral("librarydb-create");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            throw std::runtime_error("cannot create test database");
        QStringList columns{"\"ID\" INTEGER PRIMARY KEY", "\"Description\" TEXT"};
        QStringList names{"\"ID\"", "\"Description\""};
        for (int i = 1; i <= fieldCount; ++i) {
            columns << QStringLiteral("\"%1\" TEXT").arg(i);
            names << QStringLiteral("\"%1\"").arg(i);
        }
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, columns.join(","))))
            throw std::runtime_error(query.lastError().text().toStdString());
        for (const Row &row : rows) {
            query.prepare(
                QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                    .arg(table, names.join(","), QStringList(names.size(), "?").join(",")));
            query.addBindValue(row.id);
            query.addBindValue(row.description);
            for (int i = 0; i < fieldCount; ++i)
                query.addBindValue(i < row.lines.size() ? row.lines.at(i) : QVariant(QString("")));
            if (!query.exec())
                throw std::runtime_error(query.lastError().text().toStdString());
        }
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace librarydb
