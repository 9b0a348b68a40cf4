#pragma once

#include <QListWidget>

namespace tolvar {

// A file list: the names of the files in one folder that match one pattern. Setting either
// re-reads the folder and leaves nothing selected; fileNameChosen is sent whenever the user
// selects an entry, by click or with the keyboard.
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Raises 76 "Path not found" for a folder that does not exist; the list is then unchanged.
    void setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    // The selected name, or the empty text.
    QString fileName() const;

signals:
    void fileNameChosen();

private:
    void refresh(const QString &path, const QString &pattern);

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

} // namespace tolvar
