#include "windows/PlaneToGeoPage.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/TextNumbers.h"

#include <cmath>

#include <gtest/gtest.h>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;

// Plane to geographic without widgets: checks, computation, copy and paste, printed block.
namespace {

TypedValue Typed(double v, const char* shown = "") {
    return {v, true, shown};
}

PlaneToGeoPage Page(System s, double north, double east, int unit = 2, int origin = 1) {
    PlaneToGeoPage p(PageSettings{unit, origin, "."});
    p.chooseSystem(s);
    p.setNorth(Typed(north));
    p.setEast(Typed(east));
    return p;
}

const std::vector<std::string> NorthBySystem = {"VALORE DELLA COORDINATA NORD NON",
                                                "AMMISSIBILE PER IL SISTEMA INDICATO"};
const std::vector<std::string> NorthUtm = {"VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"};
const std::vector<std::string> East = {"VALORE DELLA COORDINATA EST NON",
                                       "AMMISSIBILE PER IL SISTEMA INDICATO"};

TEST(PlaneToGeoPage, ChecksInOrderWithTheirRefusals) {
    struct Case {
        System system;
        TypedValue north, east;
        int input; // 0: accepted
        std::vector<std::string> lines;
    };
    const TypedValue unread{0, false, ""}; // a typed value too large for a double
    const Case cases[] = {
        {System::ROMA40, Typed(3799999.999), Typed(1500000), 1, NorthBySystem},
        {System::ED50, Typed(3799999.999), Typed(500000), 0, {}},
        {System::ROMA40, Typed(5500000.001), Typed(1500000), 1, NorthBySystem},
        {System::ROMA40, Typed(3800000), Typed(1100000), 0, {}},
        {System::ROMA40, Typed(5500000), Typed(3000000), 0, {}},
        {System::ROMA40, Typed(4500000), Typed(1099999.999), 2, East},
        {System::ROMA40, Typed(4500000), unread, 2, East},
        {System::ROMA40, Typed(4500000), Typed(1499999.999), 0, {}},
        {System::ED50, Typed(99999.999), Typed(500000), 1, NorthUtm},
        {System::WGS84, Typed(9000000.001), Typed(500000), 1, NorthUtm},
        {System::WGS84, unread, Typed(500000), 1, NorthUtm},
        // North is checked before East.
        {System::WGS84, unread, unread, 1, NorthUtm},
        {System::ED50, Typed(4500000), Typed(1000000.001), 2, East},
        {System::WGS84, Typed(4500000), Typed(49999.999), 2, East},
        {System::WGS84, Typed(100000), Typed(50000), 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(Code(c.system)) + " " + std::to_string(c.north.value) + " " +
                     std::to_string(c.east.value));
        PlaneToGeoPage p;
        p.chooseSystem(c.system);
        p.setNorth({4640000, true, ""});
        p.setEast({c.system == System::ROMA40 ? 2520000.0 : 500000.0, true, ""});
        ASSERT_FALSE(p.execute());
        p.setNorth(c.north);
        p.setEast(c.east);
        const std::optional<Refusal> r = p.execute();
        if (c.input == 0) {
            EXPECT_FALSE(r);
            EXPECT_TRUE(p.hasResult());
            continue;
        }
        ASSERT_TRUE(r);
        EXPECT_EQ(r->input, c.input);
        EXPECT_EQ(r->lines, c.lines);
        EXPECT_EQ(r->icon, RefusalIcon::Stop);
        // The earlier point's result is gone with the refusal.
        EXPECT_FALSE(p.hasResult());
        EXPECT_EQ(p.latitudeText(), "");
    }
}

TEST(PlaneToGeoPage, ZonesAndTheCentralMeridian) {
    // On the Est central meridian: 15° E of Greenwich, 2.54766666666667° from Monte Mario.
    PlaneToGeoPage p = Page(System::ROMA40, 4640123.4567, 2520000);
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.resultZone(), PlaneZone::GBEst);
    EXPECT_NEAR(p.longitude(), 2.54766666666667, 1e-9);
    // East 2 000 000 is Ovest, a millimetre more is Est.
    p.setEast(Typed(2000000));
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.resultZone(), PlaneZone::GBOvest);
    p.setEast(Typed(2000000.001));
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.resultZone(), PlaneZone::GBEst);
    // UTM: the zone chosen, whatever East says; the choice is kept through ROMA40.
    p.chooseZone(PlaneZone::UTM33);
    p.chooseSystem(System::WGS84);
    EXPECT_TRUE(p.showsZoneChoice());
    p.setEast(Typed(500000));
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.resultZone(), PlaneZone::UTM33);
    EXPECT_NEAR(p.longitude(), 15.0, 1e-12);
    EXPECT_EQ(p.longitudeText(), "15.00000000°");

    // ROMA40 from Greenwich: Monte Mario lies 12°27'08.400'' E of Greenwich.
    PlaneToGeoPage g = Page(System::ROMA40, 4640000, 2520000, 1, 2);
    ASSERT_FALSE(g.execute());
    EXPECT_TRUE(g.greenwichLongitudes());
    EXPECT_EQ(g.longitudeText(), "15° 00' 00.0000''");
    EXPECT_FALSE(Page(System::ED50, 4640000, 500000, 1, 2).greenwichLongitudes());
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
TEST(PlaneToGeoPage, InverseAgainstTheExactProjection) {
    const GeographicLib::TransverseMercatorExact hayford(6378388.0, 1.0 / 297.0, 0.9996);
    const GeographicLib::TransverseMercatorExact grs80(6378137.0, 1.0 / 298.257222101, 0.9996);
    struct Case {
        System system;
        PlaneZone zone;
        double north, east;
        const GeographicLib::TransverseMercatorExact& tm;
        double falseEast, meridian, shown; // shown: the meridian in the page's longitudes
    };
    const Case cases[] = {
        {System::ROMA40, PlaneZone::UTM32, 4640123.4567, 2521234.5, hayford, 2520000, 15, 2.54766666666667},
        {System::ROMA40, PlaneZone::UTM32, 4640123.4567, 2000000, hayford, 1500000, 9, -3.45233333333333},
        {System::ED50, PlaneZone::UTM34, 4400000, 420000, hayford, 500000, 21, 21},
        {System::WGS84, PlaneZone::UTM33, 4640123.4567, 400000, grs80, 500000, 15, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(Code(c.system)) + " " + std::to_string(c.east));
        PlaneToGeoPage p = Page(c.system, c.north, c.east);
        p.chooseZone(c.zone);
        ASSERT_FALSE(p.execute());
        double lat = 0, lon = 0;
        c.tm.Reverse(c.meridian, c.east - c.falseEast, c.north, lat, lon);
        EXPECT_NEAR(p.latitude(), lat, 1e-9);
        EXPECT_NEAR(p.longitude(), lon - c.meridian + c.shown, 1e-9);
        EXPECT_EQ(p.latitudeText(), FormatResultAngle(lat, 2));
    }
    // The far corners of the UTM range: within a centimetre on the ground.
    for (double east : {1000000.0, 50000.0}) {
        PlaneToGeoPage p = Page(System::WGS84, 9000000, east);
        ASSERT_FALSE(p.execute());
        double lat = 0, lon = 0;
        grs80.Reverse(9.0, east - 500000.0, 9000000.0, lat, lon);
        EXPECT_NEAR(p.latitude(), lat, 0.01 / 111000.0);
        EXPECT_NEAR(p.longitude(), lon, 0.011 / (111000.0 * std::cos(lat * M_PI / 180.0)));
    }
}
#endif

TEST(PlaneToGeoPage, ResultTextsInEveryNotationAndTheDecimalPoint) {
    // The plane coordinates of 41°50' N, 0°20' W of Monte Mario, to a tenth of a millimetre.
    const GeoToPlaneResult g = GeographicToPlane(ROMA40, 1, 0, 41.0 + 50.0 / 60.0, -1.0 / 3.0, 0.9996);
    const double north = std::round(g.North * 1e4) / 1e4, east = std::round(g.East * 1e4) / 1e4;
    const char* const expected[4][2] = {{"41° 50' 00.0000''", "-0° 20' 00.0000''"},
                                        {"41.83333333°", "-0.33333333°"},
                                        {"46.48148148", "-0.37037037"},
                                        {"41° 50.000000'", "-0° 20.000000'"}};
    for (int unit = 1; unit <= 4; ++unit) {
        PlaneToGeoPage p = Page(System::ROMA40, north, east, unit);
        ASSERT_FALSE(p.execute());
        EXPECT_EQ(p.latitudeText(), expected[unit - 1][0]);
        EXPECT_EQ(p.longitudeText(), expected[unit - 1][1]);
    }
    PlaneToGeoPage p(PageSettings{2, 1, ","});
    p.setNorth(Typed(4640123.4567));
    p.setEast(Typed(2520000));
    ASSERT_FALSE(p.execute());
    EXPECT_NE(p.latitudeText().find(','), std::string::npos);
    EXPECT_EQ(p.latitudeText().find('.'), std::string::npos);
    EXPECT_EQ(p.longitudeText(), "2,54766667°");
}

TEST(PlaneToGeoPage, ChoicesAndNewSettingsDropTheResult) {
    PlaneToGeoPage p = Page(System::ED50, 4640000, 500000);
    ASSERT_FALSE(p.execute());
    p.chooseSystem(System::ED50);
    p.chooseZone(PlaneZone::UTM32);
    EXPECT_TRUE(p.hasResult()); // the same choices again
    p.chooseZone(PlaneZone::UTM34);
    EXPECT_FALSE(p.hasResult());
    ASSERT_FALSE(p.execute());
    p.chooseSystem(System::WGS84);
    EXPECT_FALSE(p.hasResult());
    ASSERT_FALSE(p.execute());
    p.changeSettings(PageSettings{3, 1, "."});
    EXPECT_FALSE(p.hasResult());
    EXPECT_EQ(p.longitudeText(), "");
}

TEST(PlaneToGeoPage, CopyAndPasteRecords) {
    PlaneToGeoPage p = Page(System::WGS84, 4649776.22, 524850.01);
    p.chooseZone(PlaneZone::UTM32);
    ASSERT_FALSE(p.execute());
    const CopiedCoordinatesRecord c = p.copyRecord();
    EXPECT_EQ(c.Kind, CopiedKind::Geographic);
    EXPECT_EQ(c.SystemCode, WGS84);
    EXPECT_EQ(c.Latitude, p.latitude());
    EXPECT_EQ(c.Longitude, p.longitude());
    EXPECT_FALSE(p.acceptsPaste(c)); // geographic, not plane

    // National plane points of the three systems only.
    CopiedCoordinatesRecord plane;
    plane.Kind = CopiedKind::Plane;
    plane.North = 4650000.25;
    plane.East = 2400000.5;
    struct Reference {
        int system, zone;
        bool accepted;
    };
    for (const Reference& r : {Reference{ROMA40, GBEst, true}, Reference{ROMA40, GBOvest, true},
                               Reference{ROMA40, AuxiliaryZone, false}, Reference{ED50, UTM33, true},
                               Reference{WGS84, UTM34, true}, Reference{ED50, GBEst, false},
                               Reference{WGS84, 0, false}, Reference{0, UTM32, false}}) {
        plane.SystemCode = r.system;
        plane.ZoneCode = r.zone;
        EXPECT_EQ(p.acceptsPaste(plane), r.accepted) << r.system << " " << r.zone;
    }

    // A WGS84 zone-33 point selects WGS84 and zone 33 and drops the result.
    plane.SystemCode = WGS84;
    plane.ZoneCode = UTM33;
    plane.East = 400000.5;
    p.paste(plane);
    EXPECT_FALSE(p.hasResult());
    EXPECT_EQ(p.system(), System::WGS84);
    EXPECT_EQ(p.zone(), PlaneZone::UTM33);
    EXPECT_EQ(p.north().value, 4650000.25);
    EXPECT_EQ(p.east().value, 400000.5);
    EXPECT_EQ(p.north().shown, "4 650 000.250");
    // A ROMA40 point selects ROMA40 and leaves the UTM choice; its zone follows from East.
    plane.SystemCode = ROMA40;
    plane.ZoneCode = GBEst;
    plane.East = 2520000;
    p.paste(plane);
    EXPECT_EQ(p.system(), System::ROMA40);
    EXPECT_EQ(p.zone(), PlaneZone::UTM33);
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.resultZone(), PlaneZone::GBEst);
}

TEST(PlaneToGeoPage, PrintedBlockLineByLine) {
    const PrintTexts t;
    PlaneToGeoPage p(PageSettings{1, 2, "."});
    p.setNorth({4640000, true, "4 640 000.000"});
    p.setEast({2520000, true, "2 520 000.000"});
    p.setPointName("P1");
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.printTitle(), "TRASFORMAZIONE COORDINATE DA PIANE A GEOGRAFICHE");
    struct Row {
        int size;
        bool bold;
        std::string text;
    };
    const std::string gap(14, ' ');
    std::vector<Row> rows{{11, true, "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)"}};
    for (const std::string& l : p.description())
        if (!l.empty())
            rows.push_back({8, false, l});
    const std::vector<Row> rest{
        {8, false, ""},
        {11, false, "Punto: P1"},
        {11, false, ""},
        {11, true, "Coordinate Piane GAUSS BOAGA: Fuso Est"},
        {11, false, "Nord: 4 640 000.000" + gap + "Est: 2 520 000.000"},
        {11, false, ""},
        {11, true, "Coordinate Geografiche ROMA40  (Long. da Greenwich)"},
        {11, false, "Latitudine: " + p.latitudeText() + gap + "Longitudine: 15° 00' 00.0000''"},
        {11, false, ""},
        {11, false, std::string(62, '_')},
        {11, false, ""}};
    rows.insert(rows.end(), rest.begin(), rest.end());
    const PrintedBlock b = p.printedBlock(t);
    ASSERT_EQ(b.lines().size(), rows.size());
    EXPECT_GE(rows.size(), 16u); // the description has lines
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        const PrintedLine& l = b.lines()[i];
        EXPECT_EQ(l.text(), rows[i].text);
        EXPECT_EQ(l.size, rows[i].size);
        EXPECT_EQ(l.bold, rows[i].bold);
        EXPECT_EQ(l.font, "Arial");
        EXPECT_EQ(l.x, 0);
    }

    // UTM: the zone chosen, no Greenwich note.
    PlaneToGeoPage u(PageSettings{2, 2, "."});
    u.chooseSystem(System::ED50);
    u.chooseZone(PlaneZone::UTM34);
    u.setNorth({4400000, true, "4 400 000.000"});
    u.setEast({500000, true, "500 000.000"});
    ASSERT_FALSE(u.execute());
    const std::vector<std::string> texts = u.printedBlock(t).texts();
    const size_t at = 1 + 7 + 1 + 2; // caption, description, empty, point, empty
    ASSERT_GT(texts.size(), at + 3);
    EXPECT_EQ(texts[1], u.description()[0]);
    EXPECT_EQ(texts[at], "Coordinate Piane UTM-ED50: Fuso 34");
    EXPECT_EQ(texts[at + 3], "Coordinate Geografiche ED50");
    EXPECT_EQ(texts[at + 4], "Latitudine: " + u.latitudeText() + gap + "Longitudine: 21.00000000°");
}

} // namespace
