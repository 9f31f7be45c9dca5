#include "windows/CartesianPages.h"
#include "geodesy/TextNumbers.h"

#include <cmath>
#include <gtest/gtest.h>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geocentric.hpp>
#endif

using namespace tervano;

// Geographic <-> geocentric cartesian without widgets: checks, computation
// against an independent geocentric conversion, copy and paste, printed blocks.
namespace {

TypedValue Typed(double v, std::string shown = "") {
    return {v, true, std::move(shown)};
}

GeoToCartesianPage GeoPage(System s, XAxis a, double lat, double lon, double h, int origin = 1) {
    GeoToCartesianPage p(PageSettings{1, origin, "."});
    p.chooseSystem(s);
    p.chooseAxis(a);
    p.setLatitude(Typed(lat));
    p.setLongitude(Typed(lon));
    p.setHeight(Typed(h));
    return p;
}

CartesianToGeoPage CartPage(System s, XAxis a, double x, double y, double z, int unit = 1, int origin = 1) {
    CartesianToGeoPage p(PageSettings{unit, origin, "."});
    p.chooseSystem(s);
    p.chooseAxis(a);
    p.setX(Typed(x));
    p.setY(Typed(y));
    p.setZ(Typed(z));
    return p;
}

struct Expected {
    int input;
    std::vector<std::string> lines;
    RefusalIcon icon;
};

void ExpectRefusal(const std::optional<Refusal>& r, const Expected& e) {
    ASSERT_TRUE(r);
    EXPECT_EQ(r->input, e.input);
    EXPECT_EQ(r->lines, e.lines);
    EXPECT_EQ(r->icon, e.icon);
}

TEST(CartesianPages, ChecksInOrderWithTheirRefusals) {
    const Expected latitude{1, {"VALORE DELLA LATITUDINE", "NON AMMISSIBILE"}, RefusalIcon::Stop};
    const Expected longitude{2, {"VALORE DELLA LONGITUDINE", "NON AMMISSIBILE"}, RefusalIcon::Stop};
    const Expected height{3, {"VALORE DELLA QUOTA", "NON AMMESSO DAL PROGRAMMA"}, RefusalIcon::Exclamation};
    EXPECT_FALSE(GeoPage(System::ROMA40, XAxis::ThroughMonteMario, 90, -180, -10000).execute());
    EXPECT_FALSE(GeoPage(System::ROMA40, XAxis::ThroughMonteMario, -90, 180, 10000).execute());
    ExpectRefusal(GeoPage(System::ROMA40, XAxis::ThroughMonteMario, 90.0000001, 0, 0).execute(), latitude);
    ExpectRefusal(GeoPage(System::ED50, XAxis::ThroughMonteMario, 0, 180.0000001, 0).execute(), longitude);
    ExpectRefusal(GeoPage(System::WGS84, XAxis::ThroughMonteMario, 0, 0, 10000.001).execute(), height);
    // In order: latitude before height; a value not read is refused.
    ExpectRefusal(GeoPage(System::ROMA40, XAxis::ThroughMonteMario, 91, 0, 20000).execute(), latitude);
    GeoToCartesianPage unread = GeoPage(System::ROMA40, XAxis::ThroughMonteMario, 0, 0, 0);
    ASSERT_FALSE(unread.execute());
    EXPECT_TRUE(unread.hasResult());
    unread.setHeight({0, false, ""});
    ExpectRefusal(unread.execute(), height);
    EXPECT_FALSE(unread.hasResult());

    const Expected x{1, {"VALORE DELLA X NON", "AMMESSO DAL PROGRAMMA"}, RefusalIcon::Exclamation};
    // The Y message keeps its missing letter.
    const Expected y{2, {"VALORE DELLA Y NON", "MMESSO DAL PROGRAMMA"}, RefusalIcon::Exclamation};
    const Expected z{3, {"VALORE DELLA Z NON", "AMMESSO DAL PROGRAMMA"}, RefusalIcon::Exclamation};
    const Expected polar{
        1, {"VALORI DELLE COORDINATE", "CARTESIANE NON AMMISSIBILI"}, RefusalIcon::Exclamation};
    EXPECT_FALSE(CartPage(System::ROMA40, XAxis::ThroughMonteMario, 6400000, -6400000, 6400000).execute());
    ExpectRefusal(CartPage(System::ROMA40, XAxis::ThroughMonteMario, -6400000.001, 0, 0).execute(), x);
    ExpectRefusal(CartPage(System::ED50, XAxis::ThroughMonteMario, 1, 6400000.001, 0).execute(), y);
    ExpectRefusal(CartPage(System::WGS84, XAxis::ThroughMonteMario, 1, 0, 6400000.001).execute(), z);
    ExpectRefusal(CartPage(System::WGS84, XAxis::ThroughMonteMario, 7000000, 7000000, 0).execute(), x);
    // A point on the polar axis has no longitude.
    CartesianToGeoPage p = CartPage(System::ROMA40, XAxis::ThroughMonteMario, 4500000, 0, 4400000);
    ASSERT_FALSE(p.execute());
    p.setX(Typed(0));
    p.setY(Typed(0));
    p.setZ(Typed(6000000));
    ExpectRefusal(p.execute(), polar);
    EXPECT_FALSE(p.hasResult());
    EXPECT_EQ(p.resultTexts()[0], "");
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
TEST(CartesianPages, BothWaysAgainstTheIndependentGeocentricConversion) {
    const GeographicLib::Geocentric hayford(6378388.0, 1.0 / 297.0);
    const GeographicLib::Geocentric grs80(6378137.0, 1.0 / 298.257222101);
    const double monteMario = 12.0 + 27.0 / 60.0 + 8.4 / 3600.0;
    struct Case {
        System system;
        XAxis axis;
        int origin;
        const GeographicLib::Geocentric& ellipsoid;
        double axisShift;  // added to the page's longitude to count from the X axis
        bool greenwichRow; // the longitude from Greenwich shown
    };
    const Case cases[] = {
        {System::ROMA40, XAxis::ThroughMonteMario, 1, hayford, 0, false},
        {System::ROMA40, XAxis::ThroughGreenwich, 1, hayford, monteMario, true},
        // Longitudes from Greenwich already count from the Greenwich axis.
        {System::ROMA40, XAxis::ThroughGreenwich, 2, hayford, 0, false},
        {System::ROMA40, XAxis::ThroughMonteMario, 2, hayford, 0, false},
        {System::ED50, XAxis::ThroughGreenwich, 1, hayford, 0, false},
        {System::WGS84, XAxis::ThroughMonteMario, 1, grs80, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(Code(c.system)) + " axis " + std::to_string(int(c.axis)) + " origin " +
                     std::to_string(c.origin));
        const double lat = 41.9, lon = -0.2, h = 1234.5678;
        GeoToCartesianPage g = GeoPage(c.system, c.axis, lat, lon, h, c.origin);
        ASSERT_FALSE(g.execute());
        double x = 0, y = 0, z = 0;
        c.ellipsoid.Forward(lat, lon + c.axisShift, h, x, y, z);
        EXPECT_NEAR(g.x(), x, 0.0005);
        EXPECT_NEAR(g.y(), y, 0.0005);
        EXPECT_NEAR(g.z(), z, 0.0005);
        EXPECT_EQ(g.resultTexts()[1], FormatPattern(g.y(), Patterns::Metres));
        EXPECT_EQ(g.shiftsToGreenwichAxis(), c.greenwichRow);
        EXPECT_EQ(g.greenwichLongitudeText(),
                  c.greenwichRow ? FormatResultAngle(lon + monteMario, 1) : std::string());

        CartesianToGeoPage back = CartPage(c.system, c.axis, x, y, z, 2, c.origin);
        ASSERT_FALSE(back.execute());
        EXPECT_NEAR(back.latitude(), lat, 1e-9);
        EXPECT_NEAR(back.longitude(), lon, 1e-9);
        EXPECT_NEAR(back.height(), h, 0.0005);
        EXPECT_EQ(back.resultTexts()[0], "41.90000000°");
        EXPECT_EQ(back.resultTexts()[1], "-0.20000000°");
        EXPECT_EQ(back.resultTexts()[2], "1 234.568");
        EXPECT_EQ(back.greenwichLongitudeText(),
                  c.greenwichRow ? FormatResultAngle(lon + monteMario, 2) : std::string());
    }
    // On the Monte Mario meridian with the X axis through Greenwich.
    GeoToCartesianPage g = GeoPage(System::ROMA40, XAxis::ThroughGreenwich, 41.9, 0, 0);
    ASSERT_FALSE(g.execute());
    EXPECT_EQ(g.greenwichLongitudeText(), "12° 27' 08.4000''");
    double x = 0, y = 0, z = 0;
    hayford.Forward(41.9, 12.4523333333333, 0.0, x, y, z);
    EXPECT_NEAR(g.x(), x, 0.001);
    EXPECT_NEAR(g.y(), y, 0.001);
    EXPECT_NEAR(g.z(), z, 0.001);
}
#endif

TEST(CartesianPages, TrueLongitudesBehindTheAxesAndTheDecimalPoint) {
    // X < 0 and X = 0 keep their true longitudes.
    CartesianToGeoPage p = CartPage(System::WGS84, XAxis::ThroughMonteMario, -4000000, 1000000, 4000000, 2);
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.resultTexts()[1], FormatResultAngle(165.96375653207352, 2));
    p.setX(Typed(0));
    p.setY(Typed(-4000000));
    ASSERT_FALSE(p.execute());
    EXPECT_EQ(p.resultTexts()[1], "-90.00000000°");
    // Through Monte Mario a point on its meridian lies in the XZ plane.
    GeoToCartesianPage g = GeoPage(System::ROMA40, XAxis::ThroughMonteMario, 41.9, 0, 0);
    ASSERT_FALSE(g.execute());
    EXPECT_EQ(g.resultTexts()[1], "  0.000");
    g.changeSettings(PageSettings{1, 1, ","});
    ASSERT_FALSE(g.execute());
    EXPECT_EQ(g.resultTexts()[1], "  0,000");
}

TEST(CartesianPages, ChoicesShownAndDroppingTheResult) {
    GeoToCartesianPage g = GeoPage(System::ROMA40, XAxis::ThroughMonteMario, 41.9, 0, 0);
    EXPECT_EQ(g.systemCaption(), "ROMA40 (Sistema Nazionale)");
    EXPECT_EQ(g.geographicCaption(), "Coordinate Geografiche ROMA40");
    EXPECT_EQ(g.cartesianCaption(), "Coord. Cartesiane Ellissocentriche ROMA40");
    EXPECT_EQ(g.description()[1], "Orientamento: Roma M.Mario (definizione astron. 1940)");
    EXPECT_TRUE(g.showsAxisChoice());
    EXPECT_FALSE(g.greenwichNotice());
    ASSERT_FALSE(g.execute());
    g.chooseAxis(XAxis::ThroughMonteMario);
    EXPECT_TRUE(g.hasResult());
    g.chooseAxis(XAxis::ThroughGreenwich);
    EXPECT_FALSE(g.hasResult());
    EXPECT_TRUE(g.shiftsToGreenwichAxis());
    ASSERT_FALSE(g.execute());
    g.chooseSystem(System::ED50);
    EXPECT_FALSE(g.hasResult());
    // ED50 and WGS84 have no axis choice and ignore the one made for ROMA40.
    EXPECT_FALSE(g.showsAxisChoice());
    EXPECT_FALSE(g.shiftsToGreenwichAxis());
    EXPECT_EQ(g.cartesianCaption(), "Coord. Cartesiane Ellissocentriche ED50");
    g.chooseSystem(System::WGS84);
    EXPECT_EQ(g.geographicCaption(), "Coordinate Geografiche WGS84");
    // Greenwich longitudes: the notice replaces the axis choice for ROMA40 only.
    CartesianToGeoPage c = CartPage(System::ROMA40, XAxis::ThroughGreenwich, 4500000, 0, 4400000, 1, 2);
    EXPECT_TRUE(c.greenwichNotice());
    EXPECT_FALSE(c.showsAxisChoice());
    EXPECT_FALSE(c.shiftsToGreenwichAxis());
    ASSERT_FALSE(c.execute());
    EXPECT_EQ(c.resultTexts()[1], "0° 00' 00.0000''");
    c.changeSettings(PageSettings{1, 1, "."});
    EXPECT_FALSE(c.hasResult());
    c.chooseSystem(System::WGS84);
    EXPECT_FALSE(c.greenwichNotice());
}

TEST(CartesianPages, CopyAndPasteCarryTheSystemAndTheAxis) {
    GeoToCartesianPage g = GeoPage(System::ROMA40, XAxis::ThroughGreenwich, 41.5525123, -0.2, 1234.5678);
    ASSERT_FALSE(g.execute());
    const CopiedCoordinatesRecord cart = g.copyRecord();
    EXPECT_EQ(cart.Kind, CopiedKind::Cartesian);
    EXPECT_EQ(cart.SystemCode, ROMA40);
    EXPECT_EQ(cart.AxisChoice, 2);
    EXPECT_EQ(cart.X, g.x());
    EXPECT_EQ(cart.Y, g.y());
    EXPECT_EQ(cart.Z, g.z());
    EXPECT_FALSE(g.acceptsPaste(cart));

    CartesianToGeoPage c(PageSettings{1, 1, "."});
    ASSERT_TRUE(c.acceptsPaste(cart));
    c.chooseSystem(System::WGS84);
    c.paste(cart);
    EXPECT_EQ(c.system(), System::ROMA40);
    EXPECT_EQ(c.axis(), XAxis::ThroughGreenwich);
    EXPECT_EQ(c.x().value, cart.X);
    EXPECT_EQ(c.z().value, cart.Z);
    ASSERT_FALSE(c.execute());
    EXPECT_NEAR(c.latitude(), 41.5525123, 1e-9);
    EXPECT_NEAR(c.longitude(), -0.2, 1e-9);
    const CopiedCoordinatesRecord geo = c.copyRecord();
    EXPECT_EQ(geo.Kind, CopiedKind::GeographicHeight);
    EXPECT_EQ(geo.SystemCode, ROMA40);
    EXPECT_EQ(geo.AxisChoice, 2);
    EXPECT_EQ(geo.Height, c.height());
    EXPECT_FALSE(c.acceptsPaste(geo));

    // Back: the height and the XZ plane come with the point.
    GeoToCartesianPage back(PageSettings{1, 1, "."});
    back.setHeight(Typed(5, "5.000"));
    ASSERT_TRUE(back.acceptsPaste(geo));
    back.paste(geo);
    EXPECT_TRUE(back.heightPasted());
    EXPECT_EQ(back.axis(), XAxis::ThroughGreenwich);
    EXPECT_EQ(back.height().value, geo.Height);
    ASSERT_FALSE(back.execute());
    EXPECT_NEAR(back.x(), cart.X, 0.0005);
    EXPECT_NEAR(back.y(), cart.Y, 0.0005);
    EXPECT_NEAR(back.z(), cart.Z, 0.0005);

    // A geographic point without height or axis: the typed height and the axis stay.
    CopiedCoordinatesRecord plain;
    plain.Kind = CopiedKind::Geographic;
    plain.SystemCode = WGS84;
    plain.Latitude = 45.5;
    plain.Longitude = 9.1;
    back.setHeight(Typed(5, "5.000"));
    ASSERT_TRUE(back.acceptsPaste(plain));
    back.paste(plain);
    EXPECT_FALSE(back.heightPasted());
    EXPECT_FALSE(back.hasResult());
    EXPECT_EQ(back.system(), System::WGS84);
    EXPECT_EQ(back.axis(), XAxis::ThroughGreenwich);
    EXPECT_EQ(back.height().value, 5);
    EXPECT_EQ(back.latitude().value, 45.5);

    // Records of no known system, or of other kinds, are not taken.
    plain.SystemCode = 0;
    EXPECT_FALSE(back.acceptsPaste(plain));
    CopiedCoordinatesRecord plane;
    plane.Kind = CopiedKind::Plane;
    plane.SystemCode = ROMA40;
    EXPECT_FALSE(back.acceptsPaste(plane));
    EXPECT_FALSE(c.acceptsPaste(plane));
    CopiedCoordinatesRecord unknown = cart;
    unknown.SystemCode = 4;
    EXPECT_FALSE(c.acceptsPaste(unknown));
}

struct Row {
    int size;
    bool bold;
    std::string text;
};

std::vector<Row> BlockStart(const CartesianPage& p, const std::string& caption, const std::string& point) {
    std::vector<Row> rows{{11, true, "Sistema Geodetico di riferimento: " + caption}};
    for (const std::string& l : p.description())
        rows.push_back({8, false, l});
    rows.push_back({8, false, ""});
    rows.push_back({11, false, "Punto: " + point});
    rows.push_back({11, false, ""});
    return rows;
}

void ExpectBlock(const PrintedBlock& b, std::vector<Row> rows, const std::vector<Row>& rest) {
    rows.insert(rows.end(), rest.begin(), rest.end());
    rows.push_back({11, false, std::string(62, '_')});
    rows.push_back({11, false, ""});
    ASSERT_EQ(b.lines().size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i) + ": " + rows[i].text);
        const PrintedLine& l = b.lines()[i];
        EXPECT_EQ(l.text(), rows[i].text);
        EXPECT_EQ(l.size, rows[i].size);
        EXPECT_EQ(l.bold, rows[i].bold);
        EXPECT_EQ(l.font, "Arial");
    }
}

TEST(CartesianPages, PrintedBlocksWithTheirOptionalRows) {
    const PrintTexts t;
    const std::string gap(9, ' ');
    GeoToCartesianPage g(PageSettings{1, 1, "."});
    g.chooseAxis(XAxis::ThroughGreenwich);
    g.setLatitude(Typed(41.9, "41° 54' 00.0000''"));
    g.setLongitude(Typed(0, "0° 00' 00.0000''"));
    g.setHeight(Typed(100, "100.000"));
    g.setPointName("P1");
    ASSERT_FALSE(g.execute());
    EXPECT_EQ(g.printTitle(), "TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A CARTESIANE");
    const std::array<std::string, 3> xyz = g.resultTexts();
    ExpectBlock(g.printedBlock(t), BlockStart(g, "ROMA40 (Sistema Nazionale)", "P1"),
                {{11, true, "Coordinate Geografiche ROMA40"},
                 {11, false,
                  "Lat.: 41° 54' 00.0000''" + gap + "Long.: 0° 00' 00.0000''" + gap + "Q. ellis.: 100.000"},
                 {11, false, "Long. da Greenwich: 12° 27' 08.4000''"},
                 {11, false, ""},
                 {11, true, "Coord. Cartesiane Ellissocentriche ROMA40  (Asse X per Greenwich)"},
                 {11, false, "X: " + xyz[0] + gap + "Y: " + xyz[1] + gap + "Z: " + xyz[2]},
                 {11, false, ""}});

    // Through Monte Mario: no Greenwich row and no axis note.
    g.chooseAxis(XAxis::ThroughMonteMario);
    ASSERT_FALSE(g.execute());
    const std::vector<std::string> mm = g.printedBlock(t).texts();
    ASSERT_EQ(mm.size(), 19u);
    EXPECT_EQ(mm[14], "Coord. Cartesiane Ellissocentriche ROMA40");

    // The cartesian direction with ED50.
    CartesianToGeoPage c(PageSettings{1, 1, "."});
    c.chooseSystem(System::ED50);
    c.setX(Typed(4500000, "4 500 000.000"));
    c.setY(Typed(1000000, "1 000 000.000"));
    c.setZ(Typed(4400000, "4 400 000.000"));
    ASSERT_FALSE(c.execute());
    EXPECT_EQ(c.printTitle(), "TRASFORMAZIONE COORDINATE DA CARTESIANE A GEOGRAFICHE");
    const std::array<std::string, 3> geo = c.resultTexts();
    ExpectBlock(c.printedBlock(t), BlockStart(c, "ED50 (European Datum 1950)", ""),
                {{11, true, "Coord. Cartesiane Ellissocentriche ED50"},
                 {11, false, "X: 4 500 000.000" + gap + "Y: 1 000 000.000" + gap + "Z: 4 400 000.000"},
                 {11, false, ""},
                 {11, true, "Coordinate Geografiche ED50"},
                 {11, false, "Lat.: " + geo[0] + gap + "Long.: " + geo[1] + gap + "Quota elliss.: " + geo[2]},
                 {11, false, ""}});

    // ROMA40 with Greenwich longitudes: both notes, no Greenwich row.
    CartesianToGeoPage gw = CartPage(System::ROMA40, XAxis::ThroughGreenwich, 4500000, 0, 4400000, 1, 2);
    ASSERT_FALSE(gw.execute());
    const std::vector<std::string> texts = gw.printedBlock(t).texts();
    ASSERT_EQ(texts.size(), 19u);
    EXPECT_EQ(texts[11], "Coord. Cartesiane Ellissocentriche ROMA40  (Asse X per Greenwich)");
    EXPECT_EQ(texts[14], "Coordinate Geografiche ROMA40  (Long. da Greenwich)");
    EXPECT_NE(texts[15].find("Long.: 0° 00' 00.0000''"), std::string::npos);
    EXPECT_EQ(texts[16], "");
    // Greenwich longitudes with the axis through Monte Mario still print the Greenwich axis.
    gw.chooseAxis(XAxis::ThroughMonteMario);
    ASSERT_FALSE(gw.execute());
    EXPECT_EQ(gw.printedBlock(t).texts()[11],
              "Coord. Cartesiane Ellissocentriche ROMA40  (Asse X per Greenwich)");
}

} // namespace
