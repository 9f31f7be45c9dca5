#include "geodesy/SingleZone.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"

#include <gtest/gtest.h>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercator.hpp>
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
    const SingleZoneSettings roma = Settings(ROMA40);
    EXPECT_TRUE(CheckSingleZonePlane(roma, 3964000, -2281000).ok());
    EXPECT_TRUE(CheckSingleZonePlane(roma, 5523000, 2281000).ok());
    EXPECT_EQ(CheckSingleZonePlane(roma, 4500000, -2281001).failed, InputZoneEast);
    EXPECT_EQ(CheckSingleZonePlane(roma, 4500000, 2281001).text(),
              "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_EQ(CheckSingleZonePlane(roma, 3963999.999, 1000000).text(),
              "VALORE DELLA COORDINATA NORD NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    // A typed false East moves both limits.
    const SingleZoneSettings typed = Typed(ROMA40, 0, 500000, 1);
    EXPECT_TRUE(CheckSingleZonePlane(typed, 4500000, -1781000).ok());
    EXPECT_FALSE(CheckSingleZonePlane(typed, 4500000, -1781000.001).ok());
    EXPECT_FALSE(CheckSingleZonePlane(typed, 4500000, 1781000.001).ok());
    EXPECT_EQ(CheckSingleZonePlane(Typed(ROMA40, 9.5, 500000, 1), 4500000, 0).text(),
              "VALORE DELLA LONGITUDINE DEL MERIDIANO\rCENTRALE NON AMMESSO DAL PROGRAMMA\rPER IL SISTEMA "
              "INDICATO");

    const SingleZoneSettings ed = Settings(ED50);
    EXPECT_TRUE(CheckSingleZonePlane(ed, 117000, -3272000).ok());
    EXPECT_TRUE(CheckSingleZonePlane(ed, 8950000, 1000000).ok());
    EXPECT_TRUE(CheckSingleZonePlane(ed, 117000, 3272000).ok());
    // Inside the ranges but on no projected point: 2 272 km east of the
    // meridian at 80° N, and North past the pole for a scale of 0.5.
    EXPECT_EQ(CheckSingleZonePlane(ed, 8950000, 3272000).text(),
              "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE");
    EXPECT_EQ(CheckSingleZonePlane(ed, 8950000, 3272000).failed, InputZoneEast);
    SingleZoneSettings half = Settings(ED50);
    half.ScaleChoice = TypedChoice;
    half.typedScale = 0.5;
    EXPECT_EQ(CheckSingleZonePlane(half, 5100000, 1000000).failed, InputZoneNorth);
    EXPECT_EQ(CheckSingleZonePlane(half, 5100000, 1000000).text(),
              "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
    EXPECT_TRUE(CheckSingleZonePlane(half, 4900000, 1000000).ok());
    EXPECT_EQ(CheckSingleZonePlane(ed, 8950000.001, 0).text(),
              "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
    EXPECT_EQ(CheckSingleZonePlane(ed, 5000000, 3272000.001).text(),
              "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE");
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

TEST(SingleZone, LabelTexts) {
    EXPECT_EQ(DefaultParametersText(ROMA40, 1, 1), "0° 00' 00'' ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 2, 1), "12° 00' 00'' ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 1, 2), "0.00000000° ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 2, 3), "12.00000000 ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(ROMA40, 1, 4), "0° 00.000000' ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(DefaultParametersText(WGS84, 1, 4), "12° 00' 00'' ;      Falsa origine Est = 1 000 000");

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
