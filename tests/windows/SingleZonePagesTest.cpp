#include "windows/SingleZoneGeoToPlanePage.h"
#include "windows/SingleZonePlaneToGeoPage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;

namespace {

PageSettings Sexagesimal(int origin = 1) {
    return PageSettings{1, origin, "."};
}

TypedValue Typed(double v, std::string shown = "") {
    return {v, true, std::move(shown)};
}

// The zone parameters typed: meridian, false East and scale factor.
void TypeZone(SingleZonePage& p, double meridian, double falseEast, double scale) {
    p.chooseMeridian(ZoneParameter::Typed);
    p.chooseScale(ZoneParameter::Typed);
    p.setTypedMeridian(Typed(meridian));
    p.setTypedFalseEast(Typed(falseEast));
    p.setTypedScale(Typed(scale));
}

const std::vector<std::string> ScaleLines{"VALORE DEL FATTORE DI SCALA", "SUL MERIDIANO CENTRALE",
                                          "NON AMMESSO DAL PROGRAMMA"};
const std::vector<std::string> FalseEastLines{"VALORE DELLA FALSA ORIGINE EST", "NON AMMESSO DAL PROGRAMMA"};
const std::vector<std::string> MeridianLines{"VALORE DELLA LONGITUDINE DEL MERIDIANO",
                                             "CENTRALE NON AMMESSO DAL PROGRAMMA", "PER IL SISTEMA INDICATO"};

void ExpectRefused(const std::optional<Refusal>& r, int input, const std::vector<std::string>& lines) {
    ASSERT_TRUE(r.has_value()) << input;
    EXPECT_EQ(r->input, input);
    EXPECT_EQ(r->lines, lines);
    EXPECT_EQ(r->icon, RefusalIcon::Stop);
}

} // namespace

TEST(SingleZonePages, GeographicChecksInOrder) {
    // Every input wrong; each mended in turn shows the next refusal.
    SingleZoneGeoToPlanePage p(Sexagesimal());
    TypeZone(p, 9.5, 0, 10.0001);
    p.setTypedFalseEast({0, false, ""}); // "1E400"
    p.setLatitude(Typed(34.9999));
    p.setLongitude(Typed(9.0001));
    ExpectRefused(p.execute(), InputScaleFactor, ScaleLines);
    p.setTypedScale(Typed(10));
    ExpectRefused(p.execute(), InputFalseEast, FalseEastLines);
    p.setTypedFalseEast(Typed(10000000.001));
    ExpectRefused(p.execute(), InputFalseEast, FalseEastLines);
    p.setTypedFalseEast(Typed(10000000));
    ExpectRefused(p.execute(), InputZoneLatitude,
                  {"VALORE DELLA LATITUDINE NON", "AMMISSIBILE PER IL SISTEMA INDICATO"});
    p.setLatitude(Typed(42));
    ExpectRefused(p.execute(), InputZoneLongitude,
                  {"VALORE DELLA LONGITUDINE NON", "AMMISSIBILE PER IL SISTEMA INDICATO"});
    p.setLongitude(Typed(0));
    ExpectRefused(p.execute(), InputCentralMeridian, MeridianLines);
    EXPECT_FALSE(p.hasResult());
    p.setTypedMeridian(Typed(0));
    EXPECT_FALSE(p.execute().has_value());
    EXPECT_TRUE(p.hasResult());
    // ED50 words its ranges without the system; its longitudes count from Greenwich.
    p.chooseSystem(System::ED50);
    EXPECT_FALSE(p.hasResult());
    p.setTypedMeridian(Typed(26));
    p.setLongitude(Typed(12));
    ExpectRefused(p.execute(), InputCentralMeridian, MeridianLines);
    p.setLatitude(Typed(80.01));
    ExpectRefused(p.execute(), InputZoneLatitude, {"VALORE DELLA LATITUDINE", "NON AMMISSIBILE"});
    p.setLatitude(Typed(45));
    p.setLongitude(Typed(4.99));
    ExpectRefused(p.execute(), InputZoneLongitude, {"VALORE DELLA LONGITUDINE", "NON AMMISSIBILE"});
    // A typed factor is looked at only when chosen.
    p.chooseScale(ZoneParameter::Default);
    p.setTypedScale(Typed(0));
    p.setLongitude(Typed(12));
    p.setTypedMeridian(Typed(12));
    EXPECT_FALSE(p.execute().has_value());
}

TEST(SingleZonePages, PlaneChecksInOrder) {
    SingleZonePlaneToGeoPage p(Sexagesimal());
    TypeZone(p, 9.3, 1000000, 0);
    p.setNorth(Typed(3963999));
    p.setEast(Typed(2281001));
    ExpectRefused(p.execute(), InputScaleFactor, ScaleLines);
    p.setTypedScale(Typed(0.9996));
    p.setTypedFalseEast({0, false, ""});
    ExpectRefused(p.execute(), InputFalseEast, FalseEastLines);
    p.setTypedFalseEast(Typed(1000000));
    ExpectRefused(p.execute(), InputZoneNorth,
                  {"VALORE DELLA COORDINATA NORD NON", "AMMISSIBILE PER IL SISTEMA INDICATO"});
    p.setNorth(Typed(4500000));
    ExpectRefused(p.execute(), InputZoneEast,
                  {"VALORE DELLA COORDINATA EST NON", "AMMISSIBILE PER IL SISTEMA INDICATO"});
    p.setEast(Typed(1000000));
    // ROMA40 words the meridian as the geographic direction does.
    ExpectRefused(p.execute(), InputCentralMeridian, MeridianLines);
    // ED50 with its own wording, a trailing blank on the second line.
    p.chooseSystem(System::ED50);
    p.setTypedMeridian(Typed(26));
    p.setNorth(Typed(5000000));
    ExpectRefused(p.execute(), InputCentralMeridian,
                  {"VALORE DELLA LONGITUDINE DEL MERIDIANO CENTRALE", "NON AMMESSO DAL PROGRAMMA ",
                   "PER IL SISTEMA INDICATO"});
    // The point itself: no projected point 2 272 km east at North 8 950 000;
    // on the meridian that North is 80.6° N, beyond the geographic latitudes.
    p.chooseMeridian(ZoneParameter::Default);
    p.chooseScale(ZoneParameter::Default);
    p.setNorth(Typed(8950000));
    p.setEast(Typed(3272000));
    ExpectRefused(p.execute(), InputZoneEast, {"VALORE DELLA COORDINATA EST", "NON AMMISSIBILE"});
    p.setEast(Typed(1000000));
    ExpectRefused(p.execute(), InputZoneNorth, {"VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"});
    // 80° N on the meridian lies at North 8 881 848.910 (GeographicLib TransverseMercatorExact).
    p.setNorth(Typed(8881848.89));
    EXPECT_FALSE(p.execute().has_value());
    EXPECT_EQ(p.longitudeText(), "12° 00' 00.0000''");
    p.setNorth(Typed(8881848.93));
    ExpectRefused(p.execute(), InputZoneNorth, {"VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"});
    EXPECT_TRUE(p.latitudeText().empty());
}

TEST(SingleZonePages, ComputationAgainstAnIndependentProjection) {
    // Published points of the zone: a point on the default meridian lies on the false East.
    SingleZoneGeoToPlanePage geo(Sexagesimal());
    geo.setLatitude(Typed(41.9));
    geo.setLongitude(Typed(0)); // Monte Mario, the ROMA40 default meridian
    ASSERT_FALSE(geo.execute().has_value());
    EXPECT_EQ(geo.eastText(), "1 000 000.000");
    geo.chooseSystem(System::ED50);
    geo.setLongitude(Typed(12));
    ASSERT_FALSE(geo.execute().has_value());
    EXPECT_EQ(geo.eastText(), "1 000 000.000");

    // Typed parameters on both directions, with a comma as decimal point.
    const PageSettings degrees{2, 1, ","};
    SingleZoneGeoToPlanePage forward(degrees);
    SingleZonePlaneToGeoPage inverse(degrees);
    for (SingleZonePage* p :
         {static_cast<SingleZonePage*>(&forward), static_cast<SingleZonePage*>(&inverse)}) {
        p->chooseSystem(System::WGS84);
        TypeZone(*p, 10.5, 300000, 0.9999);
    }
    forward.setLatitude(Typed(43.123456789));
    forward.setLongitude(Typed(13.987654321));
    ASSERT_FALSE(forward.execute().has_value());
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    const GeographicLib::TransverseMercatorExact tm(6378137.0, 1 / 298.257222101, 0.9999);
    double x = 0, y = 0;
    tm.Forward(10.5, 43.123456789, 13.987654321, x, y);
    EXPECT_NEAR(forward.north(), y, 0.001);
    EXPECT_NEAR(forward.east(), x + 300000, 0.001);
#endif
    inverse.setNorth(Typed(forward.north()));
    inverse.setEast(Typed(forward.east()));
    ASSERT_FALSE(inverse.execute().has_value());
    EXPECT_EQ(inverse.latitudeText(), "43,12345679°");
    EXPECT_EQ(inverse.longitudeText(), "13,98765432°");
    EXPECT_NEAR(inverse.latitude(), 43.123456789, 1e-8);
    EXPECT_NEAR(inverse.longitude(), 13.987654321, 1e-8);
    EXPECT_EQ(forward.eastText().find(','), forward.eastText().size() - 4);
}

TEST(SingleZonePages, ZoneTextsFollowChoicesAndSettings) {
    SingleZoneGeoToPlanePage p(Sexagesimal());
    EXPECT_EQ(p.defaultParametersText(), "0° 00' 00'' ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(p.meridianText(), "0° 00' 00''");
    EXPECT_EQ(p.falseEastText(), "1 000 000");
    EXPECT_EQ(p.scaleText(), "0.9996");
    EXPECT_FALSE(p.greenwichLongitudes());
    EXPECT_EQ(p.geographicCaption(), "Coordinate Geografiche ROMA40");
    // On screen the description has the bare captions; printed, the values.
    const std::vector<std::string> shown = p.description();
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[4], "Meridiano  centrale  dell'unico  fuso :");
    EXPECT_EQ(shown[5], "Falsa origine Est :");
    EXPECT_EQ(shown[6], "Rappr. CONFORME DI GAUSS con fattore di scala");
    EXPECT_EQ(p.printedDescription()[4], "Meridiano  centrale  dell'unico  fuso : 0° 00' 00''");

    // The default meridian in the notation of the settings, for every system.
    const char* const twelve[5] = {"", "12° 00' 00''", "12.00000000°", "12.00000000", "12° 00.000000'"};
    for (int unit = 1; unit <= 4; ++unit) {
        p.changeSettings(PageSettings{unit, 1, "."});
        p.chooseSystem(System::ED50);
        EXPECT_EQ(p.defaultParametersText(),
                  std::string(twelve[unit]) + " ;      Falsa origine Est = 1 000 000")
            << unit;
        p.chooseSystem(System::ROMA40);
        p.changeSettings(PageSettings{unit, 2, "."});
        EXPECT_EQ(p.defaultParametersText(),
                  std::string(twelve[unit]) + " ;     Falsa origine Est = 1 000 000")
            << unit;
        EXPECT_TRUE(p.greenwichLongitudes());
        // ED50 and WGS84 longitudes count from Greenwich whatever the setting: no notice.
        p.chooseSystem(System::WGS84);
        EXPECT_FALSE(p.greenwichLongitudes());
        p.chooseSystem(System::ROMA40);
    }
    EXPECT_EQ(p.meridianText(), "12° 00' 00''");

    // Typed parameters: the meridian from its value, the others as their boxes show them.
    p.changeSettings(PageSettings{1, 1, ","});
    p.chooseMeridian(ZoneParameter::Typed);
    EXPECT_EQ(p.falseEastText(), ""); // an empty box
    p.setTypedMeridian(Typed(-3.45233333333333, "-3° 27' 08,4000''"));
    p.setTypedFalseEast(Typed(1500000, "  1 500 000 "));
    p.chooseScale(ZoneParameter::Typed);
    p.setTypedScale(Typed(0.9999, "0,9999"));
    EXPECT_EQ(p.meridianText(), "-3° 27' 08,40''");
    EXPECT_EQ(p.falseEastText(), "1 500 000");
    EXPECT_EQ(p.scaleText(), "0,9999");
    EXPECT_EQ(p.printedDescription()[6], "Rappr. CONFORME DI GAUSS con fattore di scala 0,9999");
}

TEST(SingleZonePages, ChangesOfTheZoneDropTheResult) {
    SingleZoneGeoToPlanePage p(Sexagesimal());
    p.setLatitude(Typed(42));
    p.setLongitude(Typed(0.5));
    const auto computed = [&] {
        EXPECT_FALSE(p.execute().has_value());
        return p.hasResult();
    };
    ASSERT_TRUE(computed());
    // The same values again keep it.
    p.setLatitude(Typed(42));
    p.chooseSystem(System::ROMA40);
    p.chooseMeridian(ZoneParameter::Default);
    p.setTypedScale(Typed(0));
    EXPECT_TRUE(p.hasResult());
    p.setLatitude(Typed(42.1));
    EXPECT_FALSE(p.hasResult());
    ASSERT_TRUE(computed());
    p.chooseScale(ZoneParameter::Typed);
    EXPECT_FALSE(p.hasResult());
    p.chooseScale(ZoneParameter::Default);
    ASSERT_TRUE(computed());
    p.setTypedFalseEast(Typed(1, "1"));
    EXPECT_FALSE(p.hasResult());
    ASSERT_TRUE(computed());
    p.changeSettings(Sexagesimal(2));
    EXPECT_FALSE(p.hasResult());
    EXPECT_TRUE(p.northText().empty());
    EXPECT_EQ(p.copyRecord().Kind, CopiedKind::Empty);
}

TEST(SingleZonePages, CopyAndPasteKeepTheZone) {
    SingleZoneGeoToPlanePage geo(Sexagesimal());
    SingleZonePlaneToGeoPage plane(Sexagesimal());
    for (SingleZonePage* p : {static_cast<SingleZonePage*>(&geo), static_cast<SingleZonePage*>(&plane)}) {
        p->chooseSystem(System::ED50);
        TypeZone(*p, 10.5, 300000, 0.9999);
    }
    geo.setLatitude(Typed(43));
    geo.setLongitude(Typed(14));
    ASSERT_FALSE(geo.execute().has_value());
    const CopiedCoordinatesRecord c = geo.copyRecord();
    EXPECT_EQ(c.Kind, CopiedKind::Plane);
    EXPECT_EQ(c.North, geo.north());
    EXPECT_EQ(c.East, geo.east());
    EXPECT_EQ(c.SystemCode, ED50);
    EXPECT_EQ(c.ZoneCode, 0);
    EXPECT_EQ(c.SingleZoneMeridian, 10.5);
    EXPECT_EQ(c.SingleZoneFalseEast, 300000.0);
    EXPECT_EQ(c.SingleZoneScale, 0.9999);
    EXPECT_FALSE(c.isNationalPlane());
    EXPECT_FALSE(geo.acceptsPaste(c));

    // The plane page takes it in the same zone, on the record's system.
    plane.chooseSystem(System::ROMA40);
    EXPECT_TRUE(plane.acceptsPaste(c));
    plane.paste(c);
    EXPECT_EQ(plane.system(), System::ED50);
    ASSERT_FALSE(plane.execute().has_value());
    EXPECT_NEAR(plane.latitude(), 43, 1e-8);
    EXPECT_NEAR(plane.longitude(), 14, 1e-8);
    // Another meridian, factor or false East is another zone.
    plane.setTypedMeridian(Typed(10.4));
    EXPECT_FALSE(plane.acceptsPaste(c));
    plane.setTypedMeridian(Typed(10.5));
    plane.setTypedScale(Typed(0.9996));
    EXPECT_FALSE(plane.acceptsPaste(c));
    plane.setTypedScale(Typed(0.9999));
    plane.chooseMeridian(ZoneParameter::Default);
    EXPECT_FALSE(plane.acceptsPaste(c));
    // National-zone plane coordinates, and records without a system, stay out.
    CopiedCoordinatesRecord national = c;
    national.ZoneCode = UTM33;
    plane.chooseMeridian(ZoneParameter::Typed);
    EXPECT_TRUE(plane.acceptsPaste(c));
    EXPECT_FALSE(plane.acceptsPaste(national));
    CopiedCoordinatesRecord unknown = c;
    unknown.SystemCode = 0;
    EXPECT_FALSE(plane.acceptsPaste(unknown));

    // Back: the plane page's geographic record goes to the geographic page.
    ASSERT_FALSE(plane.execute().has_value());
    const CopiedCoordinatesRecord g = plane.copyRecord();
    EXPECT_EQ(g.Kind, CopiedKind::Geographic);
    EXPECT_EQ(g.SystemCode, ED50);
    EXPECT_EQ(g.Latitude, plane.latitude());
    EXPECT_FALSE(plane.acceptsPaste(g));
    geo.chooseSystem(System::WGS84);
    ASSERT_TRUE(geo.acceptsPaste(g));
    geo.paste(g);
    EXPECT_EQ(geo.system(), System::ED50);
    EXPECT_FALSE(geo.hasResult());
    ASSERT_FALSE(geo.execute().has_value());
    EXPECT_NEAR(geo.north(), c.North, 0.001);
    EXPECT_NEAR(geo.east(), c.East, 0.001);
    unknown = g;
    unknown.SystemCode = 0;
    EXPECT_FALSE(geo.acceptsPaste(unknown));
}

TEST(SingleZonePages, PrintedBlockOfEachDirection) {
    SingleZoneGeoToPlanePage geo(Sexagesimal());
    geo.chooseMeridian(ZoneParameter::Typed);
    geo.setTypedMeridian(Typed(-3.45233333333333, "-3° 27' 08.4000''"));
    geo.setTypedFalseEast(Typed(1500000, "1 500 000"));
    geo.setLatitude(Typed(41.9, "41° 54' 00.0000''"));
    geo.setLongitude(Typed(-3.45233333333333, "-3° 27' 08.4000''"));
    geo.setPointName("P7");
    ASSERT_FALSE(geo.execute().has_value());
    EXPECT_EQ(geo.printTitle(), "TRASFORMAZIONE COORDINATE CON PARAMETRI PERSONALIZZATI");
    const PrintTexts t;
    const std::string gap(14, ' ');
    const std::vector<std::pair<int, std::string>> rows{
        {11, "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)"},
        {8, "Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297"},
        {8, "Orientamento: Roma M.Mario (definizione astron. 1940)"},
        {8, "      Lat.= 41°55'25.51''"},
        {8, "      Long.= 0° (12°27'08.400'' est da Greenwich)"},
        {8, "Meridiano  centrale  dell'unico  fuso : -3° 27' 08.40''"},
        {8, "Falsa origine Est : 1 500 000"},
        {8, "Rappr. CONFORME DI GAUSS con fattore di scala 0.9996"},
        {8, ""},
        {11, "Punto: P7"},
        {11, ""},
        {11, "Coordinate Geografiche ROMA40"},
        {11, "Latitudine: 41° 54' 00.0000''" + gap + "Longitudine: -3° 27' 08.4000''"},
        {11, ""},
        {11, "Coordinate Piane Fuso Unico"},
        {11, "Nord: " + geo.northText() + gap + "Est: 1 500 000.000"},
        {11, ""},
        {11, std::string(62, '_')},
        {11, ""}};
    const PrintedBlock b = geo.printedBlock(t);
    ASSERT_EQ(b.lines().size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(b.lines()[i].text(), rows[i].second) << i;
        EXPECT_EQ(b.lines()[i].size, rows[i].first) << i;
        EXPECT_EQ(b.lines()[i].bold, i == 0 || i == 11 || i == 14) << i;
        EXPECT_EQ(b.lines()[i].font, "Arial") << i;
        EXPECT_EQ(b.lines()[i].x, 0) << i;
    }

    // Plane to geographic with Greenwich longitudes: the plane group first,
    // the geographic caption noted.
    SingleZonePlaneToGeoPage plane(Sexagesimal(2));
    plane.setNorth(Typed(4650000, "4 650 000.000"));
    plane.setEast(Typed(1000000, "1 000 000.000"));
    ASSERT_FALSE(plane.execute().has_value());
    const std::vector<std::string> texts = plane.printedBlock(t).texts();
    ASSERT_EQ(texts.size(), rows.size());
    EXPECT_EQ(texts[5], "Meridiano  centrale  dell'unico  fuso : 12° 00' 00''");
    EXPECT_EQ(texts[6], "Falsa origine Est : 1 000 000");
    EXPECT_EQ(texts[9], "Punto: ");
    EXPECT_EQ(texts[11], "Coordinate Piane Fuso Unico");
    EXPECT_EQ(texts[12], "Nord: 4 650 000.000" + gap + "Est: 1 000 000.000");
    EXPECT_EQ(texts[14], "Coordinate Geografiche ROMA40  (Long. da Greenwich)");
    EXPECT_EQ(texts[15], "Latitudine: " + plane.latitudeText() + gap + "Longitudine: 12° 00' 00.0000''");
    plane.chooseSystem(System::WGS84);
    ASSERT_FALSE(plane.execute().has_value());
    EXPECT_EQ(plane.printedBlock(t).texts()[14], "Coordinate Geografiche WGS84");
    EXPECT_EQ(plane.printedBlock(t).texts()[0],
              "Sistema Geodetico di riferimento: WGS84 (World Geodetic System 1984)");
}
