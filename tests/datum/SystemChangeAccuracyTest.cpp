// The change of system through the common-point table against PROJ's direct
// EPSG transformations, the ones the table was computed from.
#ifdef TERVANO_HAVE_PROJ

#include "datum/SystemChange.h"

#include "datum/LandMasses.h"
#include "geodesy/Angles.h"
#include "geodesy/ReferenceSystems.h"
#include "tools/GeoJsonOutline.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

using namespace tervano;

namespace {

// The outline the common-point table was made from.
std::vector<Polygon> ReadOutline() {
    std::ifstream in(std::string(TERVANO_SOURCE_DIR) + "/tools/italy-territory-ne10m.geojson");
    std::stringstream s;
    s << in.rdbuf();
    return ParseGeoJsonMultiPolygon(s.str());
}

bool Inside(const Polygon& polygon, LonLat q) {
    bool in = false;
    for (const Ring& ring : polygon)
        for (size_t i = 0; i + 1 < ring.size(); ++i) {
            const LonLat a = ring[i], b = ring[i + 1];
            if ((a.lat > q.lat) != (b.lat > q.lat) &&
                q.lon < a.lon + (q.lat - a.lat) * (b.lon - a.lon) / (b.lat - a.lat))
                in = !in;
        }
    return in;
}

class Proj {
public:
    Proj() {
        ctx = proj_context_create();
        for (const char* code : {"1133", "1660", "1662", "1664"})
            ops.push_back(
                proj_create_from_database(ctx, "EPSG", code, PJ_CATEGORY_COORDINATE_OPERATION, 0, nullptr));
    }
    ~Proj() {
        for (PJ* op : ops)
            proj_destroy(op);
        proj_context_destroy(ctx);
    }
    // op 0: ED50 to WGS84; 1-3: Monte Mario to WGS84 for mainland, Sardinia, Sicily.
    LonLat run(size_t op, PJ_DIRECTION direction, LonLat q) const {
        const PJ_COORD c = proj_trans(ops.at(op), direction, proj_coord(q.lat, q.lon, 0, 0));
        return {c.v[1], c.v[0]};
    }
    // Transverse Mercator, scale 0.9996: {East with false east, North}.
    std::pair<double, double> plane(LonLat q, double meridian, double falseEast, bool wgs84) const {
        const std::string definition = "+proj=tmerc +lat_0=0 +lon_0=" + std::to_string(meridian) +
                                       " +k=0.9996 +x_0=" + std::to_string(falseEast) +
                                       " +y_0=0 +ellps=" + (wgs84 ? "WGS84" : "intl");
        PJ* tm = proj_create(ctx, definition.c_str());
        const PJ_COORD c = proj_trans(tm, PJ_FWD, proj_coord(proj_torad(q.lon), proj_torad(q.lat), 0, 0));
        proj_destroy(tm);
        return {c.v[0], c.v[1]};
    }
    PJ_CONTEXT* ctx;
    std::vector<PJ*> ops;
};

double Metres(LonLat a, LonLat b) {
    const double k = 6378137.0 * Pi() / 180.0;
    return std::hypot((a.lat - b.lat) * k, (a.lon - b.lon) * k * std::cos(a.lat * Pi() / 180.0));
}

} // namespace

TEST(SystemChangeAccuracy, AgreesWithTheDirectTransformationsOnLand) {
    const auto table = std::make_unique<CommonPointTable>();
    ASSERT_TRUE(LoadCommonPoints(std::string(TERVANO_SOURCE_DIR) + "/data/common_points.tsv", *table).ok);
    const std::vector<Polygon> outline = ReadOutline();
    // Mainland, Sardinia, Sicily: the polygons holding Rome, central Sardinia, central Sicily.
    const LonLat anchors[3] = {{12.5, 41.9}, {9.0, 40.0}, {14.0, 37.5}};
    const Polygon* land[3] = {};
    for (size_t i = 0; i < 3; ++i)
        for (const Polygon& p : outline)
            if (Inside(p, anchors[i]))
                land[i] = &p;
    ASSERT_TRUE(land[0] && land[1] && land[2]);

    const Proj proj;
    std::mt19937 random(20021201);
    std::uniform_real_distribution<double> lat(36.6, 47.1), lon(6.6, 18.5);
    int tested = 0;
    double worstWgs = 0, worstRoma = 0;
    while (tested < 300) {
        const LonLat q{lon(random), lat(random)};
        size_t mass = 3;
        for (size_t i = 0; i < 3; ++i)
            if (Inside(*land[i], q))
                mass = i;
        if (mass == 3)
            continue;
        ++tested;
        const LonLat wgs = proj.run(0, PJ_FWD, q);
        const LonLat roma = proj.run(1 + mass, PJ_INV, wgs);

        const ChangeOutcome toWgs = ChangeGeographic(*table, {ED50, WGS84, 1, q.lat, q.lon});
        ASSERT_EQ(toWgs.status, ChangeStatus::Done) << q.lat << " " << q.lon;
        const double dWgs = Metres({toWgs.longitude, toWgs.latitude}, wgs);
        // ROMA40 longitudes from Greenwich, as PROJ gives them.
        const ChangeOutcome toRoma = ChangeGeographic(*table, {ED50, ROMA40, 2, q.lat, q.lon});
        ASSERT_EQ(toRoma.status, ChangeStatus::Done);
        const double dRoma = Metres({toRoma.longitude, toRoma.latitude}, roma);
        EXPECT_LT(dWgs, 0.5) << q.lat << " " << q.lon;
        EXPECT_LT(dRoma, 0.5) << q.lat << " " << q.lon;
        worstWgs = std::max(worstWgs, dWgs);
        worstRoma = std::max(worstRoma, dRoma);
    }
    std::printf("largest difference over %d points: ED50 to WGS84 %.3f m, ED50 to ROMA40 %.3f m\n", tested,
                worstWgs, worstRoma);
}

namespace {

const CommonPointTable& LoadedTable() {
    static const std::unique_ptr<CommonPointTable> table = [] {
        auto t = std::make_unique<CommonPointTable>();
        const CommonPointLoad load =
            LoadCommonPoints(std::string(TERVANO_SOURCE_DIR) + "/data/common_points.tsv", *t);
        EXPECT_TRUE(load.ok) << load.error;
        return t;
    }();
    return *table;
}

// A place in the three systems, longitudes from Greenwich.
struct Place {
    LonLat roma40, ed50, wgs84;
};

Place PlaceOf(const Proj& proj, LonLat ed50, int landMass) {
    const LonLat wgs = proj.run(0, PJ_FWD, ed50);
    return {proj.run(1 + static_cast<size_t>(landMass), PJ_INV, wgs), ed50, wgs};
}

const LonLat& In(const Place& p, int system) {
    return system == ROMA40 ? p.roma40 : system == ED50 ? p.ed50 : p.wgs84;
}

// The plane zone the program uses for a point: UTM by longitude, Gauss-Boaga
// Ovest or Est (a ROMA40 point east of 18° E is typed and shown in Est).
struct PlaneZone {
    double meridian, falseEast;
    int number;
};
PlaneZone ZoneOf(int system, double lon) {
    if (system == ROMA40)
        return lon < 12.0 ? PlaneZone{9.0, 1500000.0, 0} : PlaneZone{15.0, 2520000.0, 0};
    if (lon > 18.0)
        return {21.0, 500000.0, 34};
    return lon > 12.0 ? PlaneZone{15.0, 500000.0, 33} : PlaneZone{9.0, 500000.0, 32};
}

// Largest difference from PROJ (metres) of the six changes of a place, in
// geographic and plane mode; index by source and target system.
struct Differences {
    double geo[4][4] = {};
    double plane[4][4] = {};
};

Differences Compare(const Proj& proj, const CommonPointTable& table, const Place& p) {
    Differences d;
    for (int source = ROMA40; source <= WGS84; ++source)
        for (int target = ROMA40; target <= WGS84; ++target) {
            if (source == target)
                continue;
            const LonLat from = In(p, source);
            const LonLat to = In(p, target);
            const ChangeOutcome g = ChangeGeographic(table, {source, target, 2, from.lat, from.lon});
            d.geo[source][target] =
                g.status == ChangeStatus::Done ? Metres({g.longitude, g.latitude}, to) : HUGE_VAL;

            // Plane mode: ROMA40 east of 18° E is typed in Gauss-Boaga Est; the
            // result is in the zone the program names (Est for ROMA40).
            const PlaneZone zs = ZoneOf(source, source == ROMA40 ? std::min(from.lon, 17.9) : from.lon);
            const auto typed = proj.plane(from, zs.meridian, zs.falseEast, source == WGS84);
            const ChangeOutcome r =
                ChangePlane(table, {source, target, typed.second, typed.first, zs.number});
            if (r.status != ChangeStatus::Done) {
                d.plane[source][target] = HUGE_VAL;
                continue;
            }
            PlaneZone zt{};
            if (target == ROMA40)
                zt = r.TargetZone == GBOvest ? PlaneZone{9.0, 1500000.0, 0} : PlaneZone{15.0, 2520000.0, 0};
            else
                zt = {9.0 + 6.0 * (r.ResultZoneNumber - 32), 500000.0, r.ResultZoneNumber};
            const auto expected = proj.plane(to, zt.meridian, zt.falseEast, target == WGS84);
            d.plane[source][target] = std::hypot(r.east - expected.first, r.north - expected.second);
        }
    return d;
}

} // namespace

// Every row's ROMA40 values come from the Monte Mario set of the land mass
// the program gives the row, so the search can keep to one land mass.
TEST(SystemChangeAccuracy, EachRowCarriesTheSetOfItsLandMass) {
    const CommonPointTable& table = LoadedTable();
    ASSERT_NE(table.landMasses, nullptr);
    const Proj proj;
    int perMass[3] = {};
    for (int row = 1; row <= 664; ++row) {
        const int mass = table.landMass[static_cast<size_t>(row)];
        ASSERT_TRUE(mass >= 0 && mass < 3) << row;
        ++perMass[mass];
        // The row's place from its ED50 UTM pair, inverted by PROJ.
        const bool west = table.cell(row, 7) != 0.0;
        const double meridian = west ? 9.0 : 15.0;
        PJ* tm = proj_create(proj.ctx, ("+proj=tmerc +lat_0=0 +lon_0=" + std::to_string(meridian) +
                                        " +k=0.9996 +x_0=500000 +y_0=0 +ellps=intl")
                                           .c_str());
        const int ec = west ? 6 : 8;
        const PJ_COORD c =
            proj_trans(tm, PJ_INV, proj_coord(table.cell(row, ec), table.cell(row, ec + 1), 0, 0));
        proj_destroy(tm);
        const Place p = PlaceOf(proj, {proj_todeg(c.v[0]), proj_todeg(c.v[1])}, mass);
        const auto roma = proj.plane(p.roma40, meridian, west ? 1500000.0 : 2520000.0, false);
        EXPECT_NEAR(table.cell(row, west ? 0 : 2), roma.first, 0.011) << row;
        EXPECT_NEAR(table.cell(row, west ? 1 : 3), roma.second, 0.011) << row;
    }
    EXPECT_EQ(perMass[0] + perMass[1] + perMass[2], 664);
    EXPECT_GT(perMass[1], 40); // Sardinia
    EXPECT_GT(perMass[2], 40); // Sicily
}

// Points on both shores of the Strait of Messina and where other land masses
// share nearby rows: ROMA40 within 1 m of the EPSG set of the land mass the
// point is on (a small island: the one nearest to it), ED50 - WGS84 within
// 0.25 m, every direction, geographic and plane.
TEST(SystemChangeAccuracy, CoastalPointsTakeTheSetOfTheirOwnLandMass) {
    struct Point {
        const char* name;
        double lat, lon; // ED50
        int mass;
        bool onOutline; // false for Corsica, outside the national territory
    };
    const Point points[] = {
        {"Capo dell'Armi", 37.99, 15.66, Mainland, true},
        {"Reggio Calabria", 38.11, 15.66, Mainland, true},
        {"Catona", 38.19, 15.66, Mainland, true},
        {"Villa San Giovanni", 38.22, 15.645, Mainland, true},
        {"Scilla", 38.25, 15.72, Mainland, true},
        {"Bagnara Calabra", 38.28, 15.82, Mainland, true},
        {"Palmi", 38.36, 15.86, Mainland, true},
        {"Messina", 38.19, 15.54, Sicily, true},
        {"Ganzirri", 38.255, 15.61, Sicily, true},
        {"Taormina", 37.85, 15.28, Sicily, true},
        {"Milazzo", 38.19, 15.25, Sicily, true},
        {"Lipari", 38.47, 14.95, Sicily, true},
        {"Stromboli (nearer Calabria than Sicily)", 38.79, 15.19, Mainland, true},
        {"Favignana", 37.93, 12.32, Sicily, true},
        {"Marettimo", 37.97, 12.06, Sicily, true},
        {"Trapani", 38.02, 12.53, Sicily, true},
        {"Portoferraio", 42.80, 10.31, Mainland, true},
        {"Capoliveri", 42.74, 10.38, Mainland, true},
        {"Piombino", 42.93, 10.53, Mainland, true},
        {"Santa Teresa Gallura", 41.23, 9.19, Sardinia, true},
        {"Palau", 41.17, 9.38, Sardinia, true},
        {"La Maddalena", 41.22, 9.41, Sardinia, true},
        {"Bonifacio (Corsica)", 41.40, 9.17, Sardinia, false},
    };
    const CommonPointTable& table = LoadedTable();
    const std::vector<Polygon> outline = ReadOutline();
    const Proj proj;
    for (const Point& pt : points) {
        const LonLat q{pt.lon, pt.lat};
        bool onLand = false;
        for (const Polygon& polygon : outline)
            onLand = onLand || Inside(polygon, q);
        ASSERT_EQ(onLand, pt.onOutline) << pt.name;
        const Differences d = Compare(proj, table, PlaceOf(proj, q, pt.mass));
        for (int s = ROMA40; s <= WGS84; ++s)
            for (int t = ROMA40; t <= WGS84; ++t) {
                if (s == t)
                    continue;
                const double limit = s == ROMA40 || t == ROMA40 ? 1.0 : 0.25;
                EXPECT_LT(d.geo[s][t], limit) << pt.name << " geographic " << s << " to " << t;
                EXPECT_LT(d.plane[s][t], limit) << pt.name << " plane " << s << " to " << t;
            }
    }
}

#endif
