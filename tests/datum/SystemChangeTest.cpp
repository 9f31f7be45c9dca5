#include "datum/SystemChange.h"

#include "datum/CommonPointSearch.h"
#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/ReferenceSystems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

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

ChangeOutcome Geo(int source, int target, double lat, double lon, int origin = 1) {
    return ChangeGeographic(Table(), {source, target, origin, lat, lon});
}

ChangeOutcome Plane(int source, int target, double north, double east, int zone = 0) {
    return ChangePlane(Table(), {source, target, north, east, zone});
}

// Plane coordinates of a geographic point in a zone: {North, East with false east}.
std::pair<double, double> Project(int system, double lat, double lonFromMeridian, double falseEast) {
    const double k = Pi() / 180.0;
    const GaussForwardResult g = GaussForward(lat * k, lonFromMeridian * k, system, 0.9996);
    return {g.ProjNorth, g.ProjEast + falseEast};
}

const double MM = 12.0 + 27.0 / 60.0 + 8.4 / 3600.0; // Monte Mario from Greenwich

} // namespace

TEST(SystemChangeGeographic, RangeChecksInOrderWithTheirMessages) {
    ChangeOutcome r = Geo(ED50, WGS84, 34.9999, 30.0);
    EXPECT_EQ(r.status, ChangeStatus::Refused);
    EXPECT_EQ(r.focus, ChangeField::Latitude);
    EXPECT_EQ(r.message, "VALORE DELLA LATITUDINE\rNON AMMESSO DAL PROGRAMMA");
    EXPECT_EQ(Geo(ED50, WGS84, 49.0001, 12.0).focus, ChangeField::Latitude);
    EXPECT_EQ(Geo(ED50, WGS84, std::nan(""), 12.0).focus, ChangeField::Latitude); // never slips through

    r = Geo(ROMA40, ED50, 42.0, 7.0001);
    EXPECT_EQ(r.status, ChangeStatus::Refused);
    EXPECT_EQ(r.focus, ChangeField::Longitude);
    EXPECT_EQ(r.message, "VALORE DELLA LONGITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_EQ(Geo(ROMA40, ED50, 42.0, -7.0001).status, ChangeStatus::Refused);
    // From Greenwich the same limits apply to the longitude from Monte Mario.
    EXPECT_EQ(Geo(ROMA40, ED50, 42.0, MM + 7.0001, 2).status, ChangeStatus::Refused);
    EXPECT_NE(Geo(ROMA40, ED50, 42.0, MM + 6.9999, 2).status, ChangeStatus::Refused);

    r = Geo(WGS84, ROMA40, 42.0, 4.9999);
    EXPECT_EQ(r.focus, ChangeField::Longitude);
    EXPECT_EQ(r.message, "VALORE DELLA LONGITUDINE\rNON AMMISSIBILE");
    EXPECT_EQ(Geo(ED50, ROMA40, 42.0, 19.0001).status, ChangeStatus::Refused);

    // The limits themselves are accepted (far ones are then just unreliable or out of reach).
    for (const auto& [s, lat, lon] :
         {std::tuple{ED50, 35.0, 12.0}, std::tuple{ED50, 49.0, 12.0}, std::tuple{ROMA40, 42.0, -7.0},
          std::tuple{ROMA40, 42.0, 7.0}, std::tuple{WGS84, 42.0, 5.0}, std::tuple{WGS84, 42.0, 19.0}})
        EXPECT_NE(Geo(s, s == ROMA40 ? ED50 : ROMA40, lat, lon).status, ChangeStatus::Refused)
            << lat << " " << lon;
}

TEST(SystemChangeGeographic, ZoneOfTheSourcePointAtTheBoundaries) {
    EXPECT_EQ(Geo(ED50, ROMA40, 45.0, 12.0).SourceZone, UTM32);
    EXPECT_EQ(Geo(ED50, ROMA40, 45.0, 12.000001).SourceZone, UTM33);
    EXPECT_EQ(Geo(WGS84, ROMA40, 40.3, 18.0).SourceZone, UTM33);
    EXPECT_EQ(Geo(WGS84, ROMA40, 40.3, 18.000001).SourceZone, UTM34);
    EXPECT_EQ(Geo(ROMA40, ED50, 45.0, -0.45233333333333).SourceZone, GBEst);
    // Values within 1e-10° of a bound count as the bound (as the range checks
    // do); a few 1e-9° past it they belong to the next zone.
    EXPECT_EQ(Geo(ROMA40, ED50, 45.0, -0.45233333333334).SourceZone, GBEst);
    EXPECT_EQ(Geo(ROMA40, ED50, 45.0, -0.452333336).SourceZone, GBOvest);
    EXPECT_EQ(Geo(ROMA40, ED50, 40.3, 5.547666664).SourceZone, GBEst);
    EXPECT_EQ(Geo(ROMA40, ED50, 40.3, 5.5476666666666).SourceZone, AuxiliaryZone);
    EXPECT_EQ(Geo(ROMA40, ED50, 40.3, 5.5476666666667).SourceZone, AuxiliaryZone);
    // Boundaries typed in notation 1 read a few 1e-11° past their exact value.
    EXPECT_EQ(Geo(ED50, ROMA40, 45.0, SexagesimalToDegrees(12.0)).SourceZone, UTM32);
    EXPECT_EQ(Geo(WGS84, ROMA40, 40.3, SexagesimalToDegrees(18.0)).SourceZone, UTM33);
    EXPECT_EQ(Geo(ROMA40, ED50, 45.0, SexagesimalToDegrees(-0.27084)).SourceZone, GBEst);
    // From Greenwich, 12° typed in decimal degrees is the Ovest/Est bound, and
    // 18° typed in notation 1 the Est/auxiliary one.
    EXPECT_EQ(Geo(ROMA40, ED50, 45.0, 12.0, 2).SourceZone, GBEst);
    EXPECT_EQ(Geo(ROMA40, ED50, 40.3, SexagesimalToDegrees(18.0), 2).SourceZone, AuxiliaryZone);

    const ChangeOutcome r = Geo(ED50, ROMA40, 45.0, 12.0);
    EXPECT_EQ(r.TargetZone, GBOvest);
    EXPECT_EQ(Geo(ROMA40, WGS84, 45.0, 0.0).TargetZone, UTM33);
}

TEST(SystemChangeGeographic, EastOfEighteenDegreesGoesThroughTheAuxiliaryZoneBothWays) {
    // Salento, 40°18' N 18°12' E of Greenwich.
    const ChangeOutcome toEd50 = Geo(ROMA40, ED50, 40.3, 18.2 - MM);
    ASSERT_EQ(toEd50.status, ChangeStatus::Done);
    EXPECT_EQ(toEd50.SourceZone, AuxiliaryZone);
    EXPECT_EQ(toEd50.TargetZone, UTM34);
    EXPECT_GT(toEd50.FoundRow, 0);
    // ED50 sits about 0.001° east and north of ROMA40 here.
    EXPECT_NEAR(toEd50.longitude, 18.2, 0.003);
    EXPECT_NEAR(toEd50.latitude, 40.3, 0.003);

    const ChangeOutcome back = Geo(ED50, ROMA40, toEd50.latitude, toEd50.longitude);
    ASSERT_EQ(back.status, ChangeStatus::Done);
    EXPECT_EQ(back.SourceZone, UTM34);
    EXPECT_EQ(back.TargetZone, AuxiliaryZone);
    EXPECT_EQ(back.FoundRow, toEd50.FoundRow);
    EXPECT_NEAR(back.latitude, 40.3, 1e-8);
    EXPECT_NEAR(back.longitude, 18.2 - MM, 1e-8);

    // With Greenwich longitudes a ROMA40 result moves by Monte Mario's longitude, others do not.
    const ChangeOutcome greenwich = Geo(ED50, ROMA40, toEd50.latitude, toEd50.longitude, 2);
    EXPECT_NEAR(greenwich.longitude - back.longitude, SexagesimalToDegrees(12.27084), 1e-12);
    EXPECT_EQ(greenwich.latitude, back.latitude);
    const ChangeOutcome fromGreenwich = Geo(ROMA40, ED50, 40.3, 18.2, 2);
    EXPECT_NEAR(fromGreenwich.longitude, toEd50.longitude, 1e-9);
    EXPECT_EQ(Geo(ED50, WGS84, 40.3, 18.2, 2).longitude, Geo(ED50, WGS84, 40.3, 18.2, 1).longitude);
}

TEST(SystemChangeGeographic, PointFarAtSeaIsNotComputable) {
    const ChangeOutcome r = Geo(ED50, WGS84, 35.0, 5.0);
    EXPECT_EQ(r.status, ChangeStatus::NotComputable);
    EXPECT_EQ(r.FoundRow, 0);
    EXPECT_FALSE(r.poorReliability);
    EXPECT_EQ(r.message,
              "PUNTO NON CALCOLABILE:\r\rIL PUNTO NON APPARTIENE ALLE\rZONE PREVISTE DAL PROGRAMMA");
    EXPECT_EQ(Plane(WGS84, ED50, 3800000.0, 250000.0, 34).status, ChangeStatus::NotComputable);

    // Within reach but far from every point: converted, with the warning.
    const ChangeOutcome far = Geo(ED50, WGS84, 49.0, 12.0);
    EXPECT_EQ(far.status, ChangeStatus::Done);
    EXPECT_TRUE(far.poorReliability);
    EXPECT_FALSE(Geo(ED50, WGS84, 45.0, 12.0).poorReliability);
}

TEST(SystemChangePlane, RangeChecksInOrderWithTheirMessages) {
    ChangeOutcome r = Plane(ED50, ROMA40, 3799999.99, 20.0, 0);
    EXPECT_EQ(r.focus, ChangeField::North);
    EXPECT_EQ(r.message, "VALORE DELLA COORDINATA NORD\rNON AMMESSO DAL PROGRAMMA");
    EXPECT_EQ(Plane(ED50, ROMA40, 5500000.01, 500000.0, 32).focus, ChangeField::North);
    EXPECT_EQ(Plane(ED50, ROMA40, 4600000.0, std::nan(""), 32).focus, ChangeField::East);

    r = Plane(ROMA40, ED50, 4600000.0, 1099999.99);
    EXPECT_EQ(r.focus, ChangeField::East);
    EXPECT_EQ(r.message, "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_EQ(Plane(ROMA40, ED50, 4600000.0, 3000000.01).focus, ChangeField::East);

    r = Plane(WGS84, ED50, 4600000.0, 49999.99, 0);
    EXPECT_EQ(r.focus, ChangeField::East);
    EXPECT_EQ(r.message, "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_EQ(Plane(WGS84, ED50, 4600000.0, 1000000.01, 32).focus, ChangeField::East);

    for (int zone : {0, 31, 35}) {
        r = Plane(ED50, WGS84, 4600000.0, 500000.0, zone);
        EXPECT_EQ(r.focus, ChangeField::Zone) << zone;
        EXPECT_EQ(r.message, "INDICAZIONE DEL FUSO DI\rAPPARTENENZA NON VALIDA");
    }

    // Each UTM zone's own East range, reported on the zone field.
    struct Limit {
        int zone;
        double low, high;
        double north;
    };
    for (const Limit& l : {Limit{32, 280000, 797000, 4900000}, Limit{33, 223000, 786000, 4500000},
                           Limit{34, 215000, 301000, 4450000}}) {
        r = Plane(ED50, ROMA40, l.north, l.low - 1.0, l.zone);
        EXPECT_EQ(r.status, ChangeStatus::Refused) << l.zone;
        EXPECT_EQ(r.focus, ChangeField::Zone) << l.zone;
        EXPECT_EQ(r.message, "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
        EXPECT_EQ(Plane(ED50, ROMA40, l.north, l.high + 0.01, l.zone).focus, ChangeField::Zone) << l.zone;
        EXPECT_NE(Plane(ED50, ROMA40, l.north, l.low, l.zone).status, ChangeStatus::Refused) << l.zone;
        EXPECT_NE(Plane(ED50, ROMA40, l.north, l.high, l.zone).status, ChangeStatus::Refused) << l.zone;
    }
}

TEST(SystemChangePlane, ZonesAndResultZoneNumbers) {
    ChangeOutcome r = Plane(ED50, WGS84, 4600000.0, 400000.0, 33);
    EXPECT_EQ(r.SourceZone, UTM33);
    EXPECT_EQ(r.TargetZone, UTM33);
    EXPECT_EQ(r.ResultZoneNumber, 33);
    r = Plane(ROMA40, WGS84, 4900000.0, 1600000.0);
    EXPECT_EQ(r.SourceZone, GBOvest);
    EXPECT_EQ(r.ResultZoneNumber, 32);
    r = Plane(ROMA40, ED50, 4600000.0, 2000000.0); // 2 000 000 itself is Ovest
    EXPECT_EQ(r.SourceZone, GBOvest);
    r = Plane(WGS84, ROMA40, 4900000.0, 600000.0, 32);
    EXPECT_EQ(r.TargetZone, GBOvest);
    EXPECT_EQ(r.ResultZoneNumber, 0);
    // The result is kept unrounded.
    EXPECT_NE(r.east, std::round(r.east));
}

TEST(SystemChangePlane, GaussBoagaEastOfEighteenDegreesAndUtm34ToRoma40) {
    // The ROMA40 point of 40°18' N 18°12' E in Gauss-Boaga Est.
    const auto [north, east] = Project(ROMA40, 40.3, 18.2 - MM - 2.54766666666667, 2520000.0);
    const ChangeOutcome toUtm = Plane(ROMA40, ED50, north, east);
    ASSERT_EQ(toUtm.status, ChangeStatus::Done);
    EXPECT_EQ(toUtm.SourceZone, AuxiliaryZone);
    EXPECT_EQ(toUtm.TargetZone, UTM34);
    EXPECT_EQ(toUtm.ResultZoneNumber, 34);
    // The same point as the geographic conversion, projected in UTM 34.
    const ChangeOutcome geo = Geo(ROMA40, ED50, 40.3, 18.2 - MM);
    const auto [n34, e34] = Project(ED50, geo.latitude, geo.longitude - 21.0, 500000.0);
    EXPECT_NEAR(toUtm.north, n34, 0.002);
    EXPECT_NEAR(toUtm.east, e34, 0.002);

    // And back: UTM 34 to ROMA40 is shown in Gauss-Boaga Est.
    const ChangeOutcome toRoma = Plane(ED50, ROMA40, toUtm.north, toUtm.east, 34);
    ASSERT_EQ(toRoma.status, ChangeStatus::Done);
    EXPECT_EQ(toRoma.SourceZone, UTM34);
    EXPECT_EQ(toRoma.TargetZone, AuxiliaryZone);
    EXPECT_NEAR(toRoma.north, north, 0.01);
    EXPECT_NEAR(toRoma.east, east, 0.01);

    // West of 18° E a Gauss-Boaga Est point stays in its zone.
    const auto [nw, ew] = Project(ROMA40, 40.3, 17.9 - MM - 2.54766666666667, 2520000.0);
    const ChangeOutcome est = Plane(ROMA40, WGS84, nw, ew);
    EXPECT_EQ(est.SourceZone, GBEst);
    EXPECT_EQ(est.ResultZoneNumber, 33);
}

TEST(SystemChangeGeographic, MonteMarioLandsOnItsPublishedCoordinates) {
    const double lat = SexagesimalToDegrees(41.552551);
    const auto metres = [](double lat1, double lon1, double lat2, double lon2) {
        const double k = 6378137.0 * Pi() / 180.0;
        return std::hypot((lat1 - lat2) * k, (lon1 - lon2) * k * std::cos(lat1 * Pi() / 180.0));
    };
    const ChangeOutcome wgs = Geo(ROMA40, WGS84, lat, 0.0);
    ASSERT_EQ(wgs.status, ChangeStatus::Done);
    EXPECT_LT(metres(wgs.latitude, wgs.longitude, SexagesimalToDegrees(41.5527851),
                     SexagesimalToDegrees(12.2707658)),
              4.0);
    // ED50 rests on the European mean EPSG:1133, given as good to 3-8 m per
    // axis: the direct transformation itself lands 4.26 m from the published
    // ED50 position of Monte Mario, and the table 4.20 m.
    const ChangeOutcome ed = Geo(ROMA40, ED50, lat, 0.0);
    ASSERT_EQ(ed.status, ChangeStatus::Done);
    EXPECT_LT(
        metres(ed.latitude, ed.longitude, SexagesimalToDegrees(41.5531487), SexagesimalToDegrees(12.271093)),
        4.5);
}

// A table damaged in memory (the loader refuses such a file): the result
// falls outside its zone or is not a number, and is refused, not shown.
TEST(SystemChangeResult, OnlyFiniteResultsInsideTheTargetZoneAreDone) {
    auto damaged = std::make_unique<CommonPointTable>(Table());
    // ROMA40 45.5, -3.0 from Monte Mario is carried by row 119, whose WGS84
    // UTM 32 East 538981.77 gets one digit too many.
    ASSERT_EQ(ChangeGeographic(Table(), {ROMA40, WGS84, 1, 45.5, -3.0}).FoundRow, 119);
    const auto typed = Project(ROMA40, 45.5, -3.0 + 3.45233333333333, 1500000.0);
    for (double value : {5389817.77, 1e299, HUGE_VAL, std::nan("")}) {
        damaged->cells[119][12] = value;
        const ChangeOutcome g = ChangeGeographic(*damaged, {ROMA40, WGS84, 1, 45.5, -3.0});
        EXPECT_EQ(g.status, ChangeStatus::OutOfRange) << value;
        EXPECT_EQ(g.message,
                  "RISULTATO NON VALIDO:\r\rIL RISULTATO CADE FUORI DAI LIMITI\rDEL SISTEMA DI ARRIVO");
        const ChangeOutcome p = ChangePlane(*damaged, {ROMA40, WGS84, typed.first, typed.second, 0});
        EXPECT_EQ(p.status, ChangeStatus::OutOfRange) << value;
    }
    damaged->cells[119][12] = Table().cell(119, 12);
    EXPECT_EQ(ChangeGeographic(*damaged, {ROMA40, WGS84, 1, 45.5, -3.0}).status, ChangeStatus::Done);

    // Sound results at the limits of the input ranges stay results, although
    // the datum moves them a little past those limits.
    for (const ChangeOutcome& r :
         {Plane(ED50, ROMA40, 3800000.0, 500000.0, 33), Plane(ROMA40, WGS84, 5500000.0, 1690000.0),
          Geo(ED50, ROMA40, 35.0, 12.5), Geo(ROMA40, ED50, 49.0, 0.0), Geo(ROMA40, ED50, 46.5, -7.0)})
        EXPECT_EQ(r.status, ChangeStatus::Done) << r.message;
}
