#include "ide/code/codelistbox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace vbhost {

CodeListBox::CodeListBox(QWidget *parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(18);
    setMaxVisibleItems(20);
}

void CodeListBox::showPopup()
{
    emit aboutToShowPopup();
    QComboBox::showPopup();
}

void CodeListBox::setEntries(const QStringList &texts, const QList<bool> &bold)
{
    if (texts == entries()) {
        // Same entries: only the weights may differ.
        for (int i = 0; i < count(); ++i) {
            QFont f = font();
            f.setBold(bold.value(i));
            setItemData(i, f, Qt::FontRole);
        }
        return;
    }
    const QString current = currentText();
    const QSignalBlocker blocker(this);
    clear();
    addItems(texts);
    for (int i = 0; i < count(); ++i) {
        QFont f = font();
        f.setBold(bold.value(i));
        setItemData(i, f, Qt::FontRole);
    }
    setCurrentIndex(std::max(0, int(texts.indexOf(current))));
}

int CodeListBox::showEntry(const QString &text)
{
    const int i = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (i >= 0 && i != currentIndex()) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(i);
    }
    return i;
}

QStringList CodeListBox::entries() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << itemText(i);
    return out;
}

void CodeListBox::keyPressEvent(QKeyEvent *event)
{
    const bool navigation = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                            event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown ||
                            event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    const bool typing = !event->text().isEmpty() && event->text()[0].isPrint() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if ((navigation && !(event->modifiers() & Qt::AltModifier)) || typing) {
        showPopup();
        // The open list takes the key: it moves there or searches by what was typed.
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QApplication::sendEvent(view(), &copy);
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace vbhost
