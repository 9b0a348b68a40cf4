#pragma once

#include "fakeservices.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << QString(s).replace("\r", "\\r").replace("\n", "\\n").toStdString() << '"';
}

// A wizard window, loaded and shown, with scripted services; driven by pointer and keyboard.
class WizardFixture
{
protected:
    void load(QWidget *window)
    {
        wizard.reset(window);
        wizard->show();
    }
    template <class T = QWidget> T *child(const QString &name) const
    {
        return wizard->findChild<T *>(name);
    }
    void click(const QString &name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    // Types into text boxes; a line feed is the Enter key.
    void fill(std::initializer_list<std::pair<const char *, QString>> boxes)
    {
        for (const auto &[name, text] : boxes) {
            const QStringList lines = text.split(u'\n');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    QTest::keyClick(child(name), Qt::Key_Return);
                QTest::keyClicks(child(name), lines[i]);
            }
        }
    }
    // The code went to the clipboard and was confirmed, and the wizard hid.
    void expectDelivered(const QString &sentence, const QString &code)
    {
        EXPECT_EQ(fake.clipboard, code);
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_EQ(boxes()[0].prompt, sentence + QString(53, ' ') + "\r\n\r\n" + code);
        EXPECT_EQ(boxes()[0].buttons, 64);
        EXPECT_EQ(boxes()[0].title, "Tolvar");
        EXPECT_FALSE(wizard->isVisible());
    }
    QList<ui::FakeServices::MsgBoxCall> boxes() const { return fake.messageBoxes(); }

    ui::FakeServices fake;
    ui::ScopedServices scope{&fake};
    std::unique_ptr<QWidget> wizard;
};
