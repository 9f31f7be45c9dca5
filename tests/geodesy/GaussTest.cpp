#include "geodesy/Gauss.h"
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

TEST(GaussForward, PublishedPointsToTheTenthOfAMillimetre) {
    const GaussForwardResult hayford = GaussForward(Rad(42.0), Rad(1.0), ROMA40, 0.9996);
    EXPECT_NEAR(hayford.ProjNorth, 4650342.2489, 0.0001);
    EXPECT_NEAR(hayford.ProjEast, 82821.8545, 0.0001);

    // ED50 shares the Hayford ellipsoid.
    const GaussForwardResult ed50 = GaussForward(Rad(42.0), Rad(1.0), ED50, 0.9996);
    EXPECT_EQ(ed50.ProjNorth, hayford.ProjNorth);
    EXPECT_EQ(ed50.ProjEast, hayford.ProjEast);

    const GaussForwardResult wgs = GaussForward(Rad(45.0), Rad(3.0), WGS84, 0.9996);
    EXPECT_NEAR(wgs.ProjNorth, 4987329.5048, 0.0001);
    EXPECT_NEAR(wgs.ProjEast, 236446.0261, 0.0001);
}

TEST(GaussForward, CentralMeridianEquatorAndSymmetry) {
    // On the central meridian North is k0 times the unscaled meridian arc.
    const Ellipsoid h = EllipsoidFor(ROMA40);
    const double b = h.a - h.a * h.f();
    const double e2 = (h.a * h.a - b * b) / (h.a * h.a);
    const GaussForwardResult onMeridian = GaussForward(Rad(44.0), 0.0, ROMA40, 0.9996);
    EXPECT_EQ(onMeridian.ProjEast, 0.0);
    EXPECT_NEAR(onMeridian.ProjNorth, 0.9996 * MeridianArc(Rad(44.0), h.a, e2), 1e-6);

    const GaussForwardResult origin = GaussForward(0.0, 0.0, WGS84, 0.9996);
    EXPECT_EQ(origin.ProjNorth, 0.0);
    EXPECT_EQ(origin.ProjEast, 0.0);

    // Meridian arc to the pole: a quarter meridian of the Hayford ellipsoid.
    EXPECT_NEAR(MeridianArc(Pi() / 2.0, h.a, e2), 10002288.3, 0.1);

    for (double dl : {0.5, 3.0, 7.5}) {
        const GaussForwardResult east = GaussForward(Rad(40.0), Rad(dl), ROMA40, 0.9996);
        const GaussForwardResult west = GaussForward(Rad(40.0), Rad(-dl), ROMA40, 0.9996);
        EXPECT_EQ(east.ProjNorth, west.ProjNorth);
        EXPECT_EQ(east.ProjEast, -west.ProjEast);
    }
}

TEST(GaussInverse, RecoversThePublishedPoints) {
    const GaussInverseResult hayford = GaussInverse(4650342.2489, 82821.8545, ROMA40, 0.9996);
    EXPECT_NEAR(Deg(hayford.GeoLatitude), 42.0, 1e-8);
    EXPECT_NEAR(Deg(hayford.GeoDeltaLongitude), 1.0, 1e-8);

    const GaussInverseResult wgs = GaussInverse(4987329.5048, 236446.0261, WGS84, 0.9996);
    EXPECT_NEAR(Deg(wgs.GeoLatitude), 45.0, 1e-8);
    EXPECT_NEAR(Deg(wgs.GeoDeltaLongitude), 3.0, 1e-8);

    const GaussInverseResult origin = GaussInverse(0.0, 0.0, ROMA40, 0.9996);
    EXPECT_EQ(origin.GeoLatitude, 0.0);
    EXPECT_EQ(origin.GeoDeltaLongitude, 0.0);

    // On the central meridian the latitude is the footpoint latitude, which
    // projects back onto the same North.
    const GaussInverseResult axis = GaussInverse(4650342.2489, 0.0, ROMA40, 0.9996);
    EXPECT_EQ(axis.GeoDeltaLongitude, 0.0);
    EXPECT_NEAR(GaussForward(axis.GeoLatitude, 0.0, ROMA40, 0.9996).ProjNorth, 4650342.2489, 1e-4);

    const GaussInverseResult east = GaussInverse(4500000.0, 150000.0, WGS84, 0.9996);
    const GaussInverseResult west = GaussInverse(4500000.0, -150000.0, WGS84, 0.9996);
    EXPECT_EQ(east.GeoLatitude, west.GeoLatitude);
    EXPECT_EQ(east.GeoDeltaLongitude, -west.GeoDeltaLongitude);
}

TEST(GaussInverse, RoundTripWithinAMillimetreAcrossItaly) {
    // A user-chosen scale factor goes through both directions the same way.
    for (double k0 : {0.9996, 1.0}) {
        for (int system : {ROMA40, WGS84}) {
            for (double lat = 35.0; lat <= 48.0; lat += 1.0) {
                for (double dl = -4.0; dl <= 4.0; dl += 0.5) {
                    const GaussForwardResult p = GaussForward(Rad(lat), Rad(dl), system, k0);
                    const GaussInverseResult g = GaussInverse(p.ProjNorth, p.ProjEast, system, k0);
                    const GaussForwardResult back =
                        GaussForward(g.GeoLatitude, g.GeoDeltaLongitude, system, k0);
                    EXPECT_NEAR(back.ProjNorth, p.ProjNorth, 0.001) << lat << " " << dl;
                    EXPECT_NEAR(back.ProjEast, p.ProjEast, 0.001) << lat << " " << dl;
                    EXPECT_NEAR(Deg(g.GeoLatitude), lat, 1e-8);
                    EXPECT_NEAR(Deg(g.GeoDeltaLongitude), dl, 1e-8);
                }
            }
        }
    }
}
