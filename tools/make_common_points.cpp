// Writes the common-point table data/common_points.tsv from published datum
// transformations, reproducibly.
//
// Usage: make_common_points <outline.geojson> <points.tsv> <land_masses.tsv>
//
// Rows 1-652: nodes of a grid in ED50 geographic coordinates (latitudes
// 36°42' + k·12', k = 0..52; longitudes 6°30' + j·20', j = 0..36), the 652
// nodes nearest to the national territory of the outline (distance 0 on land,
// ties by row order), in row order: bands from north to south, west to east
// within a band. Rows 653-664: one point on each of twelve small islands.
//
// For every point: ED50 plane coordinates by the program's own Gauss
// projection (Hayford, 0.9996); WGS84 geographic by EPSG:1133 (ED50 to WGS 84
// (1)) from the ED50 position at ellipsoidal height 0; ROMA40 geographic from
// WGS84 by the inverse of EPSG:1660 (Monte Mario to WGS 84 (4), mainland),
// EPSG:1662 (Sardinia) or EPSG:1664 (Sicily), by the land mass of the outline
// nearest to the point; then the plane coordinates of each group. The three
// land masses are written as the outline file the program classifies points
// with, and the rows take their set from that same file. PROJ is needed by
// this tool only.

#include "datum/LandMasses.h"
#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/ReferenceSystems.h"

#include <proj.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace tervano;

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "make_common_points: %s\n", why.c_str());
    std::exit(1);
}

// ---------------------------------------------------------------------------
// Outline: the "coordinates" of a GeoJSON MultiPolygon.

class CoordinateParser {
public:
    explicit CoordinateParser(const std::string& text) : s_(text) {}

    std::vector<Polygon> multiPolygon() {
        const size_t key = s_.find("\"coordinates\"");
        if (key == std::string::npos)
            Fail("the outline has no coordinates");
        p_ = s_.find(':', key);
        if (p_ == std::string::npos)
            Fail("the outline's coordinates are malformed");
        ++p_;
        std::vector<Polygon> polygons;
        list([&] {
            Polygon polygon;
            list([&] {
                Ring ring;
                list([&] {
                    double pair[2];
                    int n = 0;
                    list([&] {
                        if (n == 2)
                            Fail("a position with more than two numbers");
                        pair[n++] = number();
                    });
                    if (n != 2)
                        Fail("a position without two numbers");
                    ring.push_back({pair[0], pair[1]});
                });
                if (ring.size() < 4)
                    Fail("a ring with fewer than four positions");
                polygon.push_back(ring);
            });
            polygons.push_back(polygon);
        });
        return polygons;
    }

private:
    void skipBlanks() {
        while (p_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[p_])))
            ++p_;
    }
    void expect(char c) {
        skipBlanks();
        if (p_ >= s_.size() || s_[p_] != c)
            Fail(std::string("expected '") + c + "' in the outline");
        ++p_;
    }
    // A JSON array whose elements each call item().
    template <class F> void list(F item) {
        expect('[');
        skipBlanks();
        if (p_ < s_.size() && s_[p_] == ']') {
            ++p_;
            return;
        }
        for (;;) {
            item();
            skipBlanks();
            if (p_ < s_.size() && s_[p_] == ',') {
                ++p_;
                continue;
            }
            expect(']');
            return;
        }
    }
    double number() {
        skipBlanks();
        const char* begin = s_.c_str() + p_;
        char* end = nullptr;
        const double v = std::strtod(begin, &end);
        if (end == begin)
            Fail("expected a number in the outline");
        p_ += static_cast<size_t>(end - begin);
        return v;
    }

    const std::string& s_;
    size_t p_ = 0;
};

// ---------------------------------------------------------------------------
// Plane geometry on longitude/latitude.

bool Inside(const std::vector<const Polygon*>& polygons, LonLat q) {
    return InsidePolygons(polygons, q);
}

double Distance(const std::vector<const Polygon*>& polygons, LonLat q) {
    return DistanceToPolygons(polygons, q);
}

// Area centroid of a polygon's outer ring.
LonLat Centroid(const Ring& ring) {
    double area = 0.0;
    double cx = 0.0;
    double cy = 0.0;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const double c = ring[i].lon * ring[i + 1].lat - ring[i + 1].lon * ring[i].lat;
        area += c;
        cx += (ring[i].lon + ring[i + 1].lon) * c;
        cy += (ring[i].lat + ring[i + 1].lat) * c;
    }
    return {cx / (3.0 * area), cy / (3.0 * area)};
}

// The polygon of the outline that contains q, else the nearest one.
const Polygon& PolygonAt(const std::vector<Polygon>& outline, LonLat q) {
    const Polygon* best = nullptr;
    double bestDistance = HUGE_VAL;
    for (const Polygon& polygon : outline) {
        const double d = Distance({&polygon}, q);
        if (d < bestDistance) {
            bestDistance = d;
            best = &polygon;
        }
    }
    if (best == nullptr || bestDistance > 5000.0)
        Fail("no island of the outline near a listed island");
    return *best;
}

double Round6(double v) {
    return std::round(v * 1e6) / 1e6;
}

// ---------------------------------------------------------------------------
// Points of the table.

enum Group { West = 0, East = 1, Zone34 = 2 };

struct TablePoint {
    LonLat ed50;                  // degrees, longitude from Greenwich
    std::array<bool, 3> groups{}; // West, East, Zone34
    std::string label;            // for the report on standard error
};

constexpr int FirstLatitudeMinutes = 36 * 60 + 42;
constexpr int LatitudeStep = 12;
constexpr int LatitudeNodes = 53;
constexpr int FirstLongitudeMinutes = 6 * 60 + 30;
constexpr int LongitudeStep = 20;
constexpr int LongitudeNodes = 37;
constexpr size_t GridRows = 652;

// Longitude limits of the groups, in minutes from Greenwich.
constexpr int WestLimitMinutes = 12 * 60 + 10; // west group up to here
constexpr int EastLimitMinutes = 11 * 60 + 50; // east group from here
constexpr int Zone34LonMinutes = 17 * 60 + 50; // zone-34 group from here...
constexpr int Zone34LatLow = 39 * 60 + 54;     // ...between these latitudes
constexpr int Zone34LatHigh = 40 * 60 + 42;

std::vector<TablePoint> GridPoints(const std::vector<Polygon>& outline) {
    std::vector<const Polygon*> all;
    for (const Polygon& p : outline)
        all.push_back(&p);

    struct Node {
        int latMinutes;
        int lonMinutes;
        double distance;
    };
    std::vector<Node> nodes;
    for (int k = LatitudeNodes - 1; k >= 0; --k)
        for (int j = 0; j < LongitudeNodes; ++j) {
            const int lat = FirstLatitudeMinutes + k * LatitudeStep;
            const int lon = FirstLongitudeMinutes + j * LongitudeStep;
            nodes.push_back({lat, lon, Distance(all, {lon / 60.0, lat / 60.0})});
        }

    std::vector<size_t> order(nodes.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return nodes[a].distance < nodes[b].distance; });
    order.resize(GridRows);
    std::sort(order.begin(), order.end());

    std::vector<TablePoint> points;
    for (size_t i : order) {
        const Node& n = nodes[i];
        TablePoint p;
        p.ed50 = {n.lonMinutes / 60.0, n.latMinutes / 60.0};
        p.groups[West] = n.lonMinutes <= WestLimitMinutes;
        p.groups[East] = n.lonMinutes >= EastLimitMinutes;
        p.groups[Zone34] =
            n.lonMinutes >= Zone34LonMinutes && n.latMinutes >= Zone34LatLow && n.latMinutes <= Zone34LatHigh;
        char label[64];
        std::snprintf(label, sizeof label, "node %d°%02d' N %d°%02d' E", n.latMinutes / 60, n.latMinutes % 60,
                      n.lonMinutes / 60, n.lonMinutes % 60);
        p.label = label;
        points.push_back(p);
    }
    return points;
}

// One point on each island. Islands drawn in the outline take the area
// centroid of their polygon (found from an approximate position); the three
// islands too small for the outline take a published position; Capraia takes
// a fixed point.
struct Island {
    const char* name;
    LonLat position; // approximate (outline) or exact (published, fixed)
    bool fromOutline;
};

const Island Islands[] = {
    {"Gorgona", {9.0 + 53.0 / 60 + 52.76 / 3600, 43.0 + 25.0 / 60 + 43.46 / 3600}, false},
    {"Pianosa", {10.08, 42.59}, true},
    {"Montecristo", {10.31, 42.34}, true},
    {"Pantelleria", {11.99, 36.79}, true},
    {"Lampedusa", {12.58, 35.51}, true},
    {"Linosa", {12.86, 35.86}, true},
    {"Ustica", {13.17, 38.70}, true},
    {"Ponza", {12.0 + 58.0 / 60, 40.0 + 54.0 / 60}, false},
    {"Ventotene", {13.425, 40.795}, true},
    {"San Nicola", {15.0 + 30.0 / 60 + 36.0 / 3600, 42.0 + 7.0 / 60 + 20.0 / 3600}, false},
    {"Stromboli", {15.21, 38.79}, true},
    {"Capraia", {9.822479, 43.038460}, false},
};

std::vector<TablePoint> IslandPoints(const std::vector<Polygon>& outline) {
    std::vector<TablePoint> points;
    for (const Island& island : Islands) {
        LonLat q = island.position;
        if (island.fromOutline) {
            const Polygon& polygon = PolygonAt(outline, q);
            q = Centroid(polygon.front());
            if (!Inside({&polygon}, q))
                Fail(std::string("the centroid of ") + island.name + " lies off the island");
        }
        q = {Round6(q.lon), Round6(q.lat)};
        TablePoint p;
        p.ed50 = q;
        p.groups[West] = q.lon <= WestLimitMinutes / 60.0;
        p.groups[East] = q.lon >= EastLimitMinutes / 60.0;
        char label[96];
        std::snprintf(label, sizeof label, "%s %.6f N %.6f E", island.name, q.lat, q.lon);
        p.label = label;
        points.push_back(p);
    }
    return points;
}

// ---------------------------------------------------------------------------
// Datum transformations by PROJ.

class Datums {
public:
    Datums() : ctx_(proj_context_create()) {
        ed50ToWgs84_ = operation("1133");
        monteMarioToWgs84_[0] = operation("1660"); // mainland
        monteMarioToWgs84_[1] = operation("1662"); // Sardinia
        monteMarioToWgs84_[2] = operation("1664"); // Sicily
    }
    ~Datums() {
        proj_destroy(ed50ToWgs84_);
        for (PJ* p : monteMarioToWgs84_)
            proj_destroy(p);
        proj_context_destroy(ctx_);
    }
    Datums(const Datums&) = delete;
    Datums& operator=(const Datums&) = delete;

    // Latitude/longitude in degrees; the operations take latitude first.
    LonLat wgs84FromEd50(LonLat ed50) const { return apply(ed50ToWgs84_, PJ_FWD, ed50); }
    LonLat roma40FromWgs84(LonLat wgs84, int landMass) const {
        return apply(monteMarioToWgs84_[static_cast<size_t>(landMass)], PJ_INV, wgs84);
    }

private:
    PJ* operation(const char* code) {
        PJ* op = proj_create_from_database(ctx_, "EPSG", code, PJ_CATEGORY_COORDINATE_OPERATION, 0, nullptr);
        if (op == nullptr)
            Fail(std::string("PROJ does not know EPSG:") + code);
        return op;
    }
    static LonLat apply(PJ* op, PJ_DIRECTION direction, LonLat q) {
        const PJ_COORD out = proj_trans(op, direction, proj_coord(q.lat, q.lon, 0.0, 0.0));
        if (!std::isfinite(out.v[0]) || !std::isfinite(out.v[1]))
            Fail("a datum transformation failed");
        return {out.v[1], out.v[0]};
    }

    PJ_CONTEXT* ctx_;
    PJ* ed50ToWgs84_ = nullptr;
    std::array<PJ*, 3> monteMarioToWgs84_{};
};

const char* const LandMassNames[] = {"mainland", "Sardinia", "Sicily"};

const char* const LandMassHeader =
    "# Land masses of the common-point table: mainland, Sardinia, Sicily and the small\n"
    "# islands given to each, as drawn in tools/italy-territory-ne10m.geojson (Natural\n"
    "# Earth 1:10m, public domain). Generated by tools/make_common_points.cpp; see\n"
    "# data/README.md. Do not edit.\n"
    "# Fields: land mass (1 mainland, 2 Sardinia, 3 Sicily), polygon (1 the land mass,\n"
    "# 2.. its islands), ring (1 outer, 2.. holes), longitude and latitude in degrees\n"
    "# (taken as ED50).\n";

// The three land masses of the outline, as the program reads them from the
// outline file written here: the polygons holding Rome, central Sardinia and
// central Sicily. The rows' sets come from the same rule the program applies.
struct LandMasses {
    LandMassOutline outline;
    std::string file;

    explicit LandMasses(const std::vector<Polygon>& polygons) {
        const LonLat inside[3] = {{12.5, 41.9}, {9.0, 40.0}, {14.0, 37.5}}; // Rome, Sardinia, Sicily
        LandMassOutline drawn;
        std::array<const Polygon*, 3> own{};
        for (size_t i = 0; i < 3; ++i) {
            for (const Polygon& p : polygons)
                if (Inside({&p}, inside[i]))
                    own[i] = &p;
            if (own[i] == nullptr)
                Fail("a land mass is missing from the outline");
            drawn.masses[i].push_back(*own[i]);
        }
        // Every other polygon is a small island, given to the land mass
        // whose own polygon is nearest to the island's centroid.
        const LandMassOutline own3 = drawn;
        for (const Polygon& p : polygons) {
            if (&p == own[0] || &p == own[1] || &p == own[2])
                continue;
            const int mass = NearestLandMass(own3, Centroid(p.front()));
            drawn.masses[static_cast<size_t>(mass)].push_back(p);
        }
        file = std::string(LandMassHeader) + WriteLandMasses(drawn);
        const std::string error = ParseLandMasses(file, outline);
        if (!error.empty())
            Fail("the land-mass outline does not read back: " + error);
        for (size_t i = 0; i < 3; ++i)
            for (size_t p = 0; p < drawn.masses[i].size(); ++p)
                for (size_t r = 0; r < drawn.masses[i][p].size(); ++r)
                    for (size_t k = 0; k < drawn.masses[i][p][r].size(); ++k)
                        if (drawn.masses[i][p][r][k].lon != outline.masses[i].at(p).at(r).at(k).lon ||
                            drawn.masses[i][p][r][k].lat != outline.masses[i][p][r][k].lat)
                            Fail("the land-mass outline changes when written");
    }
    int nearest(LonLat q) const { return NearestLandMass(outline, q); }
};

// East (false east included) and North of a geographic point in a Gauss zone.
std::array<double, 2> Plane(LonLat q, double centralMeridian, double falseEast, int systemCode) {
    const GaussForwardResult r = GaussForward(
        DegreesToRadians(q.lat), DegreesToRadians(q.lon - centralMeridian), systemCode, ScaleFactorUTM);
    return {r.ProjEast + falseEast, r.ProjNorth};
}

std::string Row(size_t number, const TablePoint& p, const Datums& datums, const LandMasses& land) {
    const LonLat wgs84 = datums.wgs84FromEd50(p.ed50);
    const LonLat roma40 = datums.roma40FromWgs84(wgs84, land.nearest(p.ed50));

    // Per group: central meridian from Greenwich and the ROMA40 false east.
    const double meridian[3] = {9.0, 15.0, 21.0};
    const double roma40FalseEast[3] = {1500000.0, 2520000.0, 3500000.0};

    std::array<std::optional<double>, 18> cells;
    for (size_t g = 0; g < 3; ++g) {
        if (!p.groups[g])
            continue;
        const auto r = Plane(roma40, meridian[g], roma40FalseEast[g], ROMA40);
        const auto e = Plane(p.ed50, meridian[g], 500000.0, ED50);
        const auto w = Plane(wgs84, meridian[g], 500000.0, WGS84);
        for (size_t i = 0; i < 2; ++i) {
            cells[2 * g + i] = r[i];
            cells[6 + 2 * g + i] = e[i];
            cells[12 + 2 * g + i] = w[i];
        }
    }
    std::string line = std::to_string(number);
    for (const auto& cell : cells) {
        line += '\t';
        if (cell) {
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", *cell);
            line += text;
        }
    }
    return line + '\n';
}

const char* const Header =
    "# Common points: East and North (metres) of each point in nine plane zones.\n"
    "# Generated by tools/make_common_points.cpp; see data/README.md. Do not edit.\n"
    "# Fields: row, then East/North pairs for ROMA40 Gauss-Boaga Ovest, Gauss-Boaga Est,\n"
    "# ROMA40 on 21 E, ED50 UTM 32, 33, 34, WGS84 UTM 32, 33, 34. Empty: no such zone.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_common_points <outline.geojson> <points.tsv> <land_masses.tsv>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in)
        Fail(std::string("cannot read ") + argv[1]);
    std::stringstream text;
    text << in.rdbuf();
    const std::string json = text.str();
    const std::vector<Polygon> outline = CoordinateParser(json).multiPolygon();

    std::vector<TablePoint> points = GridPoints(outline);
    const std::vector<TablePoint> islands = IslandPoints(outline);
    points.insert(points.end(), islands.begin(), islands.end());

    const Datums datums;
    const LandMasses land(outline);
    std::string out = Header;
    std::array<int, 3> groupCounts{};
    int bothWestEast = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        out += Row(i + 1, points[i], datums, land);
        for (size_t g = 0; g < 3; ++g)
            groupCounts[g] += points[i].groups[g] ? 1 : 0;
        bothWestEast += points[i].groups[West] && points[i].groups[East] ? 1 : 0;
    }

    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out;
    file.close();
    if (!file)
        Fail(std::string("cannot write ") + argv[2]);
    std::ofstream landFile(argv[3], std::ios::binary | std::ios::trunc);
    landFile << land.file;
    landFile.close();
    if (!landFile)
        Fail(std::string("cannot write ") + argv[3]);

    std::fprintf(stderr, "%zu rows; west group %d, east group %d, both %d, zone-34 group %d\n", points.size(),
                 groupCounts[West], groupCounts[East], bothWestEast, groupCounts[Zone34]);
    for (size_t i = 0; i < points.size(); ++i)
        if (i < 2 || i == 475 || i + 1 >= GridRows)
            std::fprintf(stderr, "row %zu: %s, %s\n", i + 1, points[i].label.c_str(),
                         LandMassNames[land.nearest(points[i].ed50)]);
    return 0;
}
