// Builds the subroutine database from its readable source:
//   tolvar_buildlibrary SOURCE.txt OUTPUT.mdb
// The database is written beside the output and renamed over it, so a failed build never
// leaves a half-written library behind.
#include "addin/library/subroutinesource.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <cstdio>

using tolvar::MaxSubroutineLines;

namespace {

bool write(const QString &path, const QList<tolvar::SubroutineEntry> &entries, QString &error)
{
    const QString connection = QStringLiteral("buildlibrary");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
            return false;
        }
        QStringList columns{QStringLiteral("\"ID\" INTEGER PRIMARY KEY"),
                            QStringLiteral("\"Description\" TEXT")};
        QStringList names{QStringLiteral("\"ID\""), QStringLiteral("\"Description\"")};
        for (int i = 1; i <= MaxSubroutineLines; ++i) {
            columns << QStringLiteral("\"%1\" TEXT").arg(i);
            names << QStringLiteral("\"%1\"").arg(i);
        }
        QSqlQuery query(db);
        ok = db.transaction() &&
             query.exec(QStringLiteral("CREATE TABLE \"Subs\" (%1)").arg(columns.join(", ")));
        ok = ok &&
             query.prepare(QStringLiteral("INSERT INTO \"Subs\" (%1) VALUES (%2)")
                               .arg(names.join(", "))
                               .arg(QStringList(names.size(), QStringLiteral("?")).join(", ")));
        for (const tolvar::SubroutineEntry &entry : entries) {
            if (!ok)
                break;
            query.addBindValue(entry.id);
            query.addBindValue(entry.description);
            for (int i = 0; i < MaxSubroutineLines; ++i) {
                // A blank line inside the body stays without a value; the fields after the
                // last line hold the empty text that ends the copy.
                if (i < entry.lines.size())
                    query.addBindValue(entry.lines.at(i).isNull()
                                           ? QVariant(QMetaType(QMetaType::QString))
                                           : QVariant(entry.lines.at(i)));
                else
                    query.addBindValue(QStringLiteral(""));
            }
            ok = query.exec();
        }
        ok = ok && db.commit();
        if (!ok)
            error = query.lastError().text().isEmpty() ? db.lastError().text()
                                                       : query.lastError().text();
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tolvar_buildlibrary SOURCE OUTPUT\n");
        return 2;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(1)), qPrintable(source.errorString()));
        return 1;
    }
    QList<tolvar::SubroutineEntry> entries;
    try {
        entries = tolvar::parseSubroutineSource(QString::fromUtf8(source.readAll()));
    } catch (const tolvar::SubroutineSourceError &e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(1)), e.what());
        return 1;
    }

    const QString output = args.at(2);
    const QString temporary = output + QStringLiteral(".new");
    QFile::remove(temporary);
    QString error;
    if (!write(temporary, entries, error)) {
        QFile::remove(temporary);
        std::fprintf(stderr, "%s: %s\n", qPrintable(output), qPrintable(error));
        return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(temporary, output)) {
        std::fprintf(stderr, "%s: cannot replace the library\n", qPrintable(output));
        return 1;
    }
    return 0;
}
