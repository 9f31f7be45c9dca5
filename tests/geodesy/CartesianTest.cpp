#include "geodesy/Cartesian.h"
#include "geodesy/Angles.h"
#include "geodesy/ReferenceSystems.h"

#include <gtest/gtest.h>

using namespace tervano;

namespace {
double Rad(double d) {
    return DegreesToRadians(d);
}
double Deg(double r) {
    return RadiansToDegrees(r);
}
} // namespace

TEST(GeographicToCartesian, EquatorAndPole) {
    const CartesianResult eq = GeographicToCartesian(0.0, 0.0, 0.0, ROMA40);
    EXPECT_EQ(eq.CartX, 6378388.0);
    EXPECT_EQ(eq.CartY, 0.0);
    EXPECT_EQ(eq.CartZ, 0.0);
    const GeographicResult back = CartesianToGeographic(eq.CartX, eq.CartY, eq.CartZ, ROMA40);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.GeoLatitude, 0.0);
    EXPECT_EQ(back.GeoLongitude, 0.0);
    EXPECT_NEAR(back.GeoHeight, 0.0, 1e-9);

    // Near the pole Z approaches the semi-minor axis.
    const CartesianResult pole = GeographicToCartesian(Rad(90.0 - 1e-9), 0.0, 0.0, WGS84);
    EXPECT_NEAR(pole.CartZ, 6356752.314, 0.001);
    EXPECT_NEAR(pole.CartX, 0.0, 0.001);

    // 90° of longitude on the equator lies on the Y axis.
    const CartesianResult y = GeographicToCartesian(0.0, Rad(90.0), 100.0, WGS84);
    EXPECT_NEAR(y.CartX, 0.0, 1e-6);
    EXPECT_NEAR(y.CartY, 6378237.0, 1e-6);
}

TEST(CartesianToGeographic, LongitudeInEveryQuadrantAndOnTheYAxis) {
    struct Case {
        double lat, lon, h;
    };
    for (const Case& c : {Case{45.0, 12.0, 100.0}, Case{-30.0, 135.0, 2500.0}, Case{10.0, -170.0, -50.0},
                          Case{60.0, -45.0, 0.0}, Case{41.9, 180.0, 10.0}}) {
        const CartesianResult x = GeographicToCartesian(Rad(c.lat), Rad(c.lon), c.h, ED50);
        const GeographicResult g = CartesianToGeographic(x.CartX, x.CartY, x.CartZ, ED50);
        ASSERT_TRUE(g.ok);
        EXPECT_NEAR(Deg(g.GeoLatitude), c.lat, 1e-9);
        EXPECT_NEAR(Deg(g.GeoLongitude), c.lon, 1e-9);
        EXPECT_NEAR(g.GeoHeight, c.h, 0.001);
    }

    // X = 0 with Y != 0 is a valid point at longitude +-90°.
    const GeographicResult east = CartesianToGeographic(0.0, 6378388.0, 0.0, ROMA40);
    ASSERT_TRUE(east.ok);
    EXPECT_NEAR(Deg(east.GeoLongitude), 90.0, 1e-12);
    EXPECT_NEAR(east.GeoHeight, 0.0, 1e-6);
    const GeographicResult west = CartesianToGeographic(0.0, -4000000.0, 4000000.0, ROMA40);
    ASSERT_TRUE(west.ok);
    EXPECT_NEAR(Deg(west.GeoLongitude), -90.0, 1e-12);

    // The antimeridian is reported as +180°, never -180°.
    const GeographicResult anti = CartesianToGeographic(-6378388.0, -0.0, 0.0, ROMA40);
    ASSERT_TRUE(anti.ok);
    EXPECT_EQ(anti.GeoLongitude, Pi());
}

TEST(CartesianToGeographic, RefusesOnlyThePolarAxis) {
    for (double z : {0.0, 6356911.946, -100.0}) {
        const GeographicResult g = CartesianToGeographic(0.0, 0.0, z, ROMA40);
        EXPECT_FALSE(g.ok);
        EXPECT_EQ(g.GeoLatitude, 0.0);
        EXPECT_EQ(g.GeoLongitude, 0.0);
        EXPECT_EQ(g.GeoHeight, 0.0);
    }

    // A point a millimetre off the axis is still converted: it lies on the
    // ellipsoid (Z is the Hayford semi-minor axis, 6 356 911.946 m).
    const GeographicResult nearAxis = CartesianToGeographic(0.001, 0.0, 6356911.946, ROMA40);
    EXPECT_TRUE(nearAxis.ok);
    EXPECT_NEAR(Deg(nearAxis.GeoLatitude), 90.0, 1e-6);
    EXPECT_NEAR(nearAxis.GeoHeight, 0.0, 0.001);
}
