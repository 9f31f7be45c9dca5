#include "geodesy/Angles.h"

#include <gtest/gtest.h>

using namespace tervano;

TEST(Angles, NotationsRoundTrip) {
    EXPECT_NEAR(SexagesimalToDegrees(41.555251), 41.0 + 55.0 / 60 + 25.51 / 3600, 1e-12);
    EXPECT_NEAR(SexagesimalToDegrees(-3.27084), -3.4523333333333, 1e-12);
    EXPECT_NEAR(DegreesToSexagesimal(12.4523333333333, 4), 12.270840, 1e-9);
}
