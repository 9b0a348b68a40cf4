#include "addin/about/aboutbox.h"
#include "addin/about/aboutpictures.h"
#include "addin/windows/centerform.h"

#include "fakeservices.h"
#include "platform/ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using tolvar::AboutBox;

namespace {

class AboutBoxTest : public ::testing::Test
{
protected:
    void SetUp() override { ui::setServices(&fake); }
    void TearDown() override { ui::setServices(nullptr); }

    QList<ui::FakeServices::Call> boxes() const { return fake.callsTo("MsgBox"); }

    ui::FakeServices fake;
};

QPoint centred(QWidget *w, const ui::FakeServices &fake)
{
    const QPoint twips = tolvar::centeredPositionTwips(
        fake.screenWidth, fake.screenHeight, ui::pixelsToTwips(w->frameGeometry().width()),
        ui::pixelsToTwips(w->frameGeometry().height()));
    return {ui::twipsToPixels(twips.x()), ui::twipsToPixels(twips.y())};
}

struct Placed
{
    const char *name;
    double left, top, width, height;
    const char *text; // null: not checked
};

} // namespace

class AboutBoxLayoutTest : public AboutBoxTest, public ::testing::WithParamInterface<Placed>
{
};

TEST_P(AboutBoxLayoutTest, ControlSitsInPlace)
{
    AboutBox box;
    const Placed &p = GetParam();
    QWidget *control = box.findChild<QWidget *>(p.name);
    ASSERT_TRUE(control) << p.name;
    const QRect given = ui::twipsToPixels(p.left, p.top, p.width, p.height);
    EXPECT_EQ(control->pos(), given.topLeft());
    EXPECT_EQ(control->height(), given.height());
    // A label may be widened to show its whole text in a wider font, within the window.
    if (qobject_cast<QLabel *>(control) && control->width() != given.width()) {
        EXPECT_GT(control->width(), given.width());
        EXPECT_LE(control->geometry().right(), box.width());
    } else {
        EXPECT_EQ(control->width(), given.width());
    }
    if (p.text) {
        if (auto *label = qobject_cast<QLabel *>(control)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(p.text));
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(p.text));
        }
    }
    EXPECT_FALSE(control->accessibleName().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AboutBoxTest, AboutBoxLayoutTest,
                         ::testing::Values(Placed{"Image1", 480, 405, 480, 480, nullptr},
                                           Placed{"Label2(0)", 1455, 180, 2985, 195,
                                                  "Vantix Software Tolvar Add-In 2.0"},
                                           Placed{"Label2(1)", 1455, 450, 2280, 195,
                                                  "Add-in for 32-bit Visual Basic 4.0"},
                                           Placed{"Label2(2)", 1440, 780, 2460, 195, nullptr},
                                           Placed{"Label2(3)", 1470, 1260, 3075, 195, nullptr},
                                           Placed{"Frame1", 135, 1995, 4830, 60, nullptr},
                                           Placed{"Label1", 135, 2265, 3585, 1185, nullptr},
                                           Placed{"Command1", 3900, 2985, 1125, 360, "OK"},
                                           Placed{"Image2", 0, 3075, 735, 420, nullptr}));

TEST_F(AboutBoxTest, CaptionSizeAndFixedTexts)
{
    AboutBox box;
    EXPECT_EQ(box.objectName(), "aboutbox");
    EXPECT_EQ(box.windowTitle(), "Vantix Software: Tolvar Add-In 2.0 ");
    EXPECT_EQ(box.size(), ui::twipsToPixels(5130, 3495));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_FALSE(box.isModal());
    EXPECT_TRUE(box.findChild<QLabel *>("Label2(0)")->font().bold());
    EXPECT_TRUE(box.findChild<QLabel *>("Label2(3)")->text().startsWith("Web Site: "));
    EXPECT_TRUE(box.findChild<QLabel *>("Label1")->wordWrap());
    EXPECT_EQ(box.findChild<QLabel *>("Label1")->width(), ui::twipsToPixels(3585));
    EXPECT_EQ(box.findChild<QLabel *>("Image1")->pixmap().size(), QSize(32, 32));
}

TEST_F(AboutBoxTest, OnlyOkTakesTheFocus)
{
    AboutBox box;
    for (QWidget *w : box.findChildren<QWidget *>()) {
        if (w->objectName() == "Command1")
            EXPECT_NE(w->focusPolicy(), Qt::NoFocus);
        else
            EXPECT_EQ(w->focusPolicy() & Qt::TabFocus, 0) << w->objectName().toStdString();
    }
}

TEST_F(AboutBoxTest, CentredWhenLoaded)
{
    AboutBox box;
    EXPECT_EQ(box.pos(), centred(&box, fake));
}

TEST_F(AboutBoxTest, CornerAreaShowsCredits)
{
    AboutBox box;
    box.show();
    QWidget *corner = box.findChild<QWidget *>("Image2");
    QTest::mouseClick(corner, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(boxes().size(), 1);
    const auto args = boxes()[0].args;
    const QStringList lines = args[0].toString().split("\r\n");
    EXPECT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.value(1).startsWith("Vantix Software"));
    EXPECT_EQ(args[1].toInt(), 64);
    EXPECT_EQ(args[2].toString(), "Vantix Software: Tolvar Add-In 2.0");
    EXPECT_EQ(args[3].toString(), "");
    EXPECT_EQ(args[4].toInt(), 0);
}

TEST_F(AboutBoxTest, ClicksElsewhereDoNothing)
{
    AboutBox box;
    box.show();
    for (const char *name : {"Image1", "Label2(0)", "Label2(3)", "Label1", "Frame1"})
        QTest::mouseClick(box.findChild<QWidget *>(name), Qt::LeftButton, {}, QPoint(2, 2));
    // Just outside the corner area, on the window itself.
    const QRect corner = box.findChild<QWidget *>("Image2")->geometry();
    QTest::mouseClick(&box, Qt::LeftButton, {}, corner.topRight() + QPoint(2, 0));
    QTest::mouseClick(&box, Qt::LeftButton, {}, corner.topLeft() - QPoint(0, 2));
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(box.isVisible());
}

TEST_F(AboutBoxTest, OkHides)
{
    AboutBox box;
    box.show();
    QTest::mouseClick(box.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(AboutBoxTest, ShownAgainWhereTheUserLeftIt)
{
    AboutBox box;
    box.show();
    box.move(box.pos() + QPoint(37, 21));
    const QPoint left = box.pos();
    QTest::mouseClick(box.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    box.show();
    EXPECT_EQ(box.pos(), left);
}

TEST(AboutPicturesTest, IconKeepsToSixteenColours)
{
    const QImage icon = tolvar::aboutIconPicture().toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (qAlpha(icon.pixel(x, y)) == 255)
                colours.insert(icon.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_GE(colours.size(), 4);
}
