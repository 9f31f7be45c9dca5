#include "geodesy/SingleZone.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"

#include <gtest/gtest.h>

#include <cmath>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <GeographicLib/TransverseMercatorExact.hpp>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>
#endif

using namespace tervano;

namespace {

SingleZoneSettings Settings(int system, int origin = 1) {
    SingleZoneSettings s;
    s.systemCode = system;
    s.longitudeOrigin = origin;
    return s;
}

SingleZoneSettings Typed(int system, double meridian, double falseEast, double scale, int origin = 1) {
    SingleZoneSettings s = Settings(system, origin);
    s.MeridianChoice = TypedChoice;
    s.typedMeridian = meridian;
    s.typedFalseEast = falseEast;
    s.ScaleChoice = TypedChoice;
    s.typedScale = scale;
    return s;
}

std::string East(const SingleZoneSettings& s, double lat, double lon) {
    return FormatPattern(SingleZoneForward(ResolveParameters(s), s.systemCode, lat, lon).East,
                         Patterns::Metres);
}

} // namespace

TEST(SingleZone, DefaultMeridianFollowsSystemAndOrigin) {
    EXPECT_EQ(DefaultCentralMeridian(ROMA40, 1), 0.0);
    EXPECT_EQ(DefaultCentralMeridian(ROMA40, 2), 12.0);
    EXPECT_EQ(DefaultCentralMeridian(ED50, 1), 12.0);
    EXPECT_EQ(DefaultCentralMeridian(WGS84, 1), 12.0);

    // Points on the default meridian lie on the false East.
    EXPECT_EQ(East(Settings(ED50), 45, 12), "1 000 000.000");
    EXPECT_EQ(East(Settings(WGS84), 45, 12), "1 000 000.000");
    EXPECT_EQ(East(Settings(ROMA40, 1), 42, 0), "1 000 000.000");
    EXPECT_EQ(East(Settings(ROMA40, 2), 42, 12), "1 000 000.000");

    const SingleZoneParameters p = ResolveParameters(Settings(ED50));
    EXPECT_EQ(p.falseEast, 1000000.0);
    EXPECT_EQ(p.ScaleFactor, 0.9996);
    // Typed values replace the defaults only when chosen.
    SingleZoneSettings s = Typed(ED50, 10.5, 250000, 0.9999);
    s.ScaleChoice = DefaultChoice;
    const SingleZoneParameters q = ResolveParameters(s);
    EXPECT_EQ(q.centralMeridian, 10.5);
    EXPECT_EQ(q.falseEast, 250000.0);
    EXPECT_EQ(q.ScaleFactor, 0.9996);
}

TEST(SingleZone, ScaleFactorLimitsComeFirst) {
    const std::string message =
        "VALORE DEL FATTORE DI SCALA\rSUL MERIDIANO CENTRALE\rNON AMMESSO DAL PROGRAMMA";
    EXPECT_TRUE(CheckSingleZoneGeographic(Typed(ED50, 12, 0, 10), 45, 12).ok());
    EXPECT_TRUE(CheckSingleZoneGeographic(Typed(ED50, 12, 0, 0.000001), 45, 12).ok());
    for (double bad : {10.0001, 0.0, 0.00000099, -1.0}) {
        const InputCheck c = CheckSingleZoneGeographic(Typed(ED50, 12, 0, bad), 0, 0);
        EXPECT_EQ(c.failed, InputScaleFactor) << bad;
        EXPECT_EQ(c.text(), message);
        EXPECT_EQ(c.icon, CheckIcon::Error);
        EXPECT_EQ(CheckSingleZonePlane(Typed(ED50, 12, 0, bad), 0, 0).failed, InputScaleFactor);
    }
    // An empty box with the usual factor chosen is not looked at.
    SingleZoneSettings s = Typed(ED50, 12, 0, 0);
    s.ScaleChoice = DefaultChoice;
    EXPECT_TRUE(CheckSingleZoneGeographic(s, 45, 12).ok());
}

TEST(SingleZone, GeographicChecksBySystem) {
    const std::string meridian =
        "VALORE DELLA LONGITUDINE DEL MERIDIANO\rCENTRALE NON AMMESSO DAL PROGRAMMA\rPER IL SISTEMA INDICATO";
    // ROMA40 with Monte Mario longitudes.
    EXPECT_TRUE(CheckSingleZoneGeographic(Settings(ROMA40), 35, -9).ok());
    EXPECT_TRUE(CheckSingleZoneGeographic(Settings(ROMA40), 49, 9).ok());
    auto c = CheckSingleZoneGeographic(Settings(ROMA40), 34.9999, 0);
    EXPECT_EQ(c.failed, InputZoneLatitude);
    EXPECT_EQ(c.text(), "VALORE DELLA LATITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    c = CheckSingleZoneGeographic(Settings(ROMA40), 42, 9.0001);
    EXPECT_EQ(c.text(), "VALORE DELLA LONGITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_EQ(CheckSingleZoneGeographic(Typed(ROMA40, -9.5, 0, 1), 42, 0).text(), meridian);
    // ROMA40 with Greenwich longitudes.
    EXPECT_TRUE(CheckSingleZoneGeographic(Settings(ROMA40, 2), 42, 5).ok());
    EXPECT_EQ(CheckSingleZoneGeographic(Settings(ROMA40, 2), 42, 0).failed, InputZoneLongitude);
    EXPECT_TRUE(CheckSingleZoneGeographic(Typed(ROMA40, 25, 0, 1, 2), 42, 12).ok());
    // ED50 and WGS84.
    EXPECT_TRUE(CheckSingleZoneGeographic(Settings(WGS84), 1, 25).ok());
    EXPECT_TRUE(CheckSingleZoneGeographic(Settings(WGS84), 80, 5).ok());
    c = CheckSingleZoneGeographic(Settings(ED50), 80.01, 12);
    EXPECT_EQ(c.text(), "VALORE DELLA LATITUDINE\rNON AMMISSIBILE");
    c = CheckSingleZoneGeographic(Settings(ED50), 45, 4.99);
    EXPECT_EQ(c.text(), "VALORE DELLA LONGITUDINE\rNON AMMISSIBILE");
    c = CheckSingleZoneGeographic(Typed(ED50, 26, 0, 1), 45, 12);
    EXPECT_EQ(c.failed, InputCentralMeridian);
    EXPECT_EQ(c.text(), meridian);
    EXPECT_EQ(c.text(), "VALORE DELLA LONGITUDINE DEL MERIDIANO\rCENTRALE NON AMMESSO DAL PROGRAMMA\r"
                        "PER IL SISTEMA INDICATO");
}

TEST(SingleZone, PlaneChecksMirrorTheEastLimitAboutZero) {
    const std::string romaNorth = "VALORE DELLA COORDINATA NORD NON\rAMMISSIBILE PER IL SISTEMA INDICATO";
    const std::string romaEast = "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO";
    const SingleZoneSettings roma = Settings(ROMA40);
    // The corners of the ROMA40 ranges lie 14° to 35° from the meridian, where
    // no accepted latitude and longitude fall: refused on the coordinate whose
    // geographic value is out (31.0° N, 33.5° W; 48.5° N, 17.4° E).
    EXPECT_EQ(CheckSingleZonePlane(roma, 3964000, -2281000).text(), romaNorth);
    EXPECT_EQ(CheckSingleZonePlane(roma, 5523000, 2281000).text(), romaEast);
    EXPECT_EQ(CheckSingleZonePlane(roma, 4500000, -2281001).failed, InputZoneEast);
    EXPECT_EQ(CheckSingleZonePlane(roma, 4500000, 2281001).text(), romaEast);
    EXPECT_EQ(CheckSingleZonePlane(roma, 3963999.999, 1000000).text(), romaNorth);
    // The true western limit at North 4 500 000: longitude -9° lies at East
    // 234 570.273 (GeographicLib TransverseMercatorExact, Hayford, k0 0.9996).
    EXPECT_TRUE(CheckSingleZonePlane(roma, 4500000, 234570.29).ok());
    EXPECT_EQ(CheckSingleZonePlane(roma, 4500000, 234570.25).text(), romaEast);
    // A typed false East moves both limits; they stay where the range puts
    // them when meridian and false East bring them inside the accepted region.
    const SingleZoneSettings typed = Typed(ROMA40, 0, 500000, 1);
    EXPECT_EQ(CheckSingleZonePlane(typed, 4500000, -1781000).failed, InputZoneEast); // 35° W
    EXPECT_FALSE(CheckSingleZonePlane(typed, 4500000, -1781000.001).ok());
    EXPECT_FALSE(CheckSingleZonePlane(typed, 4500000, 1781000.001).ok());
    const SingleZoneSettings west = Typed(ROMA40, -9, 500000, 1);
    EXPECT_TRUE(CheckSingleZonePlane(west, 4500000, 1781000).ok());
    EXPECT_EQ(CheckSingleZonePlane(west, 4500000, 1781000.001).text(), romaEast);
    // With a false East of -1 000 000 the lower limit is -281 000, not -2 281 000.
    const SingleZoneSettings negative = Typed(ROMA40, 0, -1000000, 1);
    EXPECT_TRUE(CheckSingleZonePlane(negative, 4500000, -281000).ok());
    EXPECT_EQ(CheckSingleZonePlane(negative, 4500000, -281000.001).text(), romaEast);
    EXPECT_EQ(CheckSingleZonePlane(Typed(ROMA40, 9.5, 500000, 1), 4500000, 0).text(),
              "VALORE DELLA LONGITUDINE DEL MERIDIANO\rCENTRALE NON AMMESSO DAL PROGRAMMA\rPER IL SISTEMA "
              "INDICATO");

    const std::string edNorth = "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE";
    const std::string edEast = "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE";
    const SingleZoneSettings ed = Settings(ED50);
    // Corners of the ED50 ranges: 0.86° N 23.8° W, 80.6° N on the meridian,
    // 0.99° N 32.0° E; all outside latitudes 1 to 80.
    EXPECT_EQ(CheckSingleZonePlane(ed, 117000, -3272000).text(), edNorth);
    EXPECT_EQ(CheckSingleZonePlane(ed, 8950000, 1000000).text(), edNorth);
    EXPECT_EQ(CheckSingleZonePlane(ed, 117000, 3272000).failed, InputZoneNorth);
    // 80° N on the meridian: North 8 881 848.910 (GeographicLib, k0 0.9996).
    EXPECT_TRUE(CheckSingleZonePlane(ed, 8881848.89, 1000000).ok());
    EXPECT_EQ(CheckSingleZonePlane(ed, 8881848.93, 1000000).text(), edNorth);
    // Inside the ranges but on no projected point: 2 272 km east of the
    // meridian at 80° N, and North past the pole for a scale of 0.5.
    EXPECT_EQ(CheckSingleZonePlane(ed, 8950000, 3272000).text(), edEast);
    EXPECT_EQ(CheckSingleZonePlane(ed, 8950000, 3272000).failed, InputZoneEast);
    SingleZoneSettings half = Settings(ED50);
    half.ScaleChoice = TypedChoice;
    half.typedScale = 0.5;
    EXPECT_EQ(CheckSingleZonePlane(half, 5100000, 1000000).failed, InputZoneNorth);
    EXPECT_EQ(CheckSingleZonePlane(half, 5100000, 1000000).text(), edNorth);
    // 88° N with the scale of 0.5; 80° N lies at North 4 442 701.535.
    EXPECT_EQ(CheckSingleZonePlane(half, 4900000, 1000000).text(), edNorth);
    EXPECT_TRUE(CheckSingleZonePlane(half, 4442701.52, 1000000).ok());
    EXPECT_EQ(CheckSingleZonePlane(half, 4442701.55, 1000000).failed, InputZoneNorth);
    EXPECT_EQ(CheckSingleZonePlane(ed, 8950000.001, 0).text(), edNorth);
    EXPECT_EQ(CheckSingleZonePlane(ed, 5000000, 3272000.001).text(), edEast);
    const InputCheck c = CheckSingleZonePlane(Typed(ED50, 26, 1000000, 1), 5000000, 1000000);
    EXPECT_EQ(c.failed, InputCentralMeridian);
    EXPECT_EQ(c.text(), "VALORE DELLA LONGITUDINE DEL MERIDIANO CENTRALE\rNON AMMESSO DAL PROGRAMMA \rPER IL "
                        "SISTEMA INDICATO");
}

TEST(SingleZone, TypedFalseEastMustBeReadableAndWithinTenThousandKilometres) {
    const std::string message = "VALORE DELLA FALSA ORIGINE EST\rNON AMMESSO DAL PROGRAMMA";
    for (double fe : {10000000.0, -10000000.0, 0.0})
        EXPECT_TRUE(CheckSingleZoneGeographic(Typed(ED50, 12, fe, 0.9996), 45, 12).ok()) << fe;
    EXPECT_TRUE(CheckSingleZonePlane(Typed(ED50, 12, 10000000.0, 0.9996), 5000000, 10000000.0).ok());
    for (double fe : {10000000.001, -10000000.001, 1e308}) {
        const InputCheck geo = CheckSingleZoneGeographic(Typed(ED50, 12, fe, 0.9996), 45, 12);
        EXPECT_EQ(geo.failed, InputFalseEast) << fe;
        EXPECT_EQ(geo.text(), message);
        EXPECT_EQ(geo.icon, CheckIcon::Error);
        // Before the East check, whose limits it would move.
        EXPECT_EQ(CheckSingleZonePlane(Typed(ROMA40, 0, fe, 0.9996), 5000000, fe).failed, InputFalseEast)
            << fe;
    }
    // "1E400" reads as 0 but is not a number the program can use.
    SingleZoneSettings unreadable = Typed(WGS84, 12, 0, 0.9996);
    unreadable.typedFalseEastValid = false;
    EXPECT_EQ(CheckSingleZoneGeographic(unreadable, 45, 12).failed, InputFalseEast);
    EXPECT_EQ(CheckSingleZonePlane(unreadable, 5000000, 0).failed, InputFalseEast);
    // The scale factor is checked first; the typed false East only when chosen.
    EXPECT_EQ(CheckSingleZonePlane(Typed(WGS84, 12, 2e7, 11), 5000000, 0).failed, InputScaleFactor);
    unreadable.MeridianChoice = DefaultChoice;
    EXPECT_TRUE(CheckSingleZoneGeographic(unreadable, 45, 12).ok());
    EXPECT_TRUE(CheckSingleZonePlane(unreadable, 5000000, 1000000).ok());
}

TEST(SingleZone, RoundTripWithUserParametersWithinAMillimetre) {
    const SingleZoneSettings s = Typed(ED50, 10.5, 300000, 0.9999);
    const SingleZoneParameters p = ResolveParameters(s);
    for (double lat : {37.0, 42.5, 46.9}) {
        for (double lon : {7.0, 10.5, 13.9}) {
            const SingleZonePlane plane = SingleZoneForward(p, ED50, lat, lon);
            const SingleZoneGeographic geo = SingleZoneInverse(p, ED50, plane.North, plane.East);
            const SingleZonePlane again = SingleZoneForward(p, ED50, geo.latitude, geo.longitude);
            EXPECT_NEAR(again.North, plane.North, 0.001) << lat << " " << lon;
            EXPECT_NEAR(again.East, plane.East, 0.001) << lat << " " << lon;
            EXPECT_NEAR(geo.latitude, lat, 1e-8);
            EXPECT_NEAR(geo.longitude, lon, 1e-8);
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
            // Independent check of the meridian, false East and scale handling.
            const GeographicLib::TransverseMercator tm(6378388.0, 1.0 / 297.0, 0.9999);
            double x = 0, y = 0;
            tm.Forward(10.5, lat, lon, x, y);
            EXPECT_NEAR(plane.East, x + 300000, 0.001);
            EXPECT_NEAR(plane.North, y, 0.001);
#endif
        }
    }
}

// A point on a limit of the geographic tab, projected and copied to the
// millimetre (either way of rounding), converts back on the plane tab
// wherever the plane ranges take it.
TEST(SingleZone, LimitPointsCopiedToTheMillimetreConvertBack) {
    struct Limits {
        int code, origin;
        double latLow, latHigh, lonLow, lonHigh;
        double northLow, northHigh, eastReach;
    };
    int converted = 0;
    for (const Limits& l : {Limits{ROMA40, 1, 35, 49, -9, 9, 3964000, 5523000, 1281000},
                            Limits{ROMA40, 2, 35, 49, 5, 25, 3964000, 5523000, 1281000},
                            Limits{ED50, 1, 1, 80, 5, 25, 117000, 8950000, 2272000},
                            Limits{WGS84, 1, 1, 80, 5, 25, 117000, 8950000, 2272000}}) {
        for (double meridian : {l.lonLow, (l.lonLow + l.lonHigh) / 2, l.lonHigh}) {
            const SingleZoneSettings s = Typed(l.code, meridian, 500000, 0.9996, l.origin);
            const SingleZoneParameters p = ResolveParameters(s);
            for (double lat : {l.latLow, l.latHigh}) {
                for (double lon : {l.lonLow, l.lonHigh}) {
                    const SingleZonePlane plane = SingleZoneForward(p, l.code, lat, lon);
                    for (double dn : {-0.0005, 0.0005}) {
                        for (double de : {-0.0005, 0.0005}) {
                            const double north = std::round((plane.North + dn) * 1000) / 1000;
                            const double east = std::round((plane.East + de) * 1000) / 1000;
                            if (north < l.northLow || north > l.northHigh || east > 500000 + l.eastReach)
                                continue;
                            ++converted;
                            EXPECT_TRUE(CheckSingleZonePlane(s, north, east).ok())
                                << l.code << " meridian " << meridian << ": " << lat << " " << lon;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(converted, 80);
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
// Every plane point the second tab accepts, with meridians across the range,
// several false Easts and scale factors, converts to within a few millimetres
// of GeographicLib's exact transverse Mercator, and lies where the first tab
// accepts latitude and longitude; points just beyond those limits are refused
// with the North or East message.
TEST(SingleZone, PlaneToGeographicAgreesWithTheExactProjectionOrRefuses) {
    struct System {
        const char* name;
        int code, origin;
        double latLow, latHigh, lonLow, lonHigh; // the first tab's limits
        double northLow, northHigh, eastReach;   // the second tab's ranges
        std::vector<double> scales;
    };
    const System systems[] = {
        {"ROMA40 Monte Mario", ROMA40, 1, 35, 49, -9, 9, 3964000, 5523000, 1281000, {0.9996, 0.9, 1.25}},
        {"ROMA40 Greenwich", ROMA40, 2, 35, 49, 5, 25, 3964000, 5523000, 1281000, {0.9996, 0.9, 1.25}},
        {"ED50", ED50, 1, 1, 80, 5, 25, 117000, 8950000, 2272000, {0.9996, 0.5, 1.5, 10}},
        {"WGS84", WGS84, 1, 1, 80, 5, 25, 117000, 8950000, 2272000, {0.9996, 0.5, 1.5, 10}},
    };
    const double margin = 1e-5; // degrees inside or beyond the limits, about a metre
    for (const System& sys : systems) {
        const bool roma = sys.code == ROMA40;
        const char* northText = roma ? "VALORE DELLA COORDINATA NORD NON\rAMMISSIBILE PER IL SISTEMA INDICATO"
                                     : "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE";
        const char* eastText = roma ? "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO"
                                    : "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE";
        const Ellipsoid ell = EllipsoidFor(sys.code);
        const GeographicLib::Geodesic geodesic(ell.a, ell.f());
        // Default meridian and false East, then typed ones: both ends of the
        // meridian range and one between, with false Easts of 0, -1 000 000
        // and 3 000 000.
        std::vector<SingleZoneSettings> all;
        for (double scale : sys.scales) {
            SingleZoneSettings d = Typed(sys.code, 0, 0, scale, sys.origin);
            d.MeridianChoice = DefaultChoice;
            all.push_back(d);
            all.push_back(Typed(sys.code, sys.lonLow, 0, scale, sys.origin));
            all.push_back(Typed(sys.code, sys.lonHigh, -1000000, scale, sys.origin));
            all.push_back(
                Typed(sys.code, sys.lonLow + 0.37 * (sys.lonHigh - sys.lonLow), 3000000, scale, sys.origin));
        }
        double worstGround = 0.0, worstPlane = 0.0;
        int accepted = 0, refusedBeyond = 0;
        for (const SingleZoneSettings& s : all) {
            const SingleZoneParameters p = ResolveParameters(s);
            const GeographicLib::TransverseMercatorExact tm(ell.a, ell.f(), p.ScaleFactor);
            const double eastLow = -(sys.eastReach + p.falseEast), eastHigh = p.falseEast + sys.eastReach;
            auto inRanges = [&](double north, double east) {
                return north >= sys.northLow && north <= sys.northHigh && east >= eastLow && east <= eastHigh;
            };
            auto label = [&](double a, double b) {
                char buffer[200];
                std::snprintf(buffer, sizeof buffer, "%s meridian %.4f false East %.0f scale %g: %.9f %.9f",
                              sys.name, p.centralMeridian, p.falseEast, p.ScaleFactor, a, b);
                return std::string(buffer);
            };

            // Over the accepted geographic region (a metre inside its edges):
            // the exact projection's plane point converts back to within a few
            // millimetres wherever the plane ranges take it.
            constexpr int Steps = 28;
            for (int i = 0; i <= Steps; ++i) {
                for (int j = 0; j <= Steps; ++j) {
                    const double lat =
                        sys.latLow + margin + (sys.latHigh - sys.latLow - 2 * margin) * i / Steps;
                    const double lon =
                        sys.lonLow + margin + (sys.lonHigh - sys.lonLow - 2 * margin) * j / Steps;
                    double x = 0, y = 0;
                    tm.Forward(p.centralMeridian, lat, lon, x, y);
                    const double east = x + p.falseEast;
                    if (!inRanges(y, east))
                        continue;
                    SCOPED_TRACE(label(lat, lon));
                    ASSERT_TRUE(CheckSingleZonePlane(s, y, east).ok());
                    const SingleZoneGeographic g = SingleZoneInverse(p, sys.code, y, east);
                    double distance = 0;
                    geodesic.Inverse(lat, lon, g.latitude, g.longitude, distance);
                    EXPECT_LT(distance, 0.005);
                    worstGround = std::fmax(worstGround, distance);
                    ++accepted;
                }
            }

            // Just beyond each edge, with the other coordinate inside: refused,
            // North for the latitude, East for the longitude.
            for (int j = 0; j <= Steps; ++j) {
                const double t = static_cast<double>(j) / Steps;
                const double latInside = sys.latLow + margin + (sys.latHigh - sys.latLow - 2 * margin) * t;
                const double lonInside = sys.lonLow + margin + (sys.lonHigh - sys.lonLow - 2 * margin) * t;
                const struct {
                    double lat, lon;
                    int failed;
                    const char* text;
                } beyond[] = {{sys.latLow - margin, lonInside, InputZoneNorth, northText},
                              {sys.latHigh + margin, lonInside, InputZoneNorth, northText},
                              {latInside, sys.lonLow - margin, InputZoneEast, eastText},
                              {latInside, sys.lonHigh + margin, InputZoneEast, eastText}};
                for (const auto& b : beyond) {
                    double x = 0, y = 0;
                    tm.Forward(p.centralMeridian, b.lat, b.lon, x, y);
                    const double east = x + p.falseEast;
                    if (!inRanges(y, east))
                        continue;
                    SCOPED_TRACE(label(b.lat, b.lon));
                    const InputCheck c = CheckSingleZonePlane(s, y, east);
                    EXPECT_EQ(c.failed, b.failed);
                    EXPECT_EQ(c.text(), b.text);
                    ++refusedBeyond;
                }
            }

            // Over the whole plane ranges: whatever is accepted lies inside the
            // limits by the exact inverse and agrees with it.
            constexpr int PlaneSteps = 48;
            for (int i = 0; i <= PlaneSteps; ++i) {
                for (int j = 0; j <= PlaneSteps; ++j) {
                    const double north = sys.northLow + (sys.northHigh - sys.northLow) * i / PlaneSteps;
                    const double east = eastLow + (eastHigh - eastLow) * j / PlaneSteps;
                    if (!CheckSingleZonePlane(s, north, east).ok())
                        continue;
                    SCOPED_TRACE(label(north, east));
                    double lat = 0, lon = 0;
                    tm.Reverse(p.centralMeridian, east - p.falseEast, north, lat, lon);
                    EXPECT_GE(lat, sys.latLow - 1e-7);
                    EXPECT_LE(lat, sys.latHigh + 1e-7);
                    EXPECT_GE(lon, sys.lonLow - 1e-7);
                    EXPECT_LE(lon, sys.lonHigh + 1e-7);
                    const SingleZoneGeographic g = SingleZoneInverse(p, sys.code, north, east);
                    double distance = 0;
                    geodesic.Inverse(lat, lon, g.latitude, g.longitude, distance);
                    EXPECT_LT(distance, 0.005);
                    worstGround = std::fmax(worstGround, distance);
                    // The same difference on the plane, larger by the scale.
                    double x = 0, y = 0;
                    tm.Forward(p.centralMeridian, g.latitude, g.longitude, x, y);
                    worstPlane = std::fmax(worstPlane, std::hypot(y - north, x + p.falseEast - east));
                    ++accepted;
                }
            }
        }
        EXPECT_GT(accepted, 1000) << sys.name;
        EXPECT_GT(refusedBeyond, 100) << sys.name;
        RecordProperty(std::string(sys.name) + " worst_m", std::to_string(worstGround));
        std::printf("%s: %d accepted points, worst %.4f m on the ellipsoid (%.4f m on the plane); %d refused "
                    "just beyond the limits\n",
                    sys.name, accepted, worstGround, worstPlane, refusedBeyond);
    }
}
#endif

TEST(SingleZone, LabelTexts) {
    EXPECT_EQ(DefaultParametersText(ROMA40, 1, 1), "0° 00' 00'' ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 2, 1), "12° 00' 00'' ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 1, 2), "0.00000000° ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 2, 3), "12.00000000 ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 1, 4), "0° 00.000000' ;     Falsa origine Est = 1 000 000");
    // ED50 and WGS84 in the notation too, with their sixth blank.
    EXPECT_EQ(DefaultParametersText(WGS84, 1, 4), "12° 00.000000' ;      Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ED50, 2, 1), "12° 00' 00'' ;      Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ED50, 1, 2), "12.00000000° ;      Falsa origine Est = 1 000 000");

    EXPECT_EQ(MeridianDescriptionText(Settings(ROMA40, 1)), "0° 00' 00''");
    EXPECT_EQ(MeridianDescriptionText(Settings(ED50, 1)), "12° 00' 00''");
    EXPECT_EQ(MeridianDescriptionText(Typed(ROMA40, -3.45233333333333, 0, 1)), "-3° 27' 08.40''");
    EXPECT_EQ(MeridianDescriptionText(Typed(ED50, 10.5, 0, 1), ","), "10° 30' 00,00''");

    EXPECT_EQ(PlainDecimalText(0.9996), "0.9996");
    EXPECT_EQ(PlainDecimalText(0.000001), "0.000001");
    EXPECT_EQ(PlainDecimalText(10), "10");
    EXPECT_EQ(PlainDecimalText(1.25, ","), "1,25");
    EXPECT_EQ(PlainDecimalText(0), "0");

    const auto lines = SingleZoneDescription(ED50, "12° 00' 00''", "1 000 000", "0.9996");
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "Orientamento: medio europeo (definizione 1950)");
    EXPECT_EQ(lines[4], "Meridiano  centrale  dell'unico  fuso : 12° 00' 00''");
    EXPECT_EQ(lines[5], "Falsa origine Est : 1 000 000");
    EXPECT_EQ(lines[6], "Rappr. CONFORME DI GAUSS con fattore di scala 0.9996");
}
