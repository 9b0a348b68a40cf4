#include "ide/shell/windowplacement.h"

#include <gtest/gtest.h>

using vbhost::placeWithin;

namespace {

struct PlacementCase
{
    QRect wanted;
    QRect placed;
};

class WindowPlacementTest : public ::testing::TestWithParam<PlacementCase>
{
};

} // namespace

// In a 800 x 600 area: what fits stays, what sticks out moves in, what is too big shrinks.
TEST_P(WindowPlacementTest, LiesWhollyInsideTheArea)
{
    EXPECT_EQ(placeWithin(GetParam().wanted, QRect(0, 0, 800, 600)), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowPlacementTest,
                         ::testing::Values(PlacementCase{{10, 20, 640, 420}, {10, 20, 640, 420}},
                                           PlacementCase{{300, 250, 640, 420},
                                                         {160, 180, 640, 420}},
                                           PlacementCase{{-30, -5, 100, 100}, {0, 0, 100, 100}},
                                           PlacementCase{{50, 50, 1000, 700}, {0, 0, 800, 600}}));
