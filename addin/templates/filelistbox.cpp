#include "filelistbox.h"

#include "templatefiles.h"

#include <QSignalBlocker>

namespace tolvar {

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    // Selection, not the current item: keyboard focus arriving on the list marks a current
    // item without choosing it.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fileName().isEmpty())
            emit fileNameChosen();
    });
}

void FileListBox::setPath(const QString &path)
{
    refresh(path, m_pattern);
}

void FileListBox::setPattern(const QString &pattern)
{
    refresh(m_path, pattern);
}

QString FileListBox::fileName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileListBox::refresh(const QString &path, const QString &pattern)
{
    const QStringList names = matchingFiles(path, pattern);
    m_path = path;
    m_pattern = pattern;
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
}

} // namespace tolvar
