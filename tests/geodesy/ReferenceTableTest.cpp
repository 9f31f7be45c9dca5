#include "geodesy/InRange.h"
#include "geodesy/ReferenceSystems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace tervano;

namespace {
// Monte Mario from its definition, 12°27'08.400" east of Greenwich.
constexpr double MonteMarioExact = 12.0 + 27.0 / 60.0 + 8.4 / 3600.0;
} // namespace

// The zone table against the published zone definitions: central meridians
// 9°, 15°, 21° E of Greenwich, false easts 500 000 (UTM), 1 500 000 (Ovest),
// 2 520 000 (Est) and 3 500 000 (the auxiliary zone on 21° E), scale 0.9996;
// ROMA40 meridians counted from Monte Mario. A digit lost in any literal
// moves a meridian by far more than these tolerances.
TEST(ReferenceTable, ZonesMatchTheirDefinitions) {
    struct Expected {
        int code;
        double greenwich;
        bool roma40;
        double falseEast;
    };
    const Expected zones[] = {{UTM32, 9.0, false, 500000.0},  {UTM33, 15.0, false, 500000.0},
                              {UTM34, 21.0, false, 500000.0}, {GBOvest, 9.0, true, 1500000.0},
                              {GBEst, 15.0, true, 2520000.0}, {AuxiliaryZone, 21.0, true, 3500000.0}};
    for (const Expected& e : zones) {
        SCOPED_TRACE(e.code);
        const Zone& z = ZoneFor(e.code);
        EXPECT_EQ(z.zoneCode, e.code);
        EXPECT_EQ(z.centralMeridianGreenwich, e.greenwich);
        const double own = e.roma40 ? e.greenwich - MonteMarioExact : e.greenwich;
        EXPECT_NEAR(z.centralMeridian, own, 1e-13);
        EXPECT_NEAR(z.meridianAddedBack, own, 1e-13);
        EXPECT_EQ(z.falseEast, e.falseEast);
        EXPECT_EQ(z.scaleFactor, 0.9996);
    }
    // Only the auxiliary zone adds back a meridian written otherwise.
    for (int code = UTM32; code <= GBEst; ++code)
        EXPECT_EQ(ZoneFor(code).meridianAddedBack, ZoneFor(code).centralMeridian) << code;
    EXPECT_NE(ZoneFor(AuxiliaryZone).meridianAddedBack, ZoneFor(AuxiliaryZone).centralMeridian);
    // Codes outside 1..6 give UTM 32, as the plane conversions always took them.
    EXPECT_EQ(ZoneFor(0).zoneCode, UTM32);
    EXPECT_EQ(ZoneFor(7).zoneCode, UTM32);

    // Monte Mario in both of its forms, the boundaries at 12° and 18° E of
    // Greenwich, and the short and radian forms of the meridians.
    EXPECT_NEAR(MonteMario, MonteMarioExact, 1e-12);
    EXPECT_NEAR(GreenwichShift(), MonteMarioExact, 1e-10);
    EXPECT_NEAR(BoundOvestEstMM, 12.0 - MonteMarioExact, 1e-13);
    EXPECT_NEAR(BoundEstAuxiliaryMM, 18.0 - MonteMarioExact, 1e-12);
    EXPECT_EQ(BoundUTM32UTM33, 12.0);
    EXPECT_EQ(BoundUTM33UTM34, 18.0);
    EXPECT_NEAR(MeridianEstShortMM, 15.0 - MonteMarioExact, 1e-10);
    const double toRadians = std::numbers::pi / 180.0;
    EXPECT_NEAR(MeridianAuxiliaryRadians, (21.0 - MonteMarioExact) * toRadians, 5e-10);
    EXPECT_NEAR(MeridianEstRadians, (15.0 - MonteMarioExact) * toRadians, 5e-10);

    EXPECT_EQ(GaussBoagaZoneOfEast(2000000.0), GBOvest);
    EXPECT_EQ(GaussBoagaZoneOfEast(std::nextafter(2000000.0, 3e6)), GBEst);
}

// Ranges include their bounds and refuse what is not a number or did not fit
// a double; angles get 1e-10° of slack, enough for a typed bound (a few
// 1e-11° off) and no more.
TEST(ReferenceTable, RangesAndAngleSlack) {
    EXPECT_TRUE(InRange(3800000.0, 3800000.0, 5500000.0));
    EXPECT_TRUE(InRange(5500000.0, 3800000.0, 5500000.0));
    EXPECT_FALSE(InRange(std::nextafter(5500000.0, 6e6), 3800000.0, 5500000.0));
    EXPECT_FALSE(InRange(std::numeric_limits<double>::quiet_NaN(), -1.0, 1.0));
    EXPECT_FALSE(InRange(0.0, -1.0, 1.0, false));

    EXPECT_TRUE(AngleInRange(49.0 + 3e-11, 35.0, 49.0));
    EXPECT_TRUE(AngleInRange(35.0 - 3e-11, 35.0, 49.0));
    EXPECT_FALSE(AngleInRange(49.0 + 2e-10, 35.0, 49.0));
    EXPECT_FALSE(AngleInRange(35.0 - 2e-10, 35.0, 49.0));
    EXPECT_FALSE(AngleInRange(std::numeric_limits<double>::quiet_NaN(), 35.0, 49.0));
    EXPECT_FALSE(AngleInRange(40.0, 35.0, 49.0, false));
}
