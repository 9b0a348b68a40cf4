#include "fixturefrx.h"
#include "ide/designer/designfonts.h"
#include "ide/designer/formcanvas.h"
#include "ide/designer/formchrome.h"
#include "ide/designer/formdesigner.h"
#include "ide/model/workspace.h"
#include "platform/ui/twips.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace vbhost;

namespace {

QString fixtureDir()
{
    return qEnvironmentVariable("TOLVAR_SOURCE_DIR", QStringLiteral(".")) +
           QStringLiteral("/tests/designer/fixtures");
}

// The fixture project with its companions, opened; forms drawn offscreen on request.
class Rendered
{
public:
    explicit Rendered(bool withCompanions = true)
    {
        for (const QString &name : QDir(fixtureDir()).entryList(QDir::Files))
            QFile::copy(fixtureDir() + u'/' + name, dir.filePath(name));
        if (withCompanions)
            fixturefrx::writeFixtureCompanions(dir.path());
        ws.open(dir.filePath(QStringLiteral("Looks.vbp")));
    }

    FormCanvas &canvas(const QString &form)
    {
        for (const DocumentInfo &d : ws.documents()) {
            if (d.name == form && !canvases.contains(form))
                canvases[form] = std::make_shared<FormCanvas>(ws, d.id);
        }
        return *canvases.at(form);
    }
    QImage image(const QString &form) { return canvas(form).grab().toImage(); }

    QTemporaryDir dir;
    Workspace ws;
    std::map<QString, std::shared_ptr<FormCanvas>> canvases;
};

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// A pixel named by a control: a place across its rectangle (0 to 1) plus pixels.
struct Sample
{
    const char *what;
    const char *form;
    const char *control;
    double fx, fy;
    int dx, dy;
    QColor expected;
    int tolerance = 0;
};

const QColor Teal(0, 128, 128);

class RenderSampleTest : public ::testing::TestWithParam<Sample>
{
protected:
    static Rendered &fixture()
    {
        static Rendered r;
        return r;
    }
};

TEST_P(RenderSampleTest, PixelShowsTheFilesLook)
{
    const Sample &s = GetParam();
    Rendered &r = fixture();
    const QImage image = r.image(s.form);
    const QRect rect = s.control[0] ? r.canvas(s.form).controlRect(s.control) : image.rect();
    ASSERT_FALSE(rect.isNull()) << s.control;
    const QPoint at = rect.topLeft() +
                      QPoint(int(s.fx * (rect.width() - 1)), int(s.fy * (rect.height() - 1))) +
                      QPoint(s.dx, s.dy);
    const QColor got = image.pixelColor(at);
    EXPECT_TRUE(near(got, s.expected, s.tolerance))
        << s.what << ": " << got.name().toStdString() << " at " << at.x() << "," << at.y();
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, RenderSampleTest,
    ::testing::Values(
        Sample{"form colour", "Palette", "", 0, 0, 20, 200, Teal},
        Sample{"class default colour", "Settings", "", 0, 0, 250, 225, QColor(192, 192, 192)},
        Sample{"control colour", "Settings", "lstPrinters", 1, 1, -4, -4, QColor(192, 255, 255)},
        Sample{"flat text box colour", "Palette", "txtFlat", 1, 0.5, -3, 0, QColor(255, 255, 192)},
        Sample{"system colour", "Palette", "lblNote", 0, 1, 3, -3, QColor(255, 255, 225)},
        Sample{"transparent label", "Palette", "lblVersion", 0, 1, 0, 0, Teal},
        Sample{"frame without border", "Palette", "fraPlain", 0, 0, 0, 8, Teal},
        Sample{"frame without caption", "Palette", "fraPlain", 0, 0, 12, 6, Teal},
        Sample{"picture from the companion", "Palette", "picPhoto", 0, 0, 10, 10,
               fixturefrx::kPhotoColour, 12},
        Sample{"stretched image, top right", "Palette", "imgStretch", 0.8, 0.2, 0, 0, Qt::green},
        Sample{"stretched image, bottom left", "Palette", "imgStretch", 0.2, 0.8, 0, 0, Qt::blue},
        Sample{"graphical button picture", "Palette", "cmdGo", 0.5, 0.35, 0, 0,
               fixturefrx::kButtonColour},
        Sample{"icon in an image", "Settings", "imgIcon", 0, 0, 8, 8, fixturefrx::kIconColour},
        Sample{"circle filled", "Palette", "shpCircle", 0.5, 0.5, 0, 0, Qt::red},
        Sample{"circle, not its box", "Palette", "shpCircle", 0, 0, 3, 3, Teal},
        Sample{"line", "Palette", "linDiagonal", 0.5, 0.5, 0, 0, Qt::green}));

TEST(RenderTest, AutoSizeLabelHoldsItsWholeCaption)
{
    Rendered r;
    const QImage image = r.image("Palette");
    const QRect label = r.canvas("Palette").controlRect("lblVersion");
    const int fileWidth = ui::twipsToPixels(615);
    int rightmostInk = -1, inkOutside = 0;
    // Above the stretched picture's yellow quarter.
    const int bottom = r.canvas("Palette").controlRect("imgStretch").center().y();
    for (int y = 0; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!near(image.pixelColor(x, y), Qt::yellow, 60))
                continue;
            if (!label.contains(x, y))
                ++inkOutside;
            rightmostInk = std::max(rightmostInk, x);
        }
    }
    EXPECT_EQ(inkOutside, 0);
    EXPECT_GT(rightmostInk, label.left() + fileWidth * 2);
    EXPECT_LE(label.right() - rightmostInk, 6);
}

TEST(RenderTest, FormOpensAndDrawsWithoutItsCompanion)
{
    Rendered r(false);
    const QImage image = r.image("Palette");
    const QRect box = r.canvas("Palette").controlRect("picPhoto");
    EXPECT_EQ(image.pixelColor(box.center()), QColor(Qt::white));
}

TEST(RenderTest, CaptionBarFollowsBorderStyleAndButtons)
{
    Rendered r;
    for (const char *form : {"Palette", "Settings"}) {
        for (const DocumentInfo &d : r.ws.documents()) {
            if (d.name != form)
                continue;
            FormDesigner designer(r.ws, d.id);
            auto *bar = designer.findChild<CaptionBar *>();
            ASSERT_NE(bar, nullptr);
            EXPECT_EQ(bar->text(), r.ws.property(d.id, {}, "Caption").toString());
            const QImage shot = bar->grab().toImage();
            // The sizable form shows its icon; the fixed dialog has none there.
            const QColor iconPixel = shot.pixelColor(8, shot.height() / 2);
            EXPECT_EQ(iconPixel == fixturefrx::kIconColour, QString(form) == "Palette") << form;
        }
    }
}

TEST(RenderTest, MappedFamiliesAreInstalled)
{
    for (const char *name :
         {"Arial", "Times New Roman", "Courier New", "MS Sans Serif", "SimSun"}) {
        FileFont font;
        font.name = QString::fromLatin1(name);
        const QString family = designFont(font, 15).family();
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << name << " -> " << family.toStdString();
    }
}

} // namespace
