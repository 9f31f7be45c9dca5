#include "windows/GeoToPlanePage.h"

#include <gtest/gtest.h>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;

namespace {

TypedValue Typed(double v, const char* shown = "") {
    return TypedValue{v, true, shown};
}

GeoToPlanePage PageFor(System s, double lat, double lon, int longitudeOrigin = 1) {
    GeoToPlanePage p(PageSettings{1, longitudeOrigin, "."});
    p.chooseSystem(s);
    p.setLatitude(Typed(lat));
    p.setLongitude(Typed(lon));
    return p;
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
// North and East by GeographicLib's exact transverse Mercator, scale 0.9996.
void Expected(System s, double lat, double deltaLambda, double falseEast, double& north, double& east) {
    const bool wgs = s == System::WGS84;
    GeographicLib::TransverseMercatorExact tm(wgs ? 6378137.0 : 6378388.0,
                                              wgs ? 1 / 298.257222101 : 1 / 297.0, 0.9996);
    double x = 0, y = 0;
    tm.Forward(0.0, lat, deltaLambda, x, y);
    north = y;
    east = x + falseEast;
}
#endif

} // namespace

TEST(GeoToPlanePage, ChecksInOrderAndTheirRefusals) {
    const std::string tail = "AMMISSIBILE PER IL SISTEMA INDICATO";
    // Both out of range: the latitude is named first.
    GeoToPlanePage p = PageFor(System::ROMA40, 50.0, 8.0);
    auto refused = p.execute();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->input, GeoToPlanePage::Latitude);
    EXPECT_EQ(refused->lines, (std::vector<std::string>{"VALORE DELLA LATITUDINE NON", tail}));
    EXPECT_EQ(refused->icon, RefusalIcon::Stop);
    EXPECT_FALSE(p.hasResult());
    p.setLatitude(Typed(45.0));
    refused = p.execute();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->input, GeoToPlanePage::Longitude);
    EXPECT_EQ(refused->lines, (std::vector<std::string>{"VALORE DELLA LONGITUDINE NON", tail}));
    // A value too large to read is refused like one out of range.
    p.setLongitude(TypedValue{1.0, false, ""});
    ASSERT_TRUE(p.execute());
    p.setLongitude(Typed(1.0));
    EXPECT_FALSE(p.execute());
    EXPECT_TRUE(p.hasResult());

    // UTM systems have their own ranges and message.
    GeoToPlanePage u = PageFor(System::WGS84, 0.5, 12.0);
    refused = u.execute();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->lines, (std::vector<std::string>{"VALORE DELLA LATITUDINE", "NON AMMISSIBILE"}));
    u.setLatitude(Typed(45.0));
    u.setLongitude(Typed(25.5));
    refused = u.execute();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->input, GeoToPlanePage::Longitude);

    // From Greenwich, a ROMA40 longitude is checked after moving it to Monte
    // Mario (12°27'08.4''): 19.5° E is 7.05° from Monte Mario, refused; 19.4° E accepted.
    GeoToPlanePage g = PageFor(System::ROMA40, 45.0, 12.4523333333333 + 7.05, 2);
    EXPECT_TRUE(g.greenwichShiftApplies());
    ASSERT_TRUE(g.execute());
    g.setLongitude(Typed(12.4523333333333 + 6.95));
    EXPECT_FALSE(g.execute());
    EXPECT_NEAR(g.computedLongitude(), 6.95, 1e-9);
    // ED50 longitudes count from Greenwich whatever the setting.
    g.chooseSystem(System::ED50);
    EXPECT_FALSE(g.greenwichShiftApplies());
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
TEST(GeoToPlanePage, ComputesInTheZoneOfMembershipOrTheZoneChosen) {
    double n = 0, e = 0;
    // ROMA40, 3° W of Monte Mario: zone Ovest (9° E, false east 1 500 km), no overlap.
    GeoToPlanePage p = PageFor(System::ROMA40, 45.0, -3.0);
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.zoneCaption(), "Fuso OVEST (appartenenza)");
    EXPECT_FALSE(p.result().values.OverlapShown);
    Expected(System::ROMA40, 45.0, -3.0 + 3.45233333333333, 1500000.0, n, e);
    EXPECT_NEAR(p.result().values.North, n, 0.001);
    EXPECT_NEAR(p.result().values.East, e, 0.001);

    // The same point in zone Est chosen by hand (15° E, false east 2 520 km).
    p.chooseZone(ZoneChoice::ByHand);
    EXPECT_EQ(p.handZone(), PlaneZone::GBOvest);
    EXPECT_FALSE(p.hasResult());
    p.chooseHandZone(PlaneZone::GBEst);
    EXPECT_EQ(p.zoneCaption(), "Fuso Est");
    ASSERT_FALSE(p.execute());
    Expected(System::ROMA40, 45.0, -3.0 - 2.54766666666667, 2520000.0, n, e);
    EXPECT_NEAR(p.result().values.North, n, 0.001);
    EXPECT_NEAR(p.result().values.East, e, 0.001);

    // WGS84 at 12.1° E: zone 33 of membership, in the overlap band of zone 32.
    GeoToPlanePage w = PageFor(System::WGS84, 44.0, 12.1);
    ASSERT_FALSE(w.execute());
    EXPECT_EQ(w.zoneCaption(), "Fuso 33 (appartenenza)");
    Expected(System::WGS84, 44.0, 12.1 - 15.0, 500000.0, n, e);
    EXPECT_NEAR(w.result().values.East, e, 0.001);
    ASSERT_TRUE(w.result().values.OverlapShown);
    EXPECT_EQ(w.result().overlapCaption, "Fuso 32 (sovrapposizione)");
    Expected(System::WGS84, 44.0, 12.1 - 9.0, 500000.0, n, e);
    EXPECT_NEAR(w.result().values.OverlapNorth, n, 0.001);
    EXPECT_NEAR(w.result().values.OverlapEast, e, 0.001);
    // Texts as the boxes show them, in the locale's decimal point.
    GeoToPlanePage c(PageSettings{1, 1, ","});
    c.chooseSystem(System::WGS84);
    c.setLatitude(Typed(44.0));
    c.setLongitude(Typed(12.1));
    ASSERT_FALSE(c.execute());
    EXPECT_EQ(c.result().overlapEast.back(), w.result().overlapEast.back());
    EXPECT_NE(c.result().east.find(','), std::string::npos);
}
#endif

TEST(GeoToPlanePage, CopyAndPasteCarryTheReference) {
    GeoToPlanePage p = PageFor(System::ED50, 44.0, 16.0);
    ASSERT_FALSE(p.execute());
    const CopiedCoordinatesRecord c = p.copyRecord();
    EXPECT_EQ(c.Kind, CopiedKind::Plane);
    EXPECT_EQ(c.SystemCode, ED50);
    EXPECT_EQ(c.ZoneCode, UTM33);
    EXPECT_DOUBLE_EQ(c.North, p.result().values.North);
    EXPECT_DOUBLE_EQ(c.East, p.result().values.East);
    // Plane coordinates are not taken; geographic ones with their system are.
    EXPECT_FALSE(p.acceptsPaste(c));
    CopiedCoordinatesRecord g;
    g.Kind = CopiedKind::GeographicHeight;
    g.Latitude = 45.25;
    g.Longitude = 9.5;
    EXPECT_FALSE(p.acceptsPaste(g)); // no system recorded
    g.SystemCode = WGS84;
    ASSERT_TRUE(p.acceptsPaste(g));
    p.paste(g);
    EXPECT_EQ(p.system(), System::WGS84);
    EXPECT_FALSE(p.hasResult());
    EXPECT_DOUBLE_EQ(p.latitude().value, 45.25);
    EXPECT_DOUBLE_EQ(p.longitude().value, 9.5);
    EXPECT_TRUE(p.longitude().valid);
}

TEST(GeoToPlanePage, PrintedBlockLineByLine) {
    GeoToPlanePage p(PageSettings{1, 2, "."});
    p.setLatitude(Typed(41.0 + 50.0 / 60.0, "41° 50' 00.0000''"));
    p.setLongitude(Typed(12.07084, "12° 04' 15.0240''")); // from Greenwich
    p.setPointName("PT1, vertice");
    ASSERT_FALSE(p.execute());
    ASSERT_TRUE(p.result().values.OverlapShown);
    const PrintTexts t;
    const PrintedBlock b = p.printedBlock(t);
    const std::string gap(14, ' ');
    const std::vector<std::string> expected{
        "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)",
        "Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297",
        "Orientamento: Roma M.Mario (definizione astron. 1940)",
        "      Lat.= 41°55'25.51''",
        "      Long.= 0° (12°27'08.400'' est da Greenwich)",
        "Meridiani centr. dei fusi: O=-3°27'08.400''; E=2°32'51.600''",
        "False origini dei fusi: Ovest=1 500 000 m; Est=2 520 000 m",
        "Rappr. CONFORME DI GAUSS con fattore di scala 0.9996",
        "",
        "Punto: PT1, vertice",
        "",
        "Coordinate Geografiche ROMA40  (Long. da Greenwich)",
        "Latitudine: 41° 50' 00.0000''" + gap + "Longitudine: 12° 04' 15.0240''",
        "",
        "Coordinate Piane GAUSS BOAGA - Fuso EST (appartenenza)",
        "Nord: 4 635 502.403" + gap + "Est: 2 276 758.974",
        "",
        "Coordinate Piane GAUSS BOAGA - Fuso OVEST (sovrapposizione)",
        "Nord: 4 635 913.695" + gap + "Est: 1 755 007.535",
        std::string(62, '_'),
        "",
    };
    EXPECT_EQ(b.texts(), expected);
    // Captions and the system line bold in 11 points, the description in 8, values regular.
    const auto& lines = b.lines();
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i : {size_t(0), size_t(11), size_t(14), size_t(17)})
        EXPECT_TRUE(lines[i].bold && lines[i].size == 11) << i;
    for (size_t i = 1; i <= 8; ++i)
        EXPECT_EQ(lines[i].size, 8) << i;
    for (size_t i : {size_t(9), size_t(12), size_t(15), size_t(18), size_t(19)})
        EXPECT_TRUE(!lines[i].bold && lines[i].size == 11) << i;
    for (const PrintedLine& l : lines)
        EXPECT_EQ(l.x, 0);
}
