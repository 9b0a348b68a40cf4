#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Runs act on the first visible top-level widget of type T with the given object name once it
// shows, from inside the modal loop that shows it. A window that never shows fails the test and
// closes whatever modal window is open, so that a broken case cannot hang the run.
template <typename T>
void whenShown(const QString &objectName, std::function<void(T *)> act, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *t = qobject_cast<T *>(w);
            if (t && t->isVisible() && t->objectName() == objectName) {
                timer->stop();
                timer->deleteLater();
                act(t);
                return;
            }
        }
        *elapsed += timer->interval();
        if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "window " << objectName.toStdString() << " never showed";
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    timer->start(10);
}

// Opens a message box's details as its "Show Details..." button does; true when the box, frame
// and all, then still fits in its screen's available height.
inline bool fitsWithDetailsOpen(QMessageBox *box)
{
    for (QAbstractButton *b : box->buttons()) {
        if (b->text().startsWith(QLatin1String("Show Details")))
            b->click();
    }
    const int height = box->frameGeometry().height();
    return height > 0 && height <= box->screen()->availableGeometry().height();
}
