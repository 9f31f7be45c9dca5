#include "geodesy/CartesianConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"

#include <cmath>
#include <gtest/gtest.h>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geocentric.hpp>
#endif

using namespace tervano;

namespace {

void ExpectRefused(const InputCheck& c, int field, const std::string& text, CheckIcon icon) {
    EXPECT_EQ(c.failed, field);
    EXPECT_EQ(c.text(), text);
    EXPECT_EQ(c.icon, icon);
}

} // namespace

TEST(CartesianChecks, GeographicInputLimitsAreInclusiveAndTestedInOrder) {
    EXPECT_TRUE(CheckGeographicInput(90, -180, -10000).ok());
    EXPECT_TRUE(CheckGeographicInput(-90, 180, 10000).ok());

    const std::string latitude = "VALORE DELLA LATITUDINE\rNON AMMISSIBILE";
    const std::string longitude = "VALORE DELLA LONGITUDINE\rNON AMMISSIBILE";
    const std::string height = "VALORE DELLA QUOTA\rNON AMMESSO DAL PROGRAMMA";
    ExpectRefused(CheckGeographicInput(90.0000001, 0, 0), InputLatitude, latitude, CheckIcon::Error);
    ExpectRefused(CheckGeographicInput(0, -180.0000001, 0), InputLongitude, longitude, CheckIcon::Error);
    ExpectRefused(CheckGeographicInput(0, 0, 10000.001), InputHeight, height, CheckIcon::Warning);
    ExpectRefused(CheckGeographicInput(0, 0, -10000.001), InputHeight, height, CheckIcon::Warning);
    // The first value out of range is reported.
    ExpectRefused(CheckGeographicInput(91, 181, 20000), InputLatitude, latitude, CheckIcon::Error);
    ExpectRefused(CheckGeographicInput(0, 181, 20000), InputLongitude, longitude, CheckIcon::Error);
    // A number too large for a double is refused like one out of range.
    EXPECT_EQ(CheckGeographicInput(0, 0, 0, true, true, false).failed, InputHeight);
}

TEST(CartesianChecks, CartesianInputLimitsKeepTheirMessagesAsShown) {
    EXPECT_TRUE(CheckCartesianInput(6400000, -6400000, 6400000).ok());
    ExpectRefused(CheckCartesianInput(6400000.001, 0, 0), InputX, "VALORE DELLA X NON\rAMMESSO DAL PROGRAMMA",
                  CheckIcon::Warning);
    ExpectRefused(CheckCartesianInput(0, 6400000.001, 0), InputY, "VALORE DELLA Y NON\rMMESSO DAL PROGRAMMA",
                  CheckIcon::Warning);
    ExpectRefused(CheckCartesianInput(0, 0, -6400000.001), InputZ,
                  "VALORE DELLA Z NON\rAMMESSO DAL PROGRAMMA", CheckIcon::Warning);
    EXPECT_EQ(CheckCartesianInput(0, 7e6, 7e6).failed, InputY);
}

TEST(CartesianConversion, MonteMarioAxisShiftAppliesOnlyToRoma40WithMonteMarioLongitudes) {
    // ROMA40, longitude 0 from Monte Mario, X axis through Greenwich.
    const auto g = ConvertGeographicToCartesian(41.9, 0.0, 120.0, ROMA40, AxisGreenwich, 1);
    EXPECT_TRUE(g.greenwichShown);
    EXPECT_DOUBLE_EQ(g.greenwichLongitude, 12.4523333333333);
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    const GeographicLib::Geocentric hayford(6378388.0, 1.0 / 297.0);
    double x = 0, y = 0, z = 0;
    hayford.Forward(41.9, 12.4523333333333, 120.0, x, y, z);
    EXPECT_NEAR(g.CartX, x, 0.001);
    EXPECT_NEAR(g.CartY, y, 0.001);
    EXPECT_NEAR(g.CartZ, z, 0.001);
#endif
    EXPECT_GT(g.CartY, 1e6);

    // The X axis through Monte Mario puts the point in the XZ plane.
    const auto m = ConvertGeographicToCartesian(41.9, 0.0, 120.0, ROMA40, AxisMonteMario, 1);
    EXPECT_FALSE(m.greenwichShown);
    EXPECT_EQ(m.CartY, 0.0);
    EXPECT_NEAR(m.CartZ, g.CartZ, 1e-9);
    EXPECT_NEAR(std::hypot(m.CartX, m.CartY), std::hypot(g.CartX, g.CartY), 1e-6);

    // Greenwich longitudes already count from the axis: no second shift.
    const auto gw = ConvertGeographicToCartesian(41.9, 0.0, 120.0, ROMA40, AxisGreenwich, 2);
    EXPECT_FALSE(gw.greenwichShown);
    EXPECT_EQ(gw.CartY, 0.0);

    // ED50 and WGS84 ignore the axis choice.
    for (int system : {ED50, WGS84}) {
        const auto e = ConvertGeographicToCartesian(45.0, 0.0, 0.0, system, AxisGreenwich, 1);
        EXPECT_FALSE(e.greenwichShown);
        EXPECT_EQ(e.CartY, 0.0);
        const auto back = ConvertCartesianToGeographic(e.CartX, 1000.0, e.CartZ, system, AxisGreenwich, 1);
        EXPECT_FALSE(back.greenwichShown);
        EXPECT_GT(back.longitude, 0.0);
    }
}

TEST(CartesianConversion, RoundTripKeepsEveryQuadrantAndBothAxes) {
    struct Point {
        double lat, lon, h;
    };
    const Point points[] = {{45.5, 10.25, 350.0},   {-33.0, 151.2, 40.0}, {60.0, -120.0, -50.0},
                            {-10.0, -95.0, 9999.0}, {89.0, 179.9, 0.0},   {38.0, 175.0, 10.0}};
    for (int system : {ROMA40, ED50, WGS84}) {
        for (int axis : {AxisMonteMario, AxisGreenwich}) {
            for (const Point& p : points) {
                SCOPED_TRACE(testing::Message() << system << " " << axis << " " << p.lat << " " << p.lon);
                const auto c = ConvertGeographicToCartesian(p.lat, p.lon, p.h, system, axis, 1);
                const auto g = ConvertCartesianToGeographic(c.CartX, c.CartY, c.CartZ, system, axis, 1);
                ASSERT_TRUE(g.ok);
                EXPECT_NEAR(g.latitude, p.lat, 1e-9);
                EXPECT_NEAR(g.longitude, p.lon, 1e-9);
                EXPECT_NEAR(g.height, p.h, 0.001);
                EXPECT_EQ(g.greenwichShown, c.greenwichShown);
                if (g.greenwichShown)
                    EXPECT_NEAR(g.greenwichLongitude, c.greenwichLongitude, 1e-9);
            }
        }
    }
}

TEST(CartesianConversion, AxisPointsAndThePolarAxis) {
    // A point on the Greenwich X axis counts -12.4523333333333 from Monte Mario.
    const auto onAxis = ConvertCartesianToGeographic(4500000.0, 0.0, 4400000.0, ROMA40, AxisGreenwich, 1);
    ASSERT_TRUE(onAxis.ok);
    EXPECT_DOUBLE_EQ(onAxis.longitude, -12.4523333333333);
    EXPECT_EQ(onAxis.greenwichLongitude, 0.0);

    // X < 0 keeps its true longitude; X = 0 with Y != 0 lies at +-90°.
    EXPECT_NEAR(ConvertCartesianToGeographic(-4e6, 1e6, 4e6, WGS84, 1, 1).longitude, 165.96375653207352,
                1e-9);
    EXPECT_NEAR(ConvertCartesianToGeographic(-4e6, -1e6, 4e6, WGS84, 1, 1).longitude, -165.96375653207352,
                1e-9);
    EXPECT_NEAR(ConvertCartesianToGeographic(0, 4e6, 4e6, ED50, 1, 1).longitude, 90.0, 1e-12);
    EXPECT_NEAR(ConvertCartesianToGeographic(0, -4e6, 4e6, ED50, 1, 1).longitude, -90.0, 1e-12);

    const auto refused = ConvertCartesianToGeographic(0, 0, 6e6, ROMA40, AxisGreenwich, 1);
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.refusal.ok());
    EXPECT_EQ(refused.refusal.text(), "VALORI DELLE COORDINATE\rCARTESIANE NON AMMISSIBILI");
    EXPECT_EQ(refused.refusal.icon, CheckIcon::Warning);
}

TEST(CartesianConversion, PoleRoundTripKeepsHeightAndLongitude) {
    // 90°, -180°, H 0 typed in notation 1 (which reads 90° as 90.00000000003)
    // and converted back gave H = 1 314.013 m and longitude 0.
    for (int system : {ROMA40, ED50, WGS84}) {
        for (int unit : {1, 2, 3, 4}) {
            for (double sign : {1.0, -1.0}) {
                for (double h : {0.0, -10000.0, 10000.0}) {
                    const double typedLat = sign * (unit == 3 ? 100.0 : 90.0);
                    const double typedLon = unit == 3 ? -200.0 : -180.0;
                    const double lat = AngleFromTyped(typedLat, unit).degrees;
                    const double lon = AngleFromTyped(typedLon, unit).degrees;
                    SCOPED_TRACE("system " + std::to_string(system) + " notation " + std::to_string(unit) +
                                 " lat " + std::to_string(lat) + " h " + std::to_string(h));
                    ASSERT_TRUE(CheckGeographicInput(lat, lon, h).ok());
                    const GeographicToCartesianOutcome c =
                        ConvertGeographicToCartesian(lat, lon, h, system, AxisMonteMario, 1);
                    const CartesianToGeographicOutcome g =
                        ConvertCartesianToGeographic(c.CartX, c.CartY, c.CartZ, system, AxisMonteMario, 1);
                    ASSERT_TRUE(g.ok);
                    EXPECT_NEAR(g.latitude, sign * 90.0, 1e-9);
                    EXPECT_NEAR(g.height, h, 0.001);
                    EXPECT_NEAR(std::fabs(g.longitude), 180.0, 1e-9);
                }
            }
        }
    }
}
