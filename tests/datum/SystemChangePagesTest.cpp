#include "datum/SystemChangePages.h"

#include "datum/CommonPointSearch.h"
#include "geodesy/Angles.h"
#include "geodesy/TextNumbers.h"
#include "tests/support/LinearGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;

namespace {

const CommonPointTable& Table() {
    static const std::unique_ptr<CommonPointTable> table = [] {
        auto t = std::make_unique<CommonPointTable>();
        const CommonPointLoad load =
            LoadCommonPoints(std::string(TERVANO_SOURCE_DIR) + "/data/common_points.tsv", *t);
        EXPECT_TRUE(load.ok) << load.error;
        return t;
    }();
    return *table;
}

TypedValue Typed(double v, std::string shown = {}) {
    return {v, true, std::move(shown)};
}

const TypedValue NotRead{0, false, "1E400"};

using Lines = std::vector<std::string>;

// Monte Mario, published: ROMA40 41°55'25.51" N on its own meridian
// (12°27'08.4" E of Greenwich); WGS84 41°55'27.851" N 12°27'07.658" E.
const double MonteMarioLatitude = SexagesimalToDegrees(41.552551);
const double MonteMarioGreenwich = SexagesimalToDegrees(12.27084);
const double MonteMarioWgsLatitude = SexagesimalToDegrees(41.5527851);
const double MonteMarioWgsLongitude = SexagesimalToDegrees(12.2707658);

double Metres(double lat1, double lon1, double lat2, double lon2) {
    const double k = 6378137.0 * Pi() / 180.0;
    return std::hypot((lat1 - lat2) * k, (lon1 - lon2) * k * std::cos(lat1 * Pi() / 180.0));
}

PageSettings Settings(int angleUnit, int origin = 1) {
    return PageSettings{angleUnit, origin, "."};
}

} // namespace

TEST(GeographicChangePage, ChecksInOrderWithTheirRefusals) {
    GeographicChangePage page(Settings(2), Table());
    const Refusal latitude{GeographicChangePage::Latitude,
                           {"VALORE DELLA LATITUDINE", "NON AMMESSO DAL PROGRAMMA"},
                           RefusalIcon::Exclamation};
    // The latitude first, a value not read never slips through.
    page.setLatitude(NotRead);
    page.setLongitude(NotRead);
    EXPECT_EQ(page.execute(), latitude);
    page.setLatitude(Typed(34.9999));
    EXPECT_EQ(page.execute(), latitude);
    page.setLatitude(Typed(42));
    page.setLongitude(Typed(7.0001));
    EXPECT_EQ(page.execute(),
              (Refusal{GeographicChangePage::Longitude,
                       {"VALORE DELLA LONGITUDINE NON", "AMMISSIBILE PER IL SISTEMA INDICATO"},
                       RefusalIcon::Exclamation}));
    page.chooseSource(System::WGS84);
    page.setLongitude(Typed(4.9999));
    EXPECT_EQ(page.execute(), (Refusal{GeographicChangePage::Longitude,
                                       {"VALORE DELLA LONGITUDINE", "NON AMMISSIBILE"},
                                       RefusalIcon::Exclamation}));
    EXPECT_FALSE(page.hasResult());

    // A result, then a point far at sea: refused without a box, the result dropped.
    page.setLongitude(Typed(12));
    ASSERT_EQ(page.execute(), std::nullopt);
    EXPECT_TRUE(page.hasResult() && page.notices().empty());
    EXPECT_EQ(page.internalError(), 0);
    page.setLatitude(Typed(35));
    page.setLongitude(Typed(5));
    EXPECT_EQ(page.execute(), (Refusal{0,
                                       {"PUNTO NON CALCOLABILE:", "", "IL PUNTO NON APPARTIENE ALLE",
                                        "ZONE PREVISTE DAL PROGRAMMA"},
                                       RefusalIcon::Exclamation}));
    EXPECT_EQ(page.execute()->text(), NotComputableText());
    EXPECT_FALSE(page.hasResult());
    EXPECT_TRUE(page.latitudeText().empty() && page.longitudeText().empty());

    // Farther than 30 km from every point: the notice, and the result.
    page.chooseSource(System::ED50);
    page.chooseTarget(System::WGS84);
    page.setLatitude(Typed(49));
    page.setLongitude(Typed(12));
    EXPECT_EQ(page.execute(), std::nullopt);
    ASSERT_EQ(page.notices().size(), 1u);
    EXPECT_EQ(page.notices()[0], PoorReliabilityText());
    EXPECT_EQ(page.notices()[0].rfind("RISULTATO DI SCARSA ATTENDIBILITA':\r\r", 0), 0u);
    EXPECT_TRUE(page.hasResult());
    EXPECT_FALSE(page.latitudeText().empty());
}

TEST(PlaneChangePage, ChecksInOrderWithTheirRefusals) {
    PlaneChangePage page(Settings(1), Table());
    page.chooseSource(System::ED50);
    page.chooseTarget(System::WGS84);
    const Lines eastOfZone{"VALORE DELLA COORDINATA EST NON", "AMMISSIBILE PER IL SISTEMA INDICATO"};
    // North before East before the zone number.
    page.setNorth(NotRead);
    page.setEast(NotRead);
    page.setZoneNumber(NotRead);
    EXPECT_EQ(page.execute(), (Refusal{PlaneChangePage::North,
                                       {"VALORE DELLA COORDINATA NORD", "NON AMMESSO DAL PROGRAMMA"},
                                       RefusalIcon::Exclamation}));
    page.setNorth(Typed(4900000));
    EXPECT_EQ(page.execute(),
              (Refusal{PlaneChangePage::East,
                       {"VALORE DELLA COORDINATA EST", "NON AMMISSIBILE PER IL SISTEMA INDICATO"},
                       RefusalIcon::Exclamation}));
    page.setEast(Typed(279999));
    EXPECT_EQ(page.execute(), (Refusal{PlaneChangePage::ZoneNumber,
                                       {"INDICAZIONE DEL FUSO DI", "APPARTENENZA NON VALIDA"},
                                       RefusalIcon::Exclamation}));
    page.setZoneNumber(Typed(31));
    EXPECT_EQ(page.execute()->input, PlaneChangePage::ZoneNumber);
    // An East outside the territory of a valid zone: the East is what to correct.
    page.setZoneNumber(Typed(32.4)); // read as the nearest whole number
    EXPECT_EQ(page.execute(), (Refusal{PlaneChangePage::East, eastOfZone, RefusalIcon::Exclamation}));
    page.setEast(Typed(500000));
    ASSERT_EQ(page.execute(), std::nullopt);
    EXPECT_TRUE(page.hasResult());
    page.setEast(Typed(797001));
    EXPECT_EQ(page.execute(), (Refusal{PlaneChangePage::East, eastOfZone, RefusalIcon::Exclamation}));
    EXPECT_FALSE(page.hasResult());
    for (auto [zone, east] : {std::pair{33, 222999.0}, {33, 786001.0}, {34, 214999.0}, {34, 301001.0}}) {
        page.setZoneNumber(Typed(zone));
        page.setEast(Typed(east));
        EXPECT_EQ(page.execute(), (Refusal{PlaneChangePage::East, eastOfZone, RefusalIcon::Exclamation}))
            << zone << " " << east;
    }

    // ROMA40: its own East range, no zone number read.
    page.chooseTarget(System::ED50);
    page.chooseSource(System::ROMA40);
    page.setEast(Typed(1099999));
    EXPECT_EQ(page.execute(), (Refusal{PlaneChangePage::East, eastOfZone, RefusalIcon::Exclamation}));
    page.setEast(Typed(2400000));
    EXPECT_EQ(page.execute(), std::nullopt);

    // Far at sea.
    page.chooseSource(System::ED50);
    page.setNorth(Typed(3800000));
    page.setEast(Typed(300000));
    page.setZoneNumber(Typed(32));
    EXPECT_EQ(page.execute(), (Refusal{0,
                                       Lines{"PUNTO NON CALCOLABILE:", "", "IL PUNTO NON APPARTIENE ALLE",
                                             "ZONE PREVISTE DAL PROGRAMMA"},
                                       RefusalIcon::Exclamation}));
}

TEST(GeographicChangePage, MonteMarioLandsOnItsPublishedCoordinatesFromEitherOrigin) {
    for (int origin : {1, 2}) {
        GeographicChangePage page(Settings(2, origin), Table());
        page.chooseTarget(System::WGS84);
        page.setLatitude(Typed(MonteMarioLatitude));
        page.setLongitude(Typed(origin == 2 ? MonteMarioGreenwich : 0.0));
        ASSERT_EQ(page.execute(), std::nullopt) << origin;
        EXPECT_LT(Metres(page.resultLatitude(), page.resultLongitude(), MonteMarioWgsLatitude,
                         MonteMarioWgsLongitude),
                  4.0);
        EXPECT_EQ(page.sourceZone(), PlaneZone::GBEst);
        EXPECT_EQ(page.targetZone(), PlaneZone::UTM33);

        // And back to ROMA40, its longitude in the settings' origin.
        page.chooseSource(System::WGS84);
        page.chooseTarget(System::ROMA40);
        page.setLatitude(Typed(MonteMarioWgsLatitude));
        page.setLongitude(Typed(MonteMarioWgsLongitude));
        ASSERT_EQ(page.execute(), std::nullopt);
        EXPECT_LT(Metres(page.resultLatitude(), page.resultLongitude(), MonteMarioLatitude,
                         origin == 2 ? MonteMarioGreenwich : 0.0),
                  4.0);
    }
    // Results written to tenths of a second, thousandths of a minute, five decimals.
    GeographicChangePage page(Settings(1), Table());
    page.setLatitude(Typed(MonteMarioLatitude));
    page.setLongitude(Typed(0));
    page.chooseTarget(System::WGS84);
    ASSERT_EQ(page.execute(), std::nullopt);
    EXPECT_EQ(page.latitudeText().substr(0, 12), "41° 55' 27.");
    for (auto [unit, latitude] : {std::pair{2, "41.92"}, {4, "41° 55.4"}}) {
        page.changeSettings(Settings(unit));
        EXPECT_EQ(page.latitudeText(), "") << "new settings drop the result";
        ASSERT_EQ(page.execute(), std::nullopt);
        EXPECT_EQ(page.latitudeText().rfind(latitude, 0), 0u) << page.latitudeText();
    }
    EXPECT_EQ(page.latitudeText().size(), std::string("41° 55.464'").size());
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
TEST(PlaneChangePage, MonteMarioInGaussBoagaLandsOnItsPublishedUtmPosition) {
    // Both positions projected by GeographicLib's exact transverse Mercator:
    // ROMA40 on the International ellipsoid in Gauss-Boaga Est, WGS84 in UTM 33.
    double romaE = 0, romaN = 0, wgsE = 0, wgsN = 0;
    GeographicLib::TransverseMercatorExact(6378388.0, 1 / 297.0, 0.9996)
        .Forward(15.0, MonteMarioLatitude, MonteMarioGreenwich, romaE, romaN);
    GeographicLib::TransverseMercatorExact(6378137.0, 1 / 298.257223563, 0.9996)
        .Forward(15.0, MonteMarioWgsLatitude, MonteMarioWgsLongitude, wgsE, wgsN);
    PlaneChangePage page(Settings(1), Table());
    page.chooseTarget(System::WGS84);
    page.setNorth(Typed(romaN));
    page.setEast(Typed(romaE + 2520000.0));
    ASSERT_EQ(page.execute(), std::nullopt);
    EXPECT_LT(std::hypot(page.resultNorth() - wgsN, page.resultEast() - (wgsE + 500000.0)), 4.0);
    EXPECT_EQ(page.resultZoneNumber(), 33);
    EXPECT_EQ(page.targetZone(), PlaneZone::UTM33);
    EXPECT_EQ(page.zoneText(), "33");
    // Shown to the metre.
    EXPECT_EQ(page.northText(), FormatPattern(std::round(page.resultNorth()), "# ### ##0"));
    EXPECT_EQ(page.northText().size(), 9u);
    EXPECT_EQ(page.northText()[1], ' ');

    // And back: the typed point again, within the table's millimetres.
    page.chooseSource(System::WGS84);
    page.chooseTarget(System::ROMA40);
    page.setNorth(Typed(page.resultNorth()));
    page.setEast(Typed(page.resultEast()));
    page.setZoneNumber(Typed(33));
    ASSERT_EQ(page.execute(), std::nullopt);
    EXPECT_NEAR(page.resultNorth(), romaN, 0.5);
    EXPECT_NEAR(page.resultEast(), romaE + 2520000.0, 0.5);
    // A ROMA40 result leaves the zone number of the one before.
    EXPECT_EQ(page.resultZoneNumber(), 33);
}
#endif

TEST(PlaneChangePage, Utm34ToRoma40IsShownInGaussBoagaEst) {
    PlaneChangePage page(Settings(1), Table());
    page.chooseTarget(System::WGS84);
    page.chooseSource(System::ED50);
    page.chooseTarget(System::ROMA40);
    page.setNorth(Typed(4460000));
    page.setEast(Typed(250000));
    page.setZoneNumber(Typed(34));
    ASSERT_EQ(page.execute(), std::nullopt);
    EXPECT_EQ(page.sourceZone(), PlaneZone::UTM34);
    EXPECT_EQ(page.targetZone(), PlaneZone::Auxiliary);
    EXPECT_GT(page.resultEast(), 2700000.0);
    EXPECT_LT(page.resultEast(), 2800000.0);
}

TEST(SystemChangePages, ChoicesCopyAndPasteRecords) {
    GeographicChangePage geo(Settings(2), Table());
    EXPECT_EQ(geo.source(), System::ROMA40);
    EXPECT_EQ(geo.target(), System::ED50);
    geo.setLatitude(Typed(42));
    geo.setLongitude(Typed(0.3));
    ASSERT_EQ(geo.execute(), std::nullopt);
    // Choosing the same system keeps the result, another drops it.
    geo.chooseTarget(System::ED50);
    EXPECT_TRUE(geo.hasResult());
    geo.chooseTarget(System::WGS84);
    EXPECT_FALSE(geo.hasResult());
    ASSERT_EQ(geo.execute(), std::nullopt);
    geo.chooseSource(System::ED50);
    EXPECT_FALSE(geo.hasResult());
    geo.chooseSource(System::ROMA40);

    // The record: unrounded values of the result, its system.
    ASSERT_EQ(geo.execute(), std::nullopt);
    CopiedCoordinatesRecord c = geo.copyRecord();
    EXPECT_EQ(c.Kind, CopiedKind::Geographic);
    EXPECT_EQ(c.Latitude, geo.resultLatitude());
    EXPECT_EQ(c.Longitude, geo.resultLongitude());
    EXPECT_EQ(c.SystemCode, WGS84);
    EXPECT_TRUE(geo.acceptsPaste(c));
    // Pasted back, the point's system is the source; being the target, the
    // conversion turns round.
    geo.paste(c);
    EXPECT_EQ(geo.source(), System::WGS84);
    EXPECT_EQ(geo.target(), System::ROMA40);
    EXPECT_FALSE(geo.hasResult());
    EXPECT_EQ(geo.latitude().value, c.Latitude);
    EXPECT_EQ(geo.longitude().value, c.Longitude);
    ASSERT_EQ(geo.execute(), std::nullopt);
    EXPECT_NEAR(geo.resultLatitude(), 42, 1e-7);
    EXPECT_NEAR(geo.resultLongitude(), 0.3, 1e-7);
    // Another system only becomes the source.
    c.SystemCode = ED50;
    geo.paste(c);
    EXPECT_EQ(geo.source(), System::ED50);
    EXPECT_EQ(geo.target(), System::ROMA40);
    // Geographic records of a known system only.
    c.SystemCode = 0;
    EXPECT_FALSE(geo.acceptsPaste(c));
    c.SystemCode = ED50;
    c.Kind = CopiedKind::GeographicHeight;
    EXPECT_TRUE(geo.acceptsPaste(c));
    c.Kind = CopiedKind::Plane;
    c.ZoneCode = UTM33;
    EXPECT_FALSE(geo.acceptsPaste(c));

    PlaneChangePage plane(Settings(2), Table());
    EXPECT_TRUE(plane.acceptsPaste(c));
    c.ZoneCode = AuxiliaryZone;
    EXPECT_FALSE(plane.acceptsPaste(c));
    c.ZoneCode = UTM33;
    c.North = 4640123.456;
    c.East = 412345.678;
    plane.setZoneNumber(Typed(32));
    plane.paste(c);
    EXPECT_EQ(plane.source(), System::ED50);
    EXPECT_EQ(plane.target(), System::ROMA40); // ED50 was the target: turned round
    EXPECT_EQ(plane.zoneNumber().value, 33);
    EXPECT_EQ(plane.north().value, c.North);
    ASSERT_EQ(plane.execute(), std::nullopt);
    const CopiedCoordinatesRecord p = plane.copyRecord();
    EXPECT_EQ(p.Kind, CopiedKind::Plane);
    EXPECT_EQ(p.North, plane.resultNorth());
    EXPECT_EQ(p.East, plane.resultEast());
    EXPECT_NE(p.East, std::round(p.East));
    EXPECT_EQ(p.SystemCode, ROMA40);
    EXPECT_EQ(p.ZoneCode, GBEst);
    // A ROMA40 point leaves the zone number box as it was.
    plane.setZoneNumber(Typed(34));
    plane.paste(p);
    EXPECT_EQ(plane.source(), System::ROMA40);
    EXPECT_EQ(plane.target(), System::ED50);
    EXPECT_EQ(plane.zoneNumber().value, 34);
    ASSERT_EQ(plane.execute(), std::nullopt);
    EXPECT_NEAR(plane.resultNorth(), c.North, 0.01);
    EXPECT_NEAR(plane.resultEast(), c.East, 0.01);
    EXPECT_EQ(plane.copyRecord().UtmZone, 33);
    EXPECT_EQ(plane.copyRecord().ZoneCode, UTM33);
}

TEST(SystemChangePages, CaptionsFollowSystemsAndTheMomentTheyWereWritten) {
    GeographicChangePage geo(Settings(1, 2), Table());
    PlaneChangePage plane(Settings(1, 2), Table());
    EXPECT_EQ(geo.optionCaption(System::ROMA40), "ROMA40");
    EXPECT_EQ(geo.optionCaption(System::WGS84), "WGS84");
    EXPECT_EQ(plane.optionCaption(System::ROMA40), "GAUSS-BOAGA");
    EXPECT_EQ(plane.optionCaption(System::ED50), "UTM (ED50)");
    EXPECT_EQ(plane.optionCaption(System::WGS84), "UTM (WGS84)");
    EXPECT_EQ(geo.sourceCaption(), "Coordinate geografiche ROMA40");
    EXPECT_EQ(geo.targetCaption(), "Coordinate geografiche ED50");
    EXPECT_TRUE(geo.sourceNotice());
    EXPECT_FALSE(geo.targetNotice());
    EXPECT_EQ(plane.sourceCaption(), "Coordinate piane GAUSS BOAGA");
    EXPECT_EQ(plane.targetCaption(), "Coordinate piane UTM-ED50");
    EXPECT_FALSE(plane.sourceHasZone());
    EXPECT_TRUE(plane.targetHasZone());

    for (SystemChangePage* p :
         {static_cast<SystemChangePage*>(&geo), static_cast<SystemChangePage*>(&plane)}) {
        p->chooseTarget(System::ROMA40);
        p->chooseSource(System::ED50);
    }
    EXPECT_FALSE(geo.sourceNotice());
    EXPECT_TRUE(geo.targetNotice());
    EXPECT_TRUE(plane.sourceHasZone());
    EXPECT_FALSE(plane.targetHasZone());
    // ED50 chosen while the plane tab is shown reads "UTM (ED50)" until the
    // tabs take the focus; a ROMA40 target then gets a trailing blank.
    plane.captionsWritten(SystemChangePage::CaptionMoment::Choice, false);
    EXPECT_EQ(plane.sourceCaption(), "Coordinate piane UTM-ED50");
    plane.captionsWritten(SystemChangePage::CaptionMoment::Choice, true);
    EXPECT_EQ(plane.sourceCaption(), "Coordinate piane UTM (ED50)");
    plane.captionsWritten(SystemChangePage::CaptionMoment::TabFocus, true);
    EXPECT_EQ(plane.sourceCaption(), "Coordinate piane UTM-ED50");
    EXPECT_EQ(plane.targetCaption(), "Coordinate piane GAUSS BOAGA");
    EXPECT_EQ(geo.targetCaption(), "Coordinate geografiche ROMA40");
    geo.captionsWritten(SystemChangePage::CaptionMoment::TabFocus, false);
    EXPECT_EQ(geo.targetCaption(), "Coordinate geografiche ROMA40 ");
    EXPECT_EQ(geo.sourceCaption(), "Coordinate geografiche ED50");
}

TEST(SystemChangePages, PrintedBlocksLineByLine) {
    const PrintTexts t;
    const std::string gap(14, ' ');
    auto expectLines = [](const PrintedBlock& b, const Lines& texts, size_t boldA, size_t boldB) {
        ASSERT_EQ(b.texts(), texts);
        for (size_t i = 0; i < b.lines().size(); ++i) {
            const PrintedLine& l = b.lines()[i];
            EXPECT_EQ(l.bold, i == boldA || i == boldB) << i;
            EXPECT_EQ(l.size, 11) << i;
            EXPECT_EQ(l.font, "Arial") << i;
            EXPECT_EQ(l.x, 0) << i;
        }
    };

    // Geographic, longitudes from Greenwich: the ROMA40 side says so.
    GeographicChangePage geo(Settings(1, 2), Table());
    geo.setPointName("P1");
    geo.setLatitude(Typed(SexagesimalToDegrees(41.55255), "41° 55' 25.5''"));
    geo.setLongitude(Typed(MonteMarioGreenwich, "12° 27' 08.4''"));
    ASSERT_EQ(geo.execute(), std::nullopt);
    EXPECT_EQ(geo.printTitle(), "PASSAGGIO FRA SISTEMI DI RIFERIMENTO");
    // Values typed after "ESEGUI" are not the result's.
    geo.setLatitude(Typed(40, "40° 00' 00.0''"));
    expectLines(geo.printedBlock(t),
                {"Punto: P1", "", "Sistema Geodetico: ROMA40",
                 "Coordinate geografiche ROMA40  (Long. da Greenwich)",
                 "Latitudine: 41° 55' 25.5''" + gap + "Longitudine: 12° 27' 08.4''", "",
                 "Sistema Geodetico: ED50", "Coordinate geografiche ED50",
                 "Latitudine: " + geo.latitudeText() + gap + "Longitudine: " + geo.longitudeText(), "",
                 "Metodo: tabella dei punti comuni, precisione circa 11 m", geo.methodLines().at(1),
                 std::string(62, '_'), ""},
                2, 6);
    // Published ED50 position: 41°55'31.49" 12°27'10.93", 4.2 m from the table's.
    EXPECT_EQ(geo.latitudeText(), "41° 55' 31.4''");
    EXPECT_EQ(geo.longitudeText(), "12° 27' 11.1''");

    // Plane, ED50 UTM 33 to ROMA40: zone suffixes, the caption as written.
    PlaneChangePage plane(Settings(1), Table());
    plane.chooseTarget(System::WGS84);
    plane.chooseSource(System::ED50);
    plane.chooseTarget(System::ROMA40);
    plane.captionsWritten(SystemChangePage::CaptionMoment::Choice, true);
    plane.setPointName("P2");
    plane.setNorth(Typed(4640123.456, "4 640 123"));
    plane.setEast(Typed(412345.678, " 412 346"));
    plane.setZoneNumber(Typed(33, "33"));
    ASSERT_EQ(plane.execute(), std::nullopt);
    Lines texts{"Punto: P2",
                "",
                "Sistema Geodetico: ED50",
                "Coordinate piane UTM (ED50)  (Fuso 33)",
                "Nord: 4 640 123" + gap + "Est:  412 346",
                "",
                "Sistema Geodetico: ROMA40",
                "Coordinate piane GAUSS BOAGA",
                "Nord: " + plane.northText() + gap + "Est: " + plane.eastText(),
                "",
                "Metodo: tabella dei punti comuni, precisione circa 11 m",
                plane.methodLines().at(1),
                std::string(62, '_'),
                ""};
    expectLines(plane.printedBlock(t), texts, 2, 6);
    plane.captionsWritten(SystemChangePage::CaptionMoment::TabFocus, true);
    texts[3] = "Coordinate piane UTM-ED50  (Fuso 33)";
    expectLines(plane.printedBlock(t), texts, 2, 6);
    EXPECT_EQ(plane.northText().size(), 9u);

    // To WGS84 the result side carries its zone.
    plane.chooseTarget(System::WGS84);
    ASSERT_EQ(plane.execute(), std::nullopt);
    EXPECT_EQ(plane.printedBlock(t).texts()[7], "Coordinate piane UTM-WGS84  (Fuso 33)");
}

namespace {

GridChoice LinearGrid(std::string fileName = "italia.gsb", System source = System::ROMA40) {
    return {std::make_shared<const Ntv2Grid>(testgrid::Make(source == System::ED50 ? "ED50" : "MONTEMAR")),
            std::move(fileName), source};
}

} // namespace

TEST(SystemChangePages, TableMethodLinesTellThePointItsDistanceReliabilityAndAccuracy) {
    GeographicChangePage geo(Settings(2), Table());
    EXPECT_TRUE(geo.methodLines().empty());
    geo.chooseTarget(System::WGS84);
    geo.setLatitude(Typed(MonteMarioLatitude));
    geo.setLongitude(Typed(0));
    ASSERT_EQ(geo.execute(), std::nullopt);
    EXPECT_EQ(geo.methodLines(), (Lines{"Metodo: tabella dei punti comuni, precisione circa 5 m",
                                        "Punto comune 372 a 4 808 m: risultato attendibile"}));
    // Far from every point: the verdict of the notice; ED50 - WGS84 is EPSG:1133's 10 m.
    geo.chooseSource(System::ED50);
    geo.setLatitude(Typed(49));
    geo.setLongitude(Typed(12));
    ASSERT_EQ(geo.execute(), std::nullopt);
    ASSERT_EQ(geo.notices().size(), 1u);
    ASSERT_EQ(geo.methodLines().size(), 2u);
    EXPECT_EQ(geo.methodLines()[0], "Metodo: tabella dei punti comuni, precisione circa 10 m");
    EXPECT_EQ(geo.methodLines()[1].rfind("Punto comune ", 0), 0u);
    EXPECT_NE(geo.methodLines()[1].find(" m: risultato di scarsa attendibilità"), std::string::npos);
    // A changed system or method drops the result and its lines.
    geo.chooseTarget(System::ROMA40);
    EXPECT_TRUE(geo.methodLines().empty());
    EXPECT_EQ(TableAccuracyMetres(System::ED50, System::ROMA40), 11);
    EXPECT_EQ(TableAccuracyMetres(System::WGS84, System::ROMA40), 5);
    EXPECT_EQ(TableAccuracyMetres(System::WGS84, System::ED50), 10);
}

TEST(SystemChangePages, GridMethodRefusesWithoutAGridOrOutsideItAndNeverFallsBack) {
    GeographicChangePage geo(Settings(2), Table());
    geo.chooseTarget(System::WGS84);
    geo.chooseMethod(ChangeMethod::Grid);
    EXPECT_EQ(geo.method(), ChangeMethod::Grid);
    geo.setLatitude(Typed(41.9));
    geo.setLongitude(Typed(12.5 - MonteMarioGreenwich));
    // No grid: refused before the values are looked at.
    EXPECT_EQ(geo.execute(), (Refusal{0,
                                      {"NESSUN GRIGLIATO NTv2 SCELTO:", "", "SCEGLIERE IL FILE DEL GRIGLIATO",
                                       "O IL METODO DELLA TABELLA"},
                                      RefusalIcon::Exclamation}));
    EXPECT_FALSE(geo.hasResult());
    geo.setGrid(LinearGrid());
    // A grid of ROMA40 does not carry ROMA40 to ED50: it says which systems it joins.
    geo.chooseTarget(System::ED50);
    EXPECT_EQ(geo.execute(), (Refusal{0,
                                      {"GRIGLIATO NTv2 NON UTILIZZABILE:", "",
                                       "IL GRIGLIATO UNISCE ROMA40 E WGS84,", "NON I DUE SISTEMI SCELTI"},
                                      RefusalIcon::Exclamation}));
    geo.chooseSource(System::WGS84);
    geo.chooseTarget(System::ROMA40);
    geo.setLongitude(Typed(12.5));
    ASSERT_EQ(geo.execute(), std::nullopt);
    geo.chooseSource(System::ROMA40);
    geo.chooseTarget(System::WGS84);
    geo.setLongitude(Typed(12.5 - MonteMarioGreenwich));
    // The typed values' checks are the table's.
    geo.setLatitude(NotRead);
    EXPECT_EQ(geo.execute()->input, GeographicChangePage::Latitude);

    // North of the grid but inside the program's range: the table would carry
    // the point, the grid refuses it.
    geo.setLatitude(Typed(48.5));
    geo.setLongitude(Typed(-1));
    EXPECT_EQ(geo.execute(), (Refusal{0,
                                      {"PUNTO NON CALCOLABILE:", "", "IL PUNTO È FUORI DAL GRIGLIATO NTv2"},
                                      RefusalIcon::Exclamation}));
    EXPECT_FALSE(geo.hasResult());
    EXPECT_TRUE(geo.methodLines().empty());
    geo.chooseMethod(ChangeMethod::Table);
    EXPECT_EQ(geo.execute(), std::nullopt);
}

TEST(SystemChangePages, GridMethodResultsLinesPrintedBlockAndCopy) {
    const PrintTexts t;
    const std::string gap(14, ' ');
    GeographicChangePage geo(Settings(2, 2), Table());
    geo.chooseTarget(System::WGS84);
    geo.chooseMethod(ChangeMethod::Grid);
    geo.setGrid(LinearGrid());
    geo.setPointName("G1");
    // Rome, in the child grid, typed from Greenwich.
    geo.setLatitude(Typed(41.9, "41.90000°"));
    geo.setLongitude(Typed(12.5, "12.50000°"));
    ASSERT_EQ(geo.execute(), std::nullopt);
    const auto [lat, lon] = testgrid::Forward(41.9, 12.5);
    EXPECT_NEAR(geo.resultLatitude(), lat, 1e-9);
    EXPECT_NEAR(geo.resultLongitude(), lon, 1e-9);
    EXPECT_TRUE(geo.notices().empty());
    EXPECT_EQ(geo.commonPointRow(), 0);
    EXPECT_EQ(geo.subgridName(), "ROMA");
    const Lines method{"Metodo: grigliato NTv2 italia.gsb",
                       "Sottogriglia ROMA, da MONTEMAR a ETRS89 (ROMA40 - WGS84)"};
    EXPECT_EQ(geo.methodLines(), method);
    const PrintedBlock b = geo.printedBlock(t);
    EXPECT_EQ(b.texts(),
              (Lines{"Punto: G1", "", "Sistema Geodetico: ROMA40",
                     "Coordinate geografiche ROMA40  (Long. da Greenwich)",
                     "Latitudine: 41.90000°" + gap + "Longitudine: 12.50000°", "", "Sistema Geodetico: WGS84",
                     "Coordinate geografiche WGS84",
                     "Latitudine: " + geo.latitudeText() + gap + "Longitudine: " + geo.longitudeText(), "",
                     method[0], method[1], std::string(62, '_'), ""}));
    for (size_t i = 10; i < 12; ++i) {
        EXPECT_FALSE(b.lines()[i].bold);
        EXPECT_EQ(b.lines()[i].size, 11);
        EXPECT_EQ(b.lines()[i].font, "Arial");
    }
    // The copy is the result, as with the table.
    const CopiedCoordinatesRecord c = geo.copyRecord();
    EXPECT_EQ(c.Kind, CopiedKind::Geographic);
    EXPECT_EQ(c.Latitude, geo.resultLatitude());
    EXPECT_EQ(c.Longitude, geo.resultLongitude());
    EXPECT_EQ(c.SystemCode, WGS84);

    // Back from WGS84, pasted: the ROMA40 point typed, from Greenwich; the parent grid of an ED50 one.
    GeographicChangePage back(Settings(2, 2), Table());
    back.chooseMethod(ChangeMethod::Grid);
    back.setGrid(LinearGrid());
    back.paste(c);
    EXPECT_EQ(back.source(), System::WGS84);
    back.chooseTarget(System::ROMA40);
    ASSERT_EQ(back.execute(), std::nullopt);
    EXPECT_NEAR(back.resultLatitude(), 41.9, 1e-9);
    EXPECT_NEAR(back.resultLongitude(), 12.5, 1e-9);

    // Plane: a long file name is shortened in the middle; an ED50 grid's lines.
    PlaneChangePage plane(Settings(1), Table());
    plane.chooseSource(System::ED50);
    plane.chooseTarget(System::WGS84);
    plane.chooseMethod(ChangeMethod::Grid);
    plane.setGrid(LinearGrid("grigliato_ed50_etrf2000_regione_lombardia_2009.gsb", System::ED50));
    plane.setNorth(Typed(5000000));
    plane.setEast(Typed(500000));
    plane.setZoneNumber(Typed(32));
    ASSERT_EQ(plane.execute(), std::nullopt);
    EXPECT_EQ(plane.methodLines(), (Lines{"Metodo: grigliato NTv2 grigliato_ed50_etrf...lombardia_2009.gsb",
                                          "Sottogriglia ITALIA, da ED50 a ETRS89 (ED50 - WGS84)"}));
    EXPECT_EQ(plane.zoneText(), "32");
    const CopiedCoordinatesRecord p = plane.copyRecord();
    EXPECT_EQ(p.Kind, CopiedKind::Plane);
    EXPECT_EQ(p.North, plane.resultNorth());
    EXPECT_EQ(p.UtmZone, 32);
    EXPECT_EQ(p.SystemCode, WGS84);
    EXPECT_EQ(p.ZoneCode, UTM32);
    // Back to ED50 from the copy: the typed point within a millimetre.
    PlaneChangePage planeBack(Settings(1), Table());
    planeBack.chooseMethod(ChangeMethod::Grid);
    planeBack.setGrid(LinearGrid("g.gsb", System::ED50));
    planeBack.paste(p);
    planeBack.chooseTarget(System::ED50);
    ASSERT_EQ(planeBack.execute(), std::nullopt);
    EXPECT_NEAR(planeBack.resultNorth(), 5000000, 1e-3);
    EXPECT_NEAR(planeBack.resultEast(), 500000, 1e-3);
    EXPECT_EQ(planeBack.printedBlock(t).texts().at(10), "Metodo: grigliato NTv2 g.gsb");
}
