#include "addin/toolwindow/toolbarpictures.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

using tolvar::ButtonPicture;
using tolvar::buttonPicture;

namespace {

bool allGrey(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) > 0 && (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)))
                return false;
        }
    return true;
}

int brightness(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

} // namespace

class ButtonPictureTest : public ::testing::TestWithParam<int>
{
};

TEST_P(ButtonPictureTest, StatesAreTellable)
{
    const QImage up = buttonPicture(GetParam(), ButtonPicture::Up).toImage();
    const QImage dn = buttonPicture(GetParam(), ButtonPicture::Dn).toImage();
    const QImage ck = buttonPicture(GetParam(), ButtonPicture::Ck).toImage();
    for (const QImage &image : {up, dn, ck})
        EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(allGrey(up));
    EXPECT_FALSE(allGrey(dn));
    EXPECT_FALSE(allGrey(ck));
    // Raised: light top-left edge, dark bottom-right; sunken the other way round.
    EXPECT_GT(brightness(dn, 0, 10), brightness(dn, 31, 10));
    EXPECT_LT(brightness(ck, 0, 10), brightness(ck, 31, 10));
    EXPECT_NE(dn, ck);
}

INSTANTIATE_TEST_SUITE_P(ToolbarPicturesTest, ButtonPictureTest, ::testing::Range(1, 13));

TEST(ToolbarPicturesTest, EveryButtonHasItsOwnSymbol)
{
    QSet<QByteArray> seen;
    for (int id = 1; id <= 12; ++id) {
        const QImage image = buttonPicture(id, ButtonPicture::Dn).toImage();
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 12);
}

TEST(ToolbarPicturesTest, IconAndBackgroundHaveTheirSizes)
{
    EXPECT_EQ(tolvar::toolWindowIcon().size(), QSize(16, 16));
    EXPECT_EQ(tolvar::toolbarBackground(QSize(393, 35)).size(), QSize(393, 35));
}
