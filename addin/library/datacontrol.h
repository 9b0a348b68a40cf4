#pragma once

#include "platform/automation/value.h"

#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tolvar {

// The data control: opens the subroutine database read-only, holds the record set of one table
// and its current record. Failures raise automation::Error with the engine's numbers.
class DataControl : public QObject
{
    Q_OBJECT
public:
    explicit DataControl(QObject *parent = nullptr);
    ~DataControl() override;

    QString DatabaseName() const { return m_databaseName; }
    void setDatabaseName(const QString &path) { m_databaseName = path; }
    QString RecordSource() const { return m_recordSource; }
    void setRecordSource(const QString &table) { m_recordSource = table; }

    // Opens the database and the record set; the first record becomes current.
    void Refresh();
    bool isOpen() const { return m_open; }

    // One pair (shown text, bound text) per record, in table order.
    std::vector<std::pair<QString, QString>> rows(const QString &listField,
                                                  const QString &boundColumn) const;

    // Makes the first record where `field = number` current. Without a match the current
    // record stays as it was and NoMatch() turns true.
    void FindFirst(const QString &criteria);
    bool NoMatch() const { return m_noMatch; }

    bool hasCurrentRecord() const { return !m_current.isEmpty(); }
    // The current record's field (any letter case): its text, or Null when it holds no value.
    automation::Value Field(const QString &name) const;

signals:
    // The record set was opened or another record became current.
    void repositioned();

private:
    void close();
    QString tableField(const QString &name) const;

    QString m_databaseName;
    QString m_recordSource;
    QString m_connection;
    QString m_table;
    QStringList m_fields;
    QSqlRecord m_current;
    bool m_open = false;
    bool m_noMatch = false;
};

} // namespace tolvar
