#pragma once

#include <QAccessible>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>
#include <QWidget>

namespace testing_a11y {

// What a screen reader reads as the widget's name, through Qt's accessibility interface.
inline QString readName(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

// The title as the window frame shows it.
inline QString shownTitle(QWidget *w)
{
    QString t = w->windowTitle();
    return t.replace(QStringLiteral("[*]"),
                     w->isWindowModified() ? QStringLiteral("*") : QString());
}

// Windows (the root and the windows inside it) read as their titles, labels as their texts,
// and status bars carry no fixed name. Returns one line per widget that does not.
inline QStringList misnamed(QWidget *root)
{
    QStringList out;
    QList<QWidget *> all = root->findChildren<QWidget *>();
    all.prepend(root);
    for (QWidget *w : all) {
        QString expected;
        if (qobject_cast<QMenu *>(w))
            continue; // read by its entry in the menu bar
        if (w->isWindow() || qobject_cast<QMdiSubWindow *>(w))
            expected = shownTitle(w);
        else if (auto *label = qobject_cast<QLabel *>(w);
                 label && label->pixmap().isNull() && !Qt::mightBeRichText(label->text()))
            expected = label->text().remove(u'&');
        else if (qobject_cast<QStatusBar *>(w) && w->accessibleName().isEmpty())
            continue;
        else if (qobject_cast<QStatusBar *>(w))
            expected = QStringLiteral("(no fixed name)");
        else
            continue;
        if (readName(w) != expected)
            out << QStringLiteral("%1: reads \"%2\", shows \"%3\"")
                       .arg(w->objectName(), readName(w), expected);
    }
    return out;
}

// The same, one line each, for a test's failure message.
inline std::string misnamedText(QWidget *root)
{
    return misnamed(root).join(u'\n').toStdString();
}

} // namespace testing_a11y
