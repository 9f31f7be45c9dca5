// Measures the change of system through the common-point table against PROJ's
// direct EPSG transformations, the ones the table was made from, on land:
// dense scans every 0.01° where two land masses share nearby rows (the Strait
// of Messina, Elba and Piombino, the Strait of Bonifacio, the Egadi) and
// random points over the whole territory. Prints the largest differences.
//
// Usage: measure_system_change <data folder> <outline.geojson> [random points]
//
// A scan point is an ED50 position on the outline; its ROMA40 position comes
// from the Monte Mario set of the land mass it lies on (a small island: the
// one data/land_masses.tsv gives it, the nearest to the island). Each point is converted in the six
// directions, in geographic and plane mode; plane coordinates by PROJ's
// transverse Mercator. Corsica, outside the territory, is reported apart
// against the set of the land mass the program gives it.

#include "datum/LandMasses.h"
#include "datum/SystemChange.h"
#include "geodesy/Angles.h"
#include "geodesy/ReferenceSystems.h"
#include "tools/GeoJsonOutline.h"

#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tervano;

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "measure_system_change: %s\n", why.c_str());
    std::exit(1);
}

// The outline the common-point table was made from.
std::vector<Polygon> ReadOutline(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail("cannot read " + path);
    std::stringstream s;
    s << in.rdbuf();
    return ParseGeoJsonMultiPolygon(s.str());
}

class Proj {
public:
    Proj() : ctx_(proj_context_create()) {
        for (const char* code : {"1133", "1660", "1662", "1664"}) {
            PJ* op =
                proj_create_from_database(ctx_, "EPSG", code, PJ_CATEGORY_COORDINATE_OPERATION, 0, nullptr);
            if (op == nullptr)
                Fail(std::string("PROJ does not know EPSG:") + code);
            ops_.push_back(op);
        }
    }
    ~Proj() {
        for (PJ* op : ops_)
            proj_destroy(op);
        for (auto& [key, tm] : planes_)
            proj_destroy(tm);
        proj_context_destroy(ctx_);
    }
    Proj(const Proj&) = delete;
    Proj& operator=(const Proj&) = delete;

    // op 0: ED50 to WGS84; 1-3: Monte Mario to WGS84, mainland, Sardinia, Sicily.
    LonLat run(size_t op, PJ_DIRECTION direction, LonLat q) const {
        const PJ_COORD c = proj_trans(ops_.at(op), direction, proj_coord(q.lat, q.lon, 0, 0));
        return {c.v[1], c.v[0]};
    }
    // Transverse Mercator, scale 0.9996: {East with false east, North}.
    std::pair<double, double> plane(LonLat q, double meridian, double falseEast, bool wgs84) {
        const std::string definition = "+proj=tmerc +lat_0=0 +lon_0=" + std::to_string(meridian) +
                                       " +k=0.9996 +x_0=" + std::to_string(falseEast) +
                                       " +y_0=0 +ellps=" + (wgs84 ? "WGS84" : "intl");
        PJ*& tm = planes_[definition];
        if (tm == nullptr)
            tm = proj_create(ctx_, definition.c_str());
        const PJ_COORD c = proj_trans(tm, PJ_FWD, proj_coord(proj_torad(q.lon), proj_torad(q.lat), 0, 0));
        return {c.v[0], c.v[1]};
    }

private:
    PJ_CONTEXT* ctx_;
    std::vector<PJ*> ops_;
    std::map<std::string, PJ*> planes_;
};

double Metres(LonLat a, LonLat b) {
    const double k = 6378137.0 * Pi() / 180.0;
    return std::hypot((a.lat - b.lat) * k, (a.lon - b.lon) * k * std::cos(a.lat * Pi() / 180.0));
}

struct Place {
    LonLat roma40, ed50, wgs84;
    const LonLat& in(int system) const { return system == ROMA40 ? roma40 : system == ED50 ? ed50 : wgs84; }
};

struct PlaneZone {
    double meridian, falseEast;
    int number;
};

// The zone the program types a point in: UTM by longitude, Gauss-Boaga Ovest
// below 12° E and Est above (east of 18° E too, the program moves it).
PlaneZone TypedZone(int system, double lon) {
    if (system == ROMA40)
        return lon < 12.0 ? PlaneZone{9.0, 1500000.0, 0} : PlaneZone{15.0, 2520000.0, 0};
    if (lon > 18.0)
        return {21.0, 500000.0, 34};
    return lon > 12.0 ? PlaneZone{15.0, 500000.0, 33} : PlaneZone{9.0, 500000.0, 32};
}

// Largest differences: 0 ROMA40 - WGS84, 1 ROMA40 - ED50, 2 ED50 - WGS84.
struct Worst {
    double metres[3][2] = {}; // [pair][0 geographic, 1 plane]
    LonLat where[3][2] = {};
    int points = 0;
    int failed = 0;
    int beyondGoal = 0;

    void add(int pair, int mode, double d, LonLat q) {
        if (d > metres[pair][mode]) {
            metres[pair][mode] = d;
            where[pair][mode] = q;
        }
    }
};

int PairOf(int s, int t) {
    if (s == ROMA40 || t == ROMA40)
        return s == WGS84 || t == WGS84 ? 0 : 1;
    return 2;
}

void Measure(Proj& proj, const CommonPointTable& table, LonLat ed50, int mass, Worst& worst) {
    const LonLat wgs = proj.run(0, PJ_FWD, ed50);
    const Place p{proj.run(1 + static_cast<size_t>(mass), PJ_INV, wgs), ed50, wgs};
    ++worst.points;
    bool beyond = false;
    for (int s = ROMA40; s <= WGS84; ++s)
        for (int t = ROMA40; t <= WGS84; ++t) {
            if (s == t)
                continue;
            const int pair = PairOf(s, t);
            const double goal = pair == 2 ? 0.25 : 1.0;
            const LonLat from = p.in(s);
            const LonLat to = p.in(t);
            const ChangeOutcome g = ChangeGeographic(table, {s, t, 2, from.lat, from.lon});
            if (g.status != ChangeStatus::Done) {
                ++worst.failed;
                continue;
            }
            const double dg = Metres({g.longitude, g.latitude}, to);
            worst.add(pair, 0, dg, ed50);

            const PlaneZone zs = TypedZone(s, from.lon);
            const auto typed = proj.plane(from, zs.meridian, zs.falseEast, s == WGS84);
            const ChangeOutcome r = ChangePlane(table, {s, t, typed.second, typed.first, zs.number});
            if (r.status != ChangeStatus::Done) {
                ++worst.failed;
                continue;
            }
            const PlaneZone zt = t == ROMA40 ? (r.TargetZone == GBOvest ? PlaneZone{9.0, 1500000.0, 0}
                                                                        : PlaneZone{15.0, 2520000.0, 0})
                                             : PlaneZone{9.0 + 6.0 * (r.ResultZoneNumber - 32), 500000.0, 0};
            const auto expected = proj.plane(to, zt.meridian, zt.falseEast, t == WGS84);
            const double dp = std::hypot(r.east - expected.first, r.north - expected.second);
            worst.add(pair, 1, dp, ed50);
            beyond = beyond || dg > goal || dp > goal;
        }
    worst.beyondGoal += beyond ? 1 : 0;
}

void Report(const char* name, const Worst& w) {
    static const char* const pairs[3] = {"ROMA40-WGS84", "ROMA40-ED50", "ED50-WGS84"};
    std::printf("%s: %d points, %d conversions not done, %d points beyond the goal\n", name, w.points,
                w.failed, w.beyondGoal);
    for (int pair = 0; pair < 3; ++pair)
        std::printf("  %-13s geographic %.3f m (%.2f N %.2f E)   plane %.3f m (%.2f N %.2f E)\n", pairs[pair],
                    w.metres[pair][0], w.where[pair][0].lat, w.where[pair][0].lon, w.metres[pair][1],
                    w.where[pair][1].lat, w.where[pair][1].lon);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: measure_system_change <data folder> <outline.geojson> [random points]\n");
        return 2;
    }
    auto table = std::make_unique<CommonPointTable>();
    const CommonPointLoad load = LoadCommonPoints(std::string(argv[1]) + "/common_points.tsv", *table);
    if (!load.ok)
        Fail(load.error);
    const int randomPoints = argc > 3 ? std::atoi(argv[3]) : 5000;

    const std::vector<Polygon> outline = ReadOutline(argv[2]);
    std::vector<const Polygon*> all;
    for (const Polygon& p : outline)
        all.push_back(&p);
    const LandMassOutline& masses = *table->landMasses;
    Proj proj;

    auto onLand = [&](LonLat q) { return InsidePolygons(all, q); };
    // Every 0.01° over a box, land only, optionally within a distance of a point.
    auto scan = [&](const char* name, double lat0, double lat1, double lon0, double lon1, LonLat centre,
                    double radius) {
        Worst w;
        for (int i = static_cast<int>(std::lround(lat0 * 100)); i <= std::lround(lat1 * 100); ++i)
            for (int j = static_cast<int>(std::lround(lon0 * 100)); j <= std::lround(lon1 * 100); ++j) {
                const LonLat q{j / 100.0, i / 100.0};
                if (radius > 0.0 && Metres(q, centre) > radius)
                    continue;
                if (onLand(q))
                    Measure(proj, *table, q, NearestLandMass(masses, q), w);
            }
        Report(name, w);
    };

    // Within 60 km of the middle of the strait (38°12' N 15°37' E).
    scan("Strait of Messina, land within 60 km", 37.6, 38.8, 14.9, 16.3, {15.62, 38.2}, 60000.0);
    scan("Elba, Piombino and the Tuscan coast", 42.55, 43.10, 9.95, 10.80, {}, 0.0);
    scan("Strait of Bonifacio, Sardinian side", 40.80, 41.45, 8.80, 9.90, {}, 0.0);
    scan("Egadi and Trapani", 37.80, 38.15, 11.90, 12.70, {}, 0.0);
    scan("Aeolian islands", 38.35, 38.85, 14.30, 15.30, {}, 0.0);

    // Corsica: outside the territory; the set of the land mass the program gives it.
    {
        Worst w;
        // A few towns (ED50): Bonifacio, Porto-Vecchio, Ajaccio, Bastia, Calvi.
        const LonLat towns[] = {{9.16, 41.39}, {9.28, 41.59}, {8.74, 41.93}, {9.45, 42.70}, {8.76, 42.57}};
        for (const LonLat& q : towns)
            Measure(proj, *table, q, NearestLandMass(masses, q), w);
        Report("Corsica (towns, the set of the nearest Italian land mass)", w);
    }

    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> lat(35.4, 47.1);
    std::uniform_real_distribution<double> lon(6.6, 18.6);
    Worst w;
    while (w.points < randomPoints) {
        const LonLat q{lon(random), lat(random)};
        if (onLand(q))
            Measure(proj, *table, q, NearestLandMass(masses, q), w);
    }
    Report("random points on land", w);
    return 0;
}
