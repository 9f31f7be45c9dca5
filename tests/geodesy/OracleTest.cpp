// Comparison with GeographicLib's exact transverse Mercator and geocentric
// conversions, an implementation independent of the series used here.
#ifdef TERVANO_HAVE_GEOGRAPHICLIB

#include "geodesy/Angles.h"
#include "geodesy/Cartesian.h"
#include "geodesy/Gauss.h"
#include "geodesy/ReferenceSystems.h"

#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/TransverseMercatorExact.hpp>
#include <gtest/gtest.h>

#include <cmath>

using namespace tervano;

namespace {
double Rad(double d) {
    return DegreesToRadians(d);
}
double Deg(double r) {
    return RadiansToDegrees(r);
}
} // namespace

TEST(Oracle, GaussForwardAgreesWithExactTransverseMercator) {
    for (int system : {ROMA40, WGS84}) {
        const Ellipsoid e = EllipsoidFor(system);
        const GeographicLib::TransverseMercatorExact tm(e.a, e.f(), ScaleFactorUTM);
        double worst = 0.0;
        for (double lat = 35.0; lat <= 48.0; lat += 0.5) {
            for (double dl = -12.0; dl <= 12.0; dl += 0.5) {
                double x = 0.0;
                double y = 0.0;
                tm.Forward(0.0, lat, dl, x, y);
                const GaussForwardResult p = GaussForward(Rad(lat), Rad(dl), system, ScaleFactorUTM);
                worst = std::fmax(worst, std::fmax(std::fabs(p.ProjNorth - y), std::fabs(p.ProjEast - x)));
                EXPECT_NEAR(p.ProjNorth, y, 0.0005) << "system " << system << " lat " << lat << " dl " << dl;
                EXPECT_NEAR(p.ProjEast, x, 0.0005) << "system " << system << " lat " << lat << " dl " << dl;
            }
        }
        RecordProperty(system == WGS84 ? "worst_wgs84_m" : "worst_hayford_m", std::to_string(worst));
    }
}

TEST(Oracle, GaussInverseThenForwardReturnsThePoint) {
    for (int system : {ROMA40, WGS84}) {
        const Ellipsoid e = EllipsoidFor(system);
        const GeographicLib::TransverseMercatorExact tm(e.a, e.f(), ScaleFactorUTM);
        for (double lat = 35.0; lat <= 48.0; lat += 0.5) {
            for (double dl = -12.0; dl <= 12.0; dl += 0.5) {
                double east = 0.0;
                double north = 0.0;
                tm.Forward(0.0, lat, dl, east, north);
                const GaussInverseResult g = GaussInverse(north, east, system, ScaleFactorUTM);
                const GaussForwardResult p =
                    GaussForward(g.GeoLatitude, g.GeoDeltaLongitude, system, ScaleFactorUTM);
                EXPECT_NEAR(p.ProjNorth, north, 0.0005)
                    << "system " << system << " lat " << lat << " dl " << dl;
                EXPECT_NEAR(p.ProjEast, east, 0.0005)
                    << "system " << system << " lat " << lat << " dl " << dl;
            }
        }
    }
}

TEST(Oracle, GeocentricBothWaysInAllQuadrants) {
    for (int system : {ROMA40, WGS84}) {
        const Ellipsoid e = EllipsoidFor(system);
        const GeographicLib::Geocentric geo(e.a, e.f());
        for (double lat = -85.0; lat <= 85.0; lat += 17.0) {
            for (double lon = -175.0; lon <= 180.0; lon += 35.0) {
                for (double h : {-10000.0, -250.0, 0.0, 1234.5, 10000.0}) {
                    double X = 0.0;
                    double Y = 0.0;
                    double Z = 0.0;
                    geo.Forward(lat, lon, h, X, Y, Z);
                    const CartesianResult c = GeographicToCartesian(Rad(lat), Rad(lon), h, system);
                    EXPECT_NEAR(c.CartX, X, 0.0001);
                    EXPECT_NEAR(c.CartY, Y, 0.0001);
                    EXPECT_NEAR(c.CartZ, Z, 0.0001);

                    const GeographicResult g = CartesianToGeographic(X, Y, Z, system);
                    ASSERT_TRUE(g.ok);
                    EXPECT_NEAR(Deg(g.GeoLatitude), lat, 1e-9) << lat << " " << lon << " " << h;
                    EXPECT_NEAR(Deg(g.GeoLongitude), lon, 1e-9) << lat << " " << lon << " " << h;
                    EXPECT_NEAR(g.GeoHeight, h, 0.001) << lat << " " << lon << " " << h;
                }
            }
        }
    }
}

TEST(Oracle, GeocentricNearThePolesToTheMillimetre) {
    // Latitudes closing in on the poles, where p / cos(lat) - N cancels; every
    // system, longitudes all round, heights over the accepted range.
    for (int system : {ROMA40, ED50, WGS84}) {
        const Ellipsoid e = EllipsoidFor(system);
        const GeographicLib::Geocentric geo(e.a, e.f());
        for (double lat :
             {44.9, 45.0, 45.1, 60.0, 80.0, 89.0, 89.9, 89.999, 89.99999, 89.9999999, 89.999999999, 90.0}) {
            for (double sign : {1.0, -1.0}) {
                for (double lon : {-180.0, -97.5, 0.0, 12.4523333333333, 135.0, 180.0}) {
                    for (double h : {-10000.0, 0.0, 1314.0, 10000.0}) {
                        const double phi = sign * lat;
                        const CartesianResult c = GeographicToCartesian(Rad(phi), Rad(lon), h, system);
                        double oLat = 0.0;
                        double oLon = 0.0;
                        double oH = 0.0;
                        geo.Reverse(c.CartX, c.CartY, c.CartZ, oLat, oLon, oH);
                        const GeographicResult g = CartesianToGeographic(c.CartX, c.CartY, c.CartZ, system);
                        ASSERT_TRUE(g.ok);
                        EXPECT_NEAR(Deg(g.GeoLatitude), oLat, 1e-9) << phi << " " << lon << " " << h;
                        EXPECT_NEAR(g.GeoHeight, oH, 0.001) << phi << " " << lon << " " << h;
                        EXPECT_NEAR(g.GeoHeight, h, 0.001) << phi << " " << lon << " " << h;
                    }
                }
            }
        }
    }

    // Typed points a millimetre and a metre off the polar axis, above and below
    // the ellipsoid (CartConvert gives -0.00004 m for the first).
    struct Typed {
        double x, y, z;
    };
    for (int system : {ROMA40, WGS84}) {
        const Ellipsoid e = EllipsoidFor(system);
        const GeographicLib::Geocentric geo(e.a, e.f());
        for (const Typed& t :
             {Typed{0.001, 0.0, 6356911.946}, Typed{0.0, -0.001, -6356911.946}, Typed{1.0, 1.0, 6360000.0},
              Typed{-0.5, 0.0, -6350000.0}, Typed{0.001, 0.001, 6366752.314}}) {
            double oLat = 0.0;
            double oLon = 0.0;
            double oH = 0.0;
            geo.Reverse(t.x, t.y, t.z, oLat, oLon, oH);
            const GeographicResult g = CartesianToGeographic(t.x, t.y, t.z, system);
            ASSERT_TRUE(g.ok);
            EXPECT_NEAR(Deg(g.GeoLatitude), oLat, 1e-9) << t.x << " " << t.y << " " << t.z;
            EXPECT_NEAR(g.GeoHeight, oH, 0.001) << t.x << " " << t.y << " " << t.z;
        }
    }
}

#endif
