#include "accessiblenames.h"
#include "addin/about/aboutbox.h"
#include "addin/about/aboutpictures.h"
#include "addin/about/splash.h"
#include "addin/windows/centerform.h"

#include "fakeservices.h"
#include "platform/ui/twips.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

int countPixels(const QImage &image, const std::function<bool(QColor)> &match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixelColor(x, y));
    return n;
}

} // namespace

TEST(SplashTest, BorderlessCentredAndTheSizeOfItsPicture)
{
    ui::FakeServices fake;
    ui::ScopedServices scoped(&fake);
    tolvar::Splash splash;
    EXPECT_EQ(splash.objectName(), "Splash");
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.size(), ui::twipsToPixels(7170, 3015));
    const QPoint twips = tolvar::centeredPositionTwips(fake.screenWidth, fake.screenHeight,
                                                       ui::pixelsToTwips(splash.width()),
                                                       ui::pixelsToTwips(splash.height()));
    EXPECT_EQ(splash.pos(), QPoint(ui::twipsToPixels(twips.x()), ui::twipsToPixels(twips.y())));
    EXPECT_TRUE(fake.callsTo("MsgBox").isEmpty());
}

TEST(SplashTest, PictureShowsARaisedGreyFaceWithBlueLettering)
{
    const QImage picture = tolvar::splashPicture().toImage();
    EXPECT_EQ(picture.size(), QSize(478, 201));
    const QColor face = picture.pixelColor(240, 160);
    EXPECT_EQ(face.red(), face.green());
    EXPECT_GT(face.lightness(), 150);
    // Raised: lighter on the top and left edges than on the bottom and right ones.
    EXPECT_GT(picture.pixelColor(100, 0).lightness(), picture.pixelColor(100, 200).lightness());
    EXPECT_GT(picture.pixelColor(0, 100).lightness(), picture.pixelColor(477, 100).lightness());
    const int lightBlue = countPixels(picture, [](QColor c) {
        return c.blue() > 200 && c.red() > 100 && c.red() < c.blue() - 40;
    });
    const int darkBlue = countPixels(picture, [](QColor c) {
        return c.blue() > 100 && c.blue() < 180 && c.red() < 40 && c.green() < 40;
    });
    EXPECT_GT(lightBlue, 50);
    EXPECT_GT(darkBlue, 50);
    EXPECT_GT(countPixels(picture, [](QColor c) { return c.lightness() < 30; }), 100);
}

TEST(AccessibleNameTest, AboutBoxAndSplashReadAsTheirTitles)
{
    ui::FakeServices fake;
    ui::ScopedServices scoped(&fake);
    tolvar::Splash splash;
    tolvar::AboutBox about;
    EXPECT_FALSE(splash.windowTitle().isEmpty());
    EXPECT_EQ(testing_a11y::misnamedText(&splash), "");
    EXPECT_EQ(testing_a11y::misnamedText(&about), "");
}
