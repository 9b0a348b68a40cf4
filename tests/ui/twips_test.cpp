#include "platform/ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace ui;

namespace {

TEST(TwipsTest, TwipsPerPixelFollowsLogicalDpi)
{
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    EXPECT_DOUBLE_EQ(twipsPerPixel(), 1440.0 / dpi);
    if (dpi == 96) {
        EXPECT_DOUBLE_EQ(twipsPerPixel(), 15.0);
    }
}

TEST(TwipsTest, ConversionsRoundTripAndRoundToNearestPixel)
{
    const double tpp = twipsPerPixel();
    for (int pixels : {-20, -1, 0, 1, 7, 96, 800, 4000})
        EXPECT_EQ(twipsToPixels(pixelsToTwips(pixels)), pixels);
    EXPECT_EQ(twipsToPixels(tpp * 10 + tpp * 0.4), 10);
    EXPECT_EQ(twipsToPixels(tpp * 10 + tpp * 0.6), 11);
}

TEST(TwipsTest, EqualWidthsStayEqualWhereverTheyStand)
{
    const double tpp = twipsPerPixel();
    const QRect a = twipsToPixels(tpp * 0.4, 0, tpp * 20.4, tpp * 5);
    const QRect b = twipsToPixels(tpp * 7.6, tpp * 3, tpp * 20.4, tpp * 5);
    EXPECT_EQ(a.width(), b.width());
    EXPECT_EQ(a, QRect(0, 0, 20, 5));
    EXPECT_EQ(b, QRect(8, 3, 20, 5));
    EXPECT_EQ(twipsToPixels(tpp * 30, tpp * 12), QSize(30, 12));
}

} // namespace
