#include "datacontrol.h"

#include "findcriteria.h"

#include "platform/automation/error.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

namespace tolvar {

namespace {

QString quoted(const QString &identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

automation::Error noCurrentRecord()
{
    return {3021, QStringLiteral("No current record.")};
}

} // namespace

DataControl::DataControl(QObject *parent) : QObject(parent)
{
    static QAtomicInteger<quint32> counter;
    m_connection = QStringLiteral("tolvar-data-%1").arg(counter.fetchAndAddRelaxed(1));
    setObjectName(QStringLiteral("Data1"));
}

DataControl::~DataControl()
{
    close();
}

void DataControl::close()
{
    m_open = false;
    m_current = QSqlRecord();
    m_fields.clear();
    m_table.clear();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void DataControl::Refresh()
{
    close();
    const QFileInfo file(m_databaseName);
    if (m_databaseName.isEmpty() || !file.isFile())
        throw automation::Error(3024,
                                QStringLiteral("Couldn't find file '%1'.").arg(m_databaseName));

    const QString unrecognised =
        QStringLiteral("Unrecognized database format '%1'.").arg(m_databaseName);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_databaseName);
        // The add-in only reads the library.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            db = QSqlDatabase();
            close();
            throw automation::Error(3343, unrecognised);
        }

        QSqlQuery tables(db);
        if (!tables.exec(
                QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')"))) {
            tables = QSqlQuery();
            db = QSqlDatabase();
            close();
            throw automation::Error(3343, unrecognised);
        }
        while (tables.next()) {
            const QString name = tables.value(0).toString();
            if (name.compare(m_recordSource, Qt::CaseInsensitive) == 0)
                m_table = name;
        }
        tables = QSqlQuery();
        if (m_table.isEmpty()) {
            db = QSqlDatabase();
            close();
            throw automation::Error(
                3078, QStringLiteral("Couldn't find input table or query '%1'. Make sure it "
                                     "exists and that its name is spelled correctly.")
                          .arg(m_recordSource));
        }
        const QSqlRecord columns = db.record(m_table);
        for (int i = 0; i < columns.count(); ++i)
            m_fields << columns.fieldName(i);

        QSqlQuery first(db);
        first.setForwardOnly(true);
        if (!first.exec(QStringLiteral("SELECT * FROM %1 LIMIT 1").arg(quoted(m_table)))) {
            first = QSqlQuery();
            db = QSqlDatabase();
            close();
            throw automation::Error(3343, unrecognised);
        }
        if (first.next())
            m_current = first.record();
    }
    m_open = true;
    m_noMatch = false;
    emit repositioned();
}

QString DataControl::tableField(const QString &name) const
{
    for (const QString &field : m_fields) {
        if (field.compare(name, Qt::CaseInsensitive) == 0)
            return field;
    }
    throw automation::Error(3265, QStringLiteral("Item not found in this collection."));
}

std::vector<std::pair<QString, QString>> DataControl::rows(const QString &listField,
                                                           const QString &boundColumn) const
{
    std::vector<std::pair<QString, QString>> result;
    if (!m_open)
        return result;
    const QString shown = tableField(listField);
    const QString bound = tableField(boundColumn);
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1, %2 FROM %3")
                        .arg(quoted(shown), quoted(bound), quoted(m_table))))
        throw automation::Error(
            3343, QStringLiteral("Unrecognized database format '%1'.").arg(m_databaseName));
    while (query.next())
        result.emplace_back(query.value(0).toString(), query.value(1).toString());
    return result;
}

void DataControl::FindFirst(const QString &criteria)
{
    if (!m_open)
        throw automation::Error::notSet();
    const FindCriteria find = parseFindCriteria(criteria);
    const QString field = tableField(find.field);

    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ? LIMIT 1")
                      .arg(quoted(m_table), quoted(field)));
    query.addBindValue(find.number);
    if (!query.exec())
        throw automation::Error(
            3343, QStringLiteral("Unrecognized database format '%1'.").arg(m_databaseName));
    if (query.next()) {
        m_current = query.record();
        m_noMatch = false;
        emit repositioned();
    } else {
        m_noMatch = true;
    }
}

automation::Value DataControl::Field(const QString &name) const
{
    if (m_current.isEmpty())
        throw noCurrentRecord();
    const int index = m_current.indexOf(name);
    if (index < 0)
        throw automation::Error(3265, QStringLiteral("Item not found in this collection."));
    const QVariant value = m_current.value(index);
    if (value.isNull())
        return automation::Value::null();
    return automation::Value(value.toString());
}

} // namespace tolvar
