#pragma once

#include <QApplication>
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
