#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Writes real SQLite files shaped like the subroutine library for the tests.
namespace librarydb {

struct Row
{
    qint64 id;
    QString description;
    QVariantList lines; // one value per line field, from "1"; a null QVariant stays without value
};

// A table `table` with ID, Description and line fields "1".."fieldCount".
void create(const QString &path, const QList<Row> &rows, int fieldCount = 20,
            const QString &table = QStringLiteral("Subs"));

// Lines "1".."n" filled, the rest empty text.
Row linesRow(qint64 id, const QString &description, const QStringList &lines, int fieldCount = 20);

QVariant null();

} // namespace librarydb
