#include "geodesy/Angles.h"
#include "geodesy/ReferenceSystems.h"

#include <gtest/gtest.h>

using namespace tervano;

namespace {
// SexagesimalToDegrees adds 1e-11 before splitting the digits.
constexpr double Tol = 1e-10;
} // namespace

TEST(Angles, PackedNotationsToDecimalDegrees) {
    // 41°55'52.51" typed in notation 1.
    EXPECT_NEAR(SexagesimalToDegrees(41.555251), 41.0 + 55.0 / 60.0 + 52.51 / 3600.0, Tol);
    EXPECT_NEAR(SexagesimalToDegrees(41.552551), 41.0 + 55.0 / 60.0 + 25.51 / 3600.0, Tol);
    EXPECT_NEAR(SexagesimalToDegrees(-3.27084), -3.45233333333333, Tol);
    EXPECT_EQ(SexagesimalToDegrees(0.0), 0.0);
    // A stored 41.5525 sits just below its decimal form; the guard keeps 25 seconds.
    EXPECT_NEAR(SexagesimalToDegrees(41.5525), 41.0 + 55.0 / 60.0 + 25.0 / 3600.0, Tol);
    // Minutes of 60 or more are converted as they stand.
    EXPECT_NEAR(SexagesimalToDegrees(41.7000), 41.0 + 70.0 / 60.0, Tol);

    EXPECT_NEAR(MinutesToDegrees(12.2714), 12.0 + 27.14 / 60.0, 1e-12);
    EXPECT_NEAR(MinutesToDegrees(-12.2714), -(12.0 + 27.14 / 60.0), 1e-12);
    EXPECT_EQ(MinutesToDegrees(0.0), 0.0);
}

TEST(Angles, DecimalDegreesToPackedNotationsWithCarry) {
    EXPECT_NEAR(DegreesToSexagesimal(MonteMario, 4), 12.270840, 1e-10);
    EXPECT_NEAR(DegreesToSexagesimal(-MonteMario, 4), -12.270840, 1e-10);

    // 44°59'59.99996": seconds carry into minutes, minutes into degrees.
    EXPECT_EQ(DegreesToSexagesimal(44.0 + 59.0 / 60.0 + 59.99996 / 3600.0, 4), 45.0);
    // 44°58'59.99996" carries only into the minutes.
    EXPECT_NEAR(DegreesToSexagesimal(44.0 + 58.0 / 60.0 + 59.99996 / 3600.0, 4), 44.59, 1e-12);
    // 59.99994 seconds stay below the threshold.
    EXPECT_NEAR(DegreesToSexagesimal(44.0 + 58.0 / 60.0 + 59.99994 / 3600.0, 4), 44.5859999940, 1e-9);

    // One decimal: 59.96 seconds carry, 59.94 stay.
    EXPECT_NEAR(DegreesToSexagesimal(10.0 + 20.0 / 60.0 + 59.96 / 3600.0, 1), 10.21, 1e-12);
    EXPECT_NEAR(DegreesToSexagesimal(10.0 + 20.0 / 60.0 + 59.94 / 3600.0, 1), 10.205994, 1e-9);
    // Two decimals: 59.996 carries, 59.994 stays.
    EXPECT_NEAR(DegreesToSexagesimal(10.0 + 20.0 / 60.0 + 59.996 / 3600.0, 2), 10.21, 1e-12);
    EXPECT_NEAR(DegreesToSexagesimal(10.0 + 20.0 / 60.0 + 59.994 / 3600.0, 2), 10.2059994, 1e-9);

    // Minutes to 6 decimals: 59.99999996' becomes the next degree; 3 decimals carry at 59.9995'.
    EXPECT_EQ(DegreesToMinutes(7.0 + 59.99999996 / 60.0, 6), 8.0);
    EXPECT_EQ(DegreesToMinutes(-(7.0 + 59.99999996 / 60.0), 6), -8.0);
    EXPECT_NEAR(DegreesToMinutes(7.0 + 59.9994 / 60.0, 3), 7.599994, 1e-9);
    EXPECT_EQ(DegreesToMinutes(7.0 + 59.9996 / 60.0, 3), 8.0);
    EXPECT_NEAR(DegreesToMinutes(12.0 + 27.14 / 60.0, 6), 12.2714, 1e-10);
}

TEST(Angles, GradsAndTheMonteMarioOrigin) {
    EXPECT_DOUBLE_EQ(GradsToDegrees(100.0), 90.0);
    EXPECT_DOUBLE_EQ(DegreesToGrads(45.0), 50.0);

    // Greenwich 12° lies 0.45233333333333° west of Monte Mario; 12°27'08.4" is Monte Mario.
    EXPECT_NEAR(GreenwichToMonteMario(12.0), -0.45233333333333, 1e-13);
    EXPECT_NEAR(SexagesimalToDegrees(12.27084), MonteMario, 1e-10);
    EXPECT_NEAR(MonteMarioToGreenwich(MeridianEstMM), 15.0, 1e-13);
    EXPECT_NEAR(MonteMarioToGreenwich(MeridianOvestMM), 9.0, 1e-13);
    EXPECT_NEAR(MonteMarioToGreenwich(MeridianAuxiliaryMM), 21.0, 1e-12);
}
