// The change of system through the common-point table against PROJ's direct
// EPSG transformations, the ones the table was computed from.
#ifdef TERVANO_HAVE_PROJ

#include "datum/SystemChange.h"

#include "geodesy/Angles.h"
#include "geodesy/ReferenceSystems.h"

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

struct LonLat {
    double lon, lat;
};
using Ring = std::vector<LonLat>;
using Polygon = std::vector<Ring>;

// The polygons of the outline's MultiPolygon: numbers after "coordinates",
// rings closed at bracket depth 3, polygons at depth 2.
std::vector<Polygon> ReadOutline() {
    std::ifstream in(std::string(TERVANO_SOURCE_DIR) + "/tools/italy-territory-ne10m.geojson");
    std::stringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    std::vector<Polygon> polygons;
    size_t p = text.find(':', text.find("\"coordinates\"")) + 1;
    int depth = 0;
    std::vector<double> numbers;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c == '[') {
            ++depth;
            if (depth == 2)
                polygons.emplace_back();
            if (depth == 3)
                polygons.back().emplace_back();
        } else if (c == ']') {
            if (depth == 4) {
                polygons.back().back().push_back({numbers.at(0), numbers.at(1)});
                numbers.clear();
            }
            if (--depth == 0)
                break;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            char* end = nullptr;
            numbers.push_back(std::strtod(text.c_str() + p, &end));
            p = static_cast<size_t>(end - text.c_str()) - 1;
        }
    }
    return polygons;
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

#endif
