#include "datum/GridChange.h"

#include "datum/CommonPointTable.h"
#include "geodesy/ReferenceSystems.h"
#include "tests/support/LinearGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercator.hpp>
#endif
#ifdef TERVANO_HAVE_PROJ
#include "tests/support/Ntv2Writer.h"

#include <filesystem>
#include <fstream>
#include <proj.h>
#include <unistd.h>
#endif

using namespace tervano;
using testgrid::Forward;
using testgrid::InChild;

namespace {

const Ntv2Grid& Grid() {
    static const Ntv2Grid grid = testgrid::Make();
    return grid;
}

GridMethod Roma40Grid() {
    return {&Grid(), System::ROMA40};
}
GridMethod Ed50Grid() {
    return {&Grid(), System::ED50};
}

const double MM = 12.0 + 27.0 / 60.0 + 8.4 / 3600.0; // Monte Mario from Greenwich

// Metres between two geographic positions, near enough for millimetres.
double Metres(double lat1, double lon1, double lat2, double lon2) {
    const double k = 6378137.0 * M_PI / 180.0;
    return std::hypot((lat1 - lat2) * k, (lon1 - lon2) * k * std::cos(lat1 * M_PI / 180.0));
}

const CommonPointTable& NoTable() {
    static const CommonPointTable table;
    return table;
}

} // namespace

TEST(GridChange, SourceSystemFromTheHeaderName) {
    Ntv2Grid g;
    for (const char* name :
         {"ROMA40", "Roma 40", "RM40_GB", "MONTE MARIO", "MonteMario", "ROMA_40", "MONTEMAR", "Monte Ma"}) {
        g.sourceName = name;
        EXPECT_EQ(GridSourceFromHeader(g), System::ROMA40) << name;
    }
    for (const char* name : {"ED50", "ed 50", "EUR50", "ED_50"}) {
        g.sourceName = name;
        EXPECT_EQ(GridSourceFromHeader(g), System::ED50) << name;
    }
    // The target name is not looked at; an unknown or ambiguous source is the user's choice.
    for (const char* name : {"ETRS89", "", "NAD27", "ED50-ROMA40"}) {
        g.sourceName = name;
        g.targetName = "ROMA40";
        EXPECT_EQ(GridSourceFromHeader(g), std::nullopt) << name;
    }
    EXPECT_TRUE(GridJoins(Roma40Grid(), System::ROMA40, System::WGS84));
    EXPECT_TRUE(GridJoins(Roma40Grid(), System::WGS84, System::ROMA40));
    EXPECT_FALSE(GridJoins(Roma40Grid(), System::ROMA40, System::ED50));
    EXPECT_FALSE(GridJoins(Roma40Grid(), System::ED50, System::WGS84));
    EXPECT_TRUE(GridJoins(Ed50Grid(), System::WGS84, System::ED50));
}

TEST(GridChange, GeographicBothWaysThroughTheFieldAndTheChildGrid) {
    // {latitude, longitude from Greenwich, in the child grid}
    for (const auto& [lat, lon, child] :
         {std::tuple{45.4642, 9.19, false}, std::tuple{41.9, 12.5, true}, std::tuple{38.1157, 13.3615, false},
          std::tuple{40.35, 18.17, false}, std::tuple{42.5, 13.0, true}, std::tuple{35.0, 5.0, false}}) {
        const auto [wgsLat, wgsLon] = Forward(lat, lon);
        // ROMA40 from Monte Mario to WGS84, and ED50 to WGS84.
        ChangeOutcome r = ChangeGeographicByGrid(Roma40Grid(), {ROMA40, WGS84, 1, lat, lon - MM});
        if (lon - MM < -7.0) {
            EXPECT_EQ(r.status, ChangeStatus::Refused);
        } else {
            ASSERT_EQ(r.status, ChangeStatus::Done) << lat << " " << lon << " " << r.message;
            EXPECT_LT(Metres(r.latitude, r.longitude, wgsLat, wgsLon), 1e-4) << lat << " " << lon;
            EXPECT_EQ(r.subgrid, child ? 1 : 0);
            EXPECT_EQ(r.FoundRow, 0);
        }
        r = ChangeGeographicByGrid(Ed50Grid(), {ED50, WGS84, 1, lat, lon});
        ASSERT_EQ(r.status, ChangeStatus::Done) << lat << " " << lon;
        EXPECT_LT(Metres(r.latitude, r.longitude, wgsLat, wgsLon), 1e-4);
        EXPECT_EQ(r.subgrid, child ? 1 : 0);

        // Back: the result is the point the field carries onto the WGS84 one
        // (not from corners: at the parent's the search may step outside, at
        // the child's the parent's field has a second such point).
        if (lat == 35.0 || lat == 42.5)
            continue;
        r = ChangeGeographicByGrid(Ed50Grid(), {WGS84, ED50, 1, wgsLat, wgsLon});
        ASSERT_EQ(r.status, ChangeStatus::Done) << lat << " " << lon;
        EXPECT_LT(Metres(r.latitude, r.longitude, lat, lon), 1e-4) << lat << " " << lon;
        r = ChangeGeographicByGrid(Roma40Grid(), {WGS84, ROMA40, 1, wgsLat, wgsLon});
        ASSERT_EQ(r.status, ChangeStatus::Done);
        EXPECT_LT(Metres(r.latitude, r.longitude + MM, lat, lon), 1e-4) << lat << " " << lon;
        // From Greenwich the ROMA40 result is the same point with its longitude from Greenwich.
        const ChangeOutcome g = ChangeGeographicByGrid(Roma40Grid(), {WGS84, ROMA40, 2, wgsLat, wgsLon});
        // (The program's Monte Mario from Greenwich, read as a packed angle, is 2.8e-11° above MM.)
        EXPECT_NEAR(g.longitude, r.longitude + MM, 1e-10);
        EXPECT_EQ(g.latitude, r.latitude);
    }
    // ROMA40 typed from Greenwich goes to the same WGS84 point as from Monte Mario.
    const ChangeOutcome a = ChangeGeographicByGrid(Roma40Grid(), {ROMA40, WGS84, 1, 41.9, 12.5 - MM});
    const ChangeOutcome b = ChangeGeographicByGrid(Roma40Grid(), {ROMA40, WGS84, 2, 41.9, 12.5});
    ASSERT_EQ(b.status, ChangeStatus::Done);
    EXPECT_NEAR(a.latitude, b.latitude, 1e-12);
    EXPECT_NEAR(a.longitude, b.longitude, 1e-10);
    // The zones are those of the table method.
    EXPECT_EQ(a.SourceZone, GBEst);
    EXPECT_EQ(a.TargetZone, UTM33);
}

TEST(GridChange, OutsideEveryGridAndNoGridAreRefused) {
    // South of the grid (but inside the program's range), either way.
    for (const ChangeOutcome& r : {ChangeGeographicByGrid(Ed50Grid(), {ED50, WGS84, 1, 49.0, 12.0}),
                                   ChangeGeographicByGrid(Ed50Grid(), {WGS84, ED50, 1, 48.5, 12.0}),
                                   ChangePlaneByGrid(Ed50Grid(), {WGS84, ED50, 5400000.0, 500000.0, 33})}) {
        EXPECT_EQ(r.status, ChangeStatus::NotComputable);
        EXPECT_EQ(r.message, GridOutsideText());
        EXPECT_EQ(r.message, "PUNTO NON CALCOLABILE:\r\rIL PUNTO È FUORI DAL GRIGLIATO NTv2");
        EXPECT_EQ(r.focus, ChangeField::None);
    }
    // No grid, or a grid that does not join the systems: refused before any check of the point.
    ChangeOutcome r = ChangeGeographicByGrid({nullptr, System::ROMA40}, {ROMA40, WGS84, 1, 99.0, 0.0});
    EXPECT_EQ(r.status, ChangeStatus::Refused);
    EXPECT_EQ(r.focus, ChangeField::None);
    EXPECT_EQ(r.message, GridMissingText());
    EXPECT_EQ(r.message,
              "NESSUN GRIGLIATO NTv2 SCELTO:\r\rSCEGLIERE IL FILE DEL GRIGLIATO\rO IL METODO DELLA TABELLA");
    r = ChangePlaneByGrid(Roma40Grid(), {ED50, ROMA40, 4600000.0, 400000.0, 32});
    EXPECT_EQ(r.status, ChangeStatus::Refused);
    EXPECT_EQ(r.focus, ChangeField::None);
    EXPECT_EQ(
        r.message,
        "GRIGLIATO NTv2 NON UTILIZZABILE:\r\rIL GRIGLIATO UNISCE ROMA40 E WGS84,\rNON I DUE SISTEMI SCELTI");
    EXPECT_EQ(ChangeGeographicByGrid(Ed50Grid(), {ROMA40, WGS84, 1, 42.0, 0.0}).message,
              GridNotJoiningText(System::ED50));
}

TEST(GridChange, InputChecksAreThoseOfTheTable) {
    // Every refusal of the table method, with its message and focus, in its order.
    const GeographicChangeInput geographic[] = {
        {ED50, WGS84, 1, 34.9999, 30.0},      {ED50, WGS84, 1, 49.0001, 12.0},
        {ED50, WGS84, 1, std::nan(""), 12.0}, {ROMA40, WGS84, 1, 42.0, 7.0001},
        {ROMA40, WGS84, 1, 42.0, -7.0001},    {ROMA40, WGS84, 2, 42.0, MM + 7.0001},
        {WGS84, ROMA40, 1, 42.0, 4.9999},     {WGS84, ED50, 1, 42.0, 19.0001},
        {WGS84, ED50, 1, 42.0, HUGE_VAL}};
    for (const GeographicChangeInput& in : geographic) {
        const ChangeOutcome table = ChangeGeographic(NoTable(), in);
        const ChangeOutcome grid = ChangeGeographicByGrid(
            in.SourceSystem == ROMA40 || in.TargetSystem == ROMA40 ? Roma40Grid() : Ed50Grid(), in);
        ASSERT_EQ(table.status, ChangeStatus::Refused) << in.latitude << " " << in.longitude;
        EXPECT_EQ(grid.status, table.status);
        EXPECT_EQ(grid.message, table.message);
        EXPECT_EQ(grid.focus, table.focus);
    }
    const PlaneChangeInput plane[] = {
        {ED50, WGS84, 3799999.0, 500000.0, 32},   {ED50, WGS84, 5500001.0, 500000.0, 32},
        {ROMA40, WGS84, 4600000.0, 1099999.0},    {ROMA40, WGS84, 4600000.0, 3000001.0},
        {WGS84, ED50, 4600000.0, 49999.0, 32},    {WGS84, ED50, 4600000.0, 500000.0, 31},
        {WGS84, ED50, 4600000.0, 279999.0, 32},   {WGS84, ED50, 4600000.0, 797001.0, 32},
        {WGS84, ED50, 4600000.0, 222999.0, 33},   {WGS84, ED50, 4600000.0, 786001.0, 33},
        {WGS84, ROMA40, 4400000.0, 214999.0, 34}, {WGS84, ROMA40, 4400000.0, 301001.0, 34},
        {ED50, WGS84, std::nan(""), 500000.0, 33}};
    for (const PlaneChangeInput& in : plane) {
        const ChangeOutcome table = ChangePlane(NoTable(), in);
        const ChangeOutcome grid = ChangePlaneByGrid(
            in.SourceSystem == ROMA40 || in.TargetSystem == ROMA40 ? Roma40Grid() : Ed50Grid(), in);
        ASSERT_EQ(table.status, ChangeStatus::Refused) << in.north << " " << in.east;
        EXPECT_EQ(grid.status, table.status);
        EXPECT_EQ(grid.message, table.message);
        EXPECT_EQ(grid.focus, table.focus);
    }
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
TEST(GridChange, PlaneBothWaysAgainstGeographicLib) {
    const GeographicLib::TransverseMercator hayford(6378388.0, 1.0 / 297.0, 0.9996);
    const GeographicLib::TransverseMercator wgs84(6378137.0, 1.0 / 298.257222101, 0.9996);
    struct Case {
        int source;      // the grid's source system
        double lat, lon; // the point in it, longitude from Greenwich
        double sourceMeridian, sourceFalseEast;
        int sourceZone; // as typed: UTM zone number, 0 for Gauss-Boaga
        double targetMeridian;
        int resultZone;
        int expectedSourceZone, expectedTargetZone;
    };
    const Case cases[] = {
        // ROMA40 Gauss-Boaga Ovest <-> UTM 32, Est <-> 33, Est beyond 18° E <-> 34 through the auxiliary
        // zone.
        {ROMA40, 45.4642, 9.19, 9.0, 1500000.0, 0, 9.0, 32, GBOvest, UTM32},
        {ROMA40, 41.9, 12.5, 15.0, 2520000.0, 0, 15.0, 33, GBEst, UTM33},
        {ROMA40, 40.35, 18.17, 15.0, 2520000.0, 0, 21.0, 34, AuxiliaryZone, UTM34},
        {ED50, 44.5, 11.3, 9.0, 500000.0, 32, 9.0, 32, UTM32, UTM32},
        {ED50, 42.0, 12.6, 15.0, 500000.0, 33, 15.0, 33, UTM33, UTM33},
        {ED50, 40.3, 18.5, 21.0, 500000.0, 34, 21.0, 34, UTM34, UTM34},
    };
    double largest = 0;
    for (const Case& c : cases) {
        const bool child = InChild(c.lat, c.lon);
        const GridMethod m{&Grid(), System(c.source)};
        double x, y;
        hayford.Forward(c.sourceMeridian, c.lat, c.lon, x, y);
        const double north = y, east = x + c.sourceFalseEast;
        const ChangeOutcome r = ChangePlaneByGrid(m, {c.source, WGS84, north, east, c.sourceZone});
        ASSERT_EQ(r.status, ChangeStatus::Done) << c.lat << " " << c.lon << " " << r.message;
        const auto [wgsLat, wgsLon] = Forward(c.lat, c.lon);
        double wx, wy;
        wgs84.Forward(c.targetMeridian, wgsLat, wgsLon, wx, wy);
        EXPECT_NEAR(r.north, wy, 1e-3) << c.lat << " " << c.lon;
        EXPECT_NEAR(r.east, wx + 500000.0, 1e-3) << c.lat << " " << c.lon;
        largest = std::max({largest, std::abs(r.north - wy), std::abs(r.east - wx - 500000.0)});
        EXPECT_EQ(r.SourceZone, c.expectedSourceZone);
        EXPECT_EQ(r.TargetZone, c.expectedTargetZone);
        EXPECT_EQ(r.ResultZoneNumber, c.resultZone);
        EXPECT_EQ(r.subgrid, child ? 1 : 0);

        // Back from the WGS84 result: the point whose forward shift lands on it,
        // in the zone on the same meridian (UTM 34 to ROMA40 in Gauss-Boaga Est).
        const ChangeOutcome b = ChangePlaneByGrid(m, {WGS84, c.source, r.north, r.east, c.resultZone});
        ASSERT_EQ(b.status, ChangeStatus::Done) << c.lat << " " << c.lon << " " << b.message;
        const bool toEst = c.source == ROMA40 && c.resultZone == 34;
        EXPECT_EQ(b.TargetZone, c.source == ROMA40 ? (c.resultZone == 32   ? GBOvest
                                                      : c.resultZone == 33 ? GBEst
                                                                           : AuxiliaryZone)
                                                   : c.expectedTargetZone);
        double lat, lon;
        hayford.Reverse(toEst ? 15.0 : c.sourceMeridian, b.east - (toEst ? 2520000.0 : c.sourceFalseEast),
                        b.north, lat, lon);
        const auto [againLat, againLon] = Forward(lat, lon);
        wgs84.Forward(c.targetMeridian, againLat, againLon, wx, wy);
        EXPECT_NEAR(wy, r.north, 1e-3) << c.lat << " " << c.lon;
        EXPECT_NEAR(wx + 500000.0, r.east, 1e-3) << c.lat << " " << c.lon;
        // The typed point again (a ROMA40 point beyond 18° E was typed in Gauss-Boaga Est too).
        EXPECT_NEAR(b.north, north, 1e-3);
        EXPECT_NEAR(b.east, east, 1e-3);
        largest = std::max({largest, std::abs(wy - r.north), std::abs(wx + 500000.0 - r.east)});
    }
    RecordProperty("largest_difference_mm", std::to_string(largest * 1000.0));
    std::printf("GridChange plane: largest difference from GeographicLib %.3f mm\n", largest * 1000.0);
}
#endif

#ifdef TERVANO_HAVE_PROJ
namespace {

// A grid file with a smooth field that is not linear, and a child around Rome
// whose extra shift vanishes on its edges (so that the field is continuous
// and every WGS84 point has one source point).
test::Ntv2File SmoothFile(bool bigEndian) {
    test::Ntv2File f;
    f.source = "ROMA40";
    f.target = "ETRF2000";
    f.bigEndian = bigEndian;
    f.shift = [](double lat, double lon) {
        return test::Ntv2NodeShift{1.1 + 0.9 * std::sin(0.7 * lat) * std::cos(0.5 * lon),
                                   -(2.3 + 0.6 * std::cos(0.4 * lat + 0.3 * lon))};
    };
    test::Ntv2WriterSubgrid child{"ROMA", "ITALIA", 41.5, 42.5, 12, 13, 1.0 / 12, 1.0 / 12};
    child.shift = [field = f.shift](double lat, double lon) {
        test::Ntv2NodeShift s = field(lat, lon);
        const double bump = std::sin(M_PI * (lat - 41.5)) * std::sin(M_PI * (lon - 12.0));
        s.latitude += 0.4 * bump;
        s.longitudeWest -= 0.3 * bump;
        return s;
    };
    f.subgrids = {{"ITALIA", "NONE", 35, 48, 5, 20, 0.25, 0.25}, child};
    return f;
}

// A PROJ pipeline: plane point of the source zone, inverse projection,
// the grid, projection in the target zone.
class ProjPipeline {
public:
    explicit ProjPipeline(const std::string& definition) {
        ctx_ = proj_context_create();
        proj_context_set_enable_network(ctx_, 0);
        pj_ = proj_create(ctx_, definition.c_str());
    }
    ~ProjPipeline() {
        proj_destroy(pj_);
        proj_context_destroy(ctx_);
    }
    ProjPipeline(const ProjPipeline&) = delete;
    ProjPipeline& operator=(const ProjPipeline&) = delete;
    bool ok() const { return pj_ != nullptr; }
    // {north, east} from {north, east}; for a step in radians, {latitude, longitude} from them.
    std::optional<std::pair<double, double>> trans(PJ_DIRECTION d, double north, double east) const {
        proj_errno_reset(pj_);
        const PJ_COORD out = proj_trans(pj_, d, proj_coord(east, north, 0, 0));
        if (out.xy.x == HUGE_VAL || proj_errno(pj_) != 0)
            return std::nullopt;
        return std::make_pair(out.xy.y, out.xy.x);
    }

private:
    PJ_CONTEXT* ctx_ = nullptr;
    PJ* pj_ = nullptr;
};

std::string Tmerc(double meridian, double falseEast, bool hayford) {
    return "+proj=tmerc +lat_0=0 +lon_0=" + std::to_string(meridian) +
           " +k=0.9996 +x_0=" + std::to_string(falseEast) + " +y_0=0 " +
           (hayford ? "+a=6378388 +rf=297" : "+a=6378137 +rf=298.257222101");
}

} // namespace

TEST(GridChange, PlaneAndGeographicAgreeWithProjOnTheSameFile) {
    struct Case {
        int source;                 // the grid's source system
        double meridian, falseEast; // source zone
        int zoneNumber;             // typed, 0 for Gauss-Boaga
        double targetMeridian;      // WGS84 UTM zone
        int targetZoneNumber;
        double south, north, west, east; // the points, degrees from Greenwich
    };
    const Case cases[] = {
        {ROMA40, 9, 1500000, 0, 9, 32, 38.9, 47.0, 6.7, 11.9},
        {ROMA40, 15, 2520000, 0, 15, 33, 36.7, 47.0, 12.1, 17.9},
        {ROMA40, 15, 2520000, 0, 21, 34, 39.9, 40.7, 18.05, 18.5}, // through the auxiliary zone
        {ED50, 9, 500000, 32, 9, 32, 38.9, 47.0, 6.7, 11.9},
        {ED50, 15, 500000, 33, 15, 33, 36.7, 47.0, 12.1, 17.9},
        {ED50, 21, 500000, 34, 21, 34, 39.9, 40.7, 18.05, 18.5},
    };
    double largestForward = 0, largestBack = 0, largestGeographic = 0;
    int compared = 0;
    for (bool big : {false, true}) {
        const test::Ntv2File file = SmoothFile(big);
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() /
            ("tervano_gridchange_" + std::to_string(::getpid()) + (big ? "_be.gsb" : "_le.gsb"));
        std::ofstream(path, std::ios::binary) << file.bytes();
        std::string error;
        const std::optional<Ntv2Grid> grid = LoadNtv2(path.string(), error);
        ASSERT_TRUE(grid) << error;
        for (const Case& c : cases) {
            const GridMethod m{&*grid, System(c.source)};
            const ProjPipeline pipeline("+proj=pipeline +step +inv " + Tmerc(c.meridian, c.falseEast, true) +
                                        " +step +proj=hgridshift +grids=" + path.string() + " +step " +
                                        Tmerc(c.targetMeridian, 500000, false));
            const ProjPipeline shift("+proj=hgridshift +grids=" + path.string());
            const ProjPipeline projection(Tmerc(c.meridian, c.falseEast, true));
            ASSERT_TRUE(pipeline.ok() && shift.ok() && projection.ok());
            for (int i = 0; i <= 12; ++i)
                for (int j = 0; j <= 12; ++j) {
                    const double lat = c.south + (c.north - c.south) * i / 12.0;
                    const double lon = c.west + (c.east - c.west) * j / 12.0;
                    // The typed point: the source zone's projection by PROJ.
                    const auto typed = projection.trans(PJ_FWD, lat * M_PI / 180, lon * M_PI / 180);
                    ASSERT_TRUE(typed);
                    const double north = typed->first, east = typed->second;
                    const ChangeOutcome r =
                        ChangePlaneByGrid(m, {c.source, WGS84, north, east, c.zoneNumber});
                    const auto theirs = pipeline.trans(PJ_FWD, north, east);
                    ASSERT_TRUE(theirs);
                    ASSERT_EQ(r.status, ChangeStatus::Done) << lat << " " << lon << " " << r.message;
                    EXPECT_EQ(r.ResultZoneNumber, c.targetZoneNumber);
                    largestForward = std::max({largestForward, std::abs(r.north - theirs->first),
                                               std::abs(r.east - theirs->second)});

                    // Back from PROJ's WGS84 point: PROJ's inverse of the whole pipeline.
                    const ChangeOutcome b = ChangePlaneByGrid(
                        m, {WGS84, c.source, theirs->first, theirs->second, c.targetZoneNumber});
                    const auto theirsBack = pipeline.trans(PJ_INV, theirs->first, theirs->second);
                    ASSERT_TRUE(theirsBack);
                    ASSERT_EQ(b.status, ChangeStatus::Done) << lat << " " << lon << " " << b.message;
                    largestBack = std::max({largestBack, std::abs(b.north - theirsBack->first),
                                            std::abs(b.east - theirsBack->second)});

                    // Geographic, ROMA40 from Monte Mario: PROJ's shift of the Greenwich longitude.
                    const double typedLongitude = c.source == ROMA40 ? lon - GreenwichShift() : lon;
                    const ChangeOutcome g =
                        ChangeGeographicByGrid(m, {c.source, WGS84, 1, lat, typedLongitude});
                    ASSERT_EQ(g.status, ChangeStatus::Done);
                    const auto shifted = shift.trans(PJ_FWD, lat * M_PI / 180, lon * M_PI / 180);
                    ASSERT_TRUE(shifted);
                    // (north, east) hold (latitude, longitude) in radians here.
                    largestGeographic = std::max(largestGeographic,
                                                 Metres(g.latitude, g.longitude, shifted->first * 180 / M_PI,
                                                        shifted->second * 180 / M_PI));
                    ++compared;
                }
        }
        std::filesystem::remove(path);
    }
    EXPECT_GT(compared, 2000);
    EXPECT_LT(largestForward, 1e-3);
    EXPECT_LT(largestBack, 1e-3);
    EXPECT_LT(largestGeographic, 1e-3);
    std::printf("GridChange against PROJ: plane forward %.3f mm, back %.3f mm, geographic %.3f mm\n",
                largestForward * 1000, largestBack * 1000, largestGeographic * 1000);
}
#endif
