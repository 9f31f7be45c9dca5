#include "datum/Ntv2Grid.h"

#include "tests/support/Ntv2Writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#ifdef TERVANO_HAVE_PROJ
#include <proj.h>
#endif

using namespace tervano;
using namespace tervano::test;

namespace {

// A parent over most of Italy, a child in its middle written BEFORE it (a
// parent may come later in the file) and a grandchild inside the child; the
// child and grandchild have fields of their own, so that the shift tells
// which subgrid gave it.
Ntv2File Family() {
    Ntv2File f;
    f.shift = [](double lat, double lon) {
        return Ntv2NodeShift{1.0 + 0.25 * (lat - 36), -2.0 + 0.125 * (lon - 6)};
    };
    Ntv2WriterSubgrid child{"CHILD", "ITALIA", 40, 42, 10, 12, 0.125, 0.25};
    child.shift = [](double lat, double lon) {
        return Ntv2NodeShift{5.0 + 0.5 * (lat - 40), 3.0 - 0.25 * (lon - 10)};
    };
    Ntv2WriterSubgrid grandchild{"GRAND", "CHILD", 40.5, 41, 10.5, 11, 0.0625, 0.0625};
    grandchild.shift = [](double, double) { return Ntv2NodeShift{-7.0, 9.0}; };
    f.subgrids = {child, {"ITALIA", "NONE", 36, 48, 6, 19, 0.5, 0.5}, grandchild};
    return f;
}

// The shift each subgrid of Family() was written with, seconds, longitude positive west.
Ntv2NodeShift FamilyShift(int subgrid, double lat, double lon) {
    switch (subgrid) {
    case 0:
        return {5.0 + 0.5 * (lat - 40), 3.0 - 0.25 * (lon - 10)};
    case 1:
        return {1.0 + 0.25 * (lat - 36), -2.0 + 0.125 * (lon - 6)};
    default:
        return {-7.0, 9.0};
    }
}

// A smooth field of the size of the shifts between ROMA40 and WGS84 over a
// parent, and a child and grandchild that add detail of their own vanishing
// on their borders, as the subgrids of a real grid agree with their parent.
Ntv2NodeShift Broad(double lat, double lon) {
    return {2.1 + 0.8 * std::sin(lat * 0.9) * std::cos(lon * 0.7),
            -1.5 + 0.6 * std::cos(lat * 1.3) * std::sin(lon * 0.5)};
}
double Bump(double lat, double lon, double south, double north, double west, double east) {
    return std::sin(std::numbers::pi * (lat - south) / (north - south)) *
           std::sin(std::numbers::pi * (lon - west) / (east - west));
}
Ntv2NodeShift Fine(double lat, double lon) {
    const Ntv2NodeShift s = Broad(lat, lon);
    const double b = Bump(lat, lon, 41, 43.5, 11, 14);
    return {s.latitude + 0.4 * b * std::sin(lat * 7.1), s.longitudeWest - 0.3 * b * std::cos(lon * 5.3)};
}
Ntv2File Smooth() {
    Ntv2File f;
    f.shift = Broad;
    Ntv2WriterSubgrid child{"FINE", "ITALIA", 41, 43.5, 11, 14, 1.0 / 60, 1.0 / 40};
    child.shift = Fine;
    Ntv2WriterSubgrid grandchild{"FINISS", "FINE", 42, 42.5, 12, 12.5, 1.0 / 240, 1.0 / 240};
    grandchild.shift = [](double lat, double lon) {
        const Ntv2NodeShift s = Fine(lat, lon);
        const double b = Bump(lat, lon, 42, 42.5, 12, 12.5);
        return Ntv2NodeShift{s.latitude - 0.2 * b, s.longitudeWest + 0.25 * b};
    };
    f.subgrids = {{"ITALIA", "NONE", 36, 48, 6, 19, 0.25, 0.25}, child, grandchild};
    return f;
}

Ntv2Grid Read(const std::string& bytes) {
    std::string error;
    std::optional<Ntv2Grid> g = ReadNtv2(bytes, error);
    EXPECT_TRUE(g) << error;
    EXPECT_TRUE(error.empty()) << error;
    return g ? *g : Ntv2Grid{};
}

// Points spread over a box, the same on every run.
std::vector<std::pair<double, double>> Sample(int n, double south, double north, double west, double east) {
    std::vector<std::pair<double, double>> points;
    std::uint64_t state = 88172645463325252ull;
    const auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    for (int i = 0; i < n; ++i) {
        const double lat = south + (north - south) * next();
        points.emplace_back(lat, west + (east - west) * next());
    }
    return points;
}

auto Fields(const Ntv2Subgrid& g) {
    return std::tie(g.name, g.parent, g.south, g.north, g.east, g.west, g.latitudeStep, g.longitudeStep,
                    g.rows, g.columns, g.latitudeShift, g.longitudeShift);
}

void ExpectSameGrid(const Ntv2Grid& a, const Ntv2Grid& b) {
    EXPECT_EQ(std::tie(a.sourceName, a.targetName, a.sourceMajorAxis, a.sourceMinorAxis, a.targetMajorAxis,
                       a.targetMinorAxis),
              std::tie(b.sourceName, b.targetName, b.sourceMajorAxis, b.sourceMinorAxis, b.targetMajorAxis,
                       b.targetMinorAxis));
    ASSERT_EQ(a.subgrids.size(), b.subgrids.size());
    for (std::size_t k = 0; k < a.subgrids.size(); ++k)
        EXPECT_TRUE(Fields(a.subgrids[k]) == Fields(b.subgrids[k])) << "subgrid " << k;
}

TEST(Ntv2Grid, ReadsHeadersAndNodesInBothByteOrders) {
    Ntv2File f = Family();
    f.source = "MONTEMAR";
    f.target = "WGS84   ";
    const Ntv2Grid little = Read(f.bytes());
    f.bigEndian = true;
    const Ntv2Grid big = Read(f.bytes());
    ExpectSameGrid(little, big);

    EXPECT_EQ(little.sourceName, "MONTEMAR");
    EXPECT_EQ(little.targetName, "WGS84");
    EXPECT_EQ(little.sourceMajorAxis, 6378388.0);
    EXPECT_EQ(little.sourceMinorAxis, 6356911.946);
    EXPECT_EQ(little.targetMajorAxis, 6378137.0);
    EXPECT_EQ(little.targetMinorAxis, 6356752.314);
    ASSERT_EQ(little.subgrids.size(), 3u);
    const Ntv2Subgrid& child = little.subgrids[0];
    EXPECT_EQ(child.name, "CHILD");
    EXPECT_EQ(child.parent, "ITALIA");
    EXPECT_EQ(little.subgrids[1].parent, "NONE");
    // Seconds, longitudes positive west: 10°E..12°E is W_LONG -36000, E_LONG -43200.
    EXPECT_EQ(child.south, 144000.0);
    EXPECT_EQ(child.north, 151200.0);
    EXPECT_EQ(child.east, -43200.0);
    EXPECT_EQ(child.west, -36000.0);
    EXPECT_EQ(child.latitudeStep, 450.0);
    EXPECT_EQ(child.longitudeStep, 900.0);
    EXPECT_EQ(child.rows, 17);
    EXPECT_EQ(child.columns, 9);
    // Row 0 the south edge, column 0 the east edge.
    for (int r : {0, 5, 16})
        for (int c : {0, 3, 8}) {
            const Ntv2NodeShift s = FamilyShift(0, 40 + r * 0.125, 12 - c * 0.25);
            EXPECT_EQ(child.latitudeShift[static_cast<std::size_t>(r * 9 + c)],
                      static_cast<float>(s.latitude));
            EXPECT_EQ(child.longitudeShift[static_cast<std::size_t>(r * 9 + c)],
                      static_cast<float>(s.longitudeWest));
        }
    EXPECT_EQ(little.subgrids[1].rows * little.subgrids[1].columns, 25 * 27);

    // From a file as from memory; a file that is not there is named.
    const auto path = std::filesystem::temp_directory_path() / "tervano_ntv2_family.gsb";
    std::ofstream(path, std::ios::binary) << f.bytes();
    std::string error;
    const std::optional<Ntv2Grid> loaded = LoadNtv2(path.string(), error);
    ASSERT_TRUE(loaded) << error;
    ExpectSameGrid(*loaded, little);
    std::filesystem::remove(path);
    EXPECT_FALSE(LoadNtv2(path.string(), error));
    EXPECT_EQ(error, "FILE DEL GRIGLIATO NTv2 MANCANTE O NON LEGGIBILE: " + path.string());
    EXPECT_FALSE(LoadNtv2(std::filesystem::temp_directory_path().string(), error));
    EXPECT_NE(error.find("MANCANTE O NON LEGGIBILE"), std::string::npos);
}

TEST(Ntv2Grid, InterpolatesBilinearly) {
    // A field linear in latitude and longitude, with node values exact in
    // float: bilinear interpolation gives it back to the last bit.
    Ntv2File linear;
    linear.shift = [](double lat, double lon) {
        return Ntv2NodeShift{2.0 + 0.5 * (lat - 36) - 0.25 * (lon - 6),
                             -1.0 + 0.125 * (lat - 36) + 0.375 * (lon - 6)};
    };
    linear.subgrids = {{"ITALIA", "NONE", 36, 48, 6, 19, 0.25, 0.25}};
    for (bool big : {false, true}) {
        linear.bigEndian = big;
        const Ntv2Grid g = Read(linear.bytes());
        for (auto [lat, lon] : Sample(2000, 36, 48, 6, 19)) {
            const std::optional<Ntv2Point> p = Ntv2Forward(g, lat, lon);
            ASSERT_TRUE(p) << lat << " " << lon;
            const Ntv2NodeShift s = linear.shift(lat, lon);
            EXPECT_NEAR(p->latitude, lat + s.latitude / 3600, 1e-12) << lat << " " << lon;
            EXPECT_NEAR(p->longitude, lon - s.longitudeWest / 3600, 1e-12) << lat << " " << lon;
            EXPECT_EQ(p->subgrid, 0);
        }
    }

    // A field that is not bilinear, 1° cells: at the nodes its own values, at
    // a cell's centre the mean of its corners, along an edge of a cell the
    // straight line between them (worked by hand).
    Ntv2File curved;
    curved.shift = [](double lat, double lon) {
        return Ntv2NodeShift{(lat - 36) * (lat - 36), -(lon - 12) * (lon - 12) * (lon - 12)};
    };
    curved.subgrids = {{"CURVA", "NONE", 36, 39, 12, 15, 1, 1}};
    const Ntv2Grid g = Read(curved.bytes());
    struct Case {
        double lat, lon, dLat, dLonWest;
    };
    const Case cases[] = {
        {36, 12, 0, 0},          {37, 13, 1, -1},         {38, 14, 4, -8},          {39, 15, 9, -27},
        {36.5, 12.5, 0.5, -0.5}, {37.5, 13.5, 2.5, -4.5}, {38.5, 14.5, 6.5, -17.5}, {36.25, 12, 0.25, 0},
        {38, 14.75, 4, -22.25},  {37.5, 15, 2.5, -27},    {39, 12.5, 9, -0.5},
    };
    for (const Case& c : cases) {
        const std::optional<Ntv2Point> p = Ntv2Forward(g, c.lat, c.lon);
        ASSERT_TRUE(p) << c.lat << " " << c.lon;
        EXPECT_NEAR((p->latitude - c.lat) * 3600, c.dLat, 1e-9) << c.lat << " " << c.lon;
        EXPECT_NEAR((c.lon - p->longitude) * 3600, c.dLonWest, 1e-9) << c.lat << " " << c.lon;
    }
}

TEST(Ntv2Grid, TheFinestSubgridHoldingThePointWins) {
    Ntv2File f = Family();
    // A second grid of the top level over the south of the first and beyond
    // it: where they overlap the first in the file wins.
    Ntv2WriterSubgrid south{"SUD", "NONE", 30, 38, 6, 20, 1, 1};
    south.shift = [](double, double) { return Ntv2NodeShift{100, 100}; };
    f.subgrids.push_back(south);
    for (bool big : {false, true}) {
        f.bigEndian = big;
        const Ntv2Grid g = Read(f.bytes());
        struct Case {
            double lat, lon;
            int subgrid;
        };
        const Case cases[] = {
            {40.75, 10.75, 2}, {40.5, 10.5, 2}, {41, 11, 2}, // grandchild, its corners included
            {41.5, 11.5, 0},   {40, 10, 0},     {42, 12, 0}, // child, its corners included
            {40.25, 10.9, 0},  {41, 11.01, 0},               // child beside the grandchild
            {39.99, 11, 1},    {45, 7, 1},                   // parent
            {36, 6, 1},        {36, 19, 1},     {48, 6, 1},    {48, 19, 1},   // corners of the parent
            {36, 12.3, 1},     {48, 12.3, 1},   {42.7, 6, 1},  {42.7, 19, 1}, // its edges
            {37, 8, 1},        {35, 8, 3},      {37, 19.5, 3}, {30, 20, 3},   // the second top grid
        };
        for (const Case& c : cases) {
            const std::optional<Ntv2Point> p = Ntv2Forward(g, c.lat, c.lon);
            ASSERT_TRUE(p) << c.lat << " " << c.lon;
            EXPECT_EQ(p->subgrid, c.subgrid) << c.lat << " " << c.lon;
            const Ntv2NodeShift s =
                c.subgrid == 3 ? Ntv2NodeShift{100, 100} : FamilyShift(c.subgrid, c.lat, c.lon);
            EXPECT_NEAR((p->latitude - c.lat) * 3600, s.latitude, 1e-9) << c.lat << " " << c.lon;
            EXPECT_NEAR((c.lon - p->longitude) * 3600, s.longitudeWest, 1e-9) << c.lat << " " << c.lon;
        }
        // Just outside every grid: nothing.
        const double e = 1e-7;
        for (auto [lat, lon] : std::vector<std::pair<double, double>>{{48 + e, 12},
                                                                      {42, 6 - e},
                                                                      {42, 19 + e},
                                                                      {38 + e, 19.5},
                                                                      {30 - e, 10},
                                                                      {48 + e, 19 + e},
                                                                      {36, 20 + e}})
            EXPECT_FALSE(Ntv2Forward(g, lat, lon)) << lat << " " << lon;
        EXPECT_FALSE(Ntv2Forward(g, std::nan(""), 12));
        EXPECT_FALSE(Ntv2Forward(g, 42, std::numeric_limits<double>::infinity()));
    }

    // A grid built in memory whose shifts do not match its size is passed by,
    // not read beyond its end.
    Ntv2Grid loose = Read(Family().bytes());
    loose.subgrids[2].latitudeShift.pop_back();
    const std::optional<Ntv2Point> p = Ntv2Forward(loose, 40.75, 10.75);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->subgrid, 0);
}

TEST(Ntv2Grid, InverseUndoesForward) {
    for (bool big : {false, true}) {
        Ntv2File f = Smooth();
        f.bigEndian = big;
        const Ntv2Grid g = Read(f.bytes());
        int inChild = 0, inGrandchild = 0;
        std::vector<std::pair<double, double>> points = Sample(2000, 36, 48, 6, 19);
        for (const auto& box : {Sample(1000, 41, 43.5, 11, 14), Sample(500, 42, 42.5, 12, 12.5)})
            points.insert(points.end(), box.begin(), box.end());
        for (auto [lat, lon] : points) {
            const std::optional<Ntv2Point> there = Ntv2Forward(g, lat, lon);
            ASSERT_TRUE(there);
            const std::optional<Ntv2Point> back = Ntv2Inverse(g, there->latitude, there->longitude);
            // Near the edges of the outer grid the source of a shifted point may
            // fall outside it; everywhere else the inverse finds the point again.
            if (!back && (lat - 36 < 0.01 || 48 - lat < 0.01 || lon - 6 < 0.01 || 19 - lon < 0.01))
                continue;
            ASSERT_TRUE(back) << lat << " " << lon;
            EXPECT_NEAR(back->latitude, lat, 1e-9);
            EXPECT_NEAR(back->longitude, lon, 1e-9);
            EXPECT_EQ(back->subgrid, there->subgrid) << lat << " " << lon;
            inChild += there->subgrid == 1;
            inGrandchild += there->subgrid == 2;
        }
        EXPECT_GT(inChild, 800);
        EXPECT_GT(inGrandchild, 400);
    }

    // A target whose source lies outside the grid: the shift of 10" north
    // carries the south edge 10" inside.
    Ntv2File shifted;
    shifted.shift = [](double, double) { return Ntv2NodeShift{10, 0}; };
    shifted.subgrids = {{"ITALIA", "NONE", 36, 48, 6, 19, 0.5, 0.5}};
    const Ntv2Grid s = Read(shifted.bytes());
    EXPECT_FALSE(Ntv2Inverse(s, 36 + 5.0 / 3600, 12));
    const std::optional<Ntv2Point> inside = Ntv2Inverse(s, 36 + 15.0 / 3600, 12);
    ASSERT_TRUE(inside);
    EXPECT_NEAR(inside->latitude, 36 + 5.0 / 3600, 1e-12);
    EXPECT_FALSE(Ntv2Inverse(s, 50, 12));

    // Shifts larger than the cells, changing sign from row to row: from
    // 42.25 the iteration swings between 41.5 and 42.25 without settling
    // (the source at 42.625 repels it), and gives nothing.
    Ntv2File wild;
    wild.shift = [](double lat, double) {
        return Ntv2NodeShift{std::fmod(lat, 2.0) < 0.5 ? 5400.0 : -5400.0, 0};
    };
    wild.subgrids = {{"MATTO", "NONE", 36, 48, 6, 19, 1, 1}};
    const Ntv2Grid w = Read(wild.bytes());
    EXPECT_FALSE(Ntv2Inverse(w, 42.25, 12));
}

#ifdef TERVANO_HAVE_PROJ
// PROJ reads the same file through +proj=hgridshift, radians in and out.
class ProjGrid {
public:
    explicit ProjGrid(const std::string& path) {
        ctx_ = proj_context_create();
        proj_context_set_enable_network(ctx_, 0);
        pj_ = proj_create(ctx_, ("+proj=hgridshift +grids=" + path).c_str());
    }
    ~ProjGrid() {
        proj_destroy(pj_);
        proj_context_destroy(ctx_);
    }
    ProjGrid(const ProjGrid&) = delete;
    ProjGrid& operator=(const ProjGrid&) = delete;
    bool ok() const { return pj_ != nullptr; }
    std::optional<std::pair<double, double>> trans(PJ_DIRECTION d, double lat, double lon) const {
        constexpr double r = std::numbers::pi / 180;
        proj_errno_reset(pj_);
        const PJ_COORD out = proj_trans(pj_, d, proj_coord(lon * r, lat * r, 0, 0));
        if (out.lp.lam == HUGE_VAL || proj_errno(pj_) != 0)
            return std::nullopt;
        return std::make_pair(out.lp.phi / r, out.lp.lam / r);
    }

private:
    PJ_CONTEXT* ctx_ = nullptr;
    PJ* pj_ = nullptr;
};

TEST(Ntv2Grid, AgreesWithProjBothWays) {
    Ntv2File f = Smooth();
    double largestForward = 0, largestInverse = 0;
    int compared = 0;
    for (bool big : {false, true}) {
        f.bigEndian = big;
        const auto path = std::filesystem::temp_directory_path() /
                          (big ? "tervano_ntv2_proj_be.gsb" : "tervano_ntv2_proj_le.gsb");
        std::ofstream(path, std::ios::binary) << f.bytes();
        const Ntv2Grid g = Read(f.bytes());
        {
            const ProjGrid proj(path.string());
            ASSERT_TRUE(proj.ok());
            std::vector<std::pair<double, double>> points = Sample(3000, 35.9, 48.1, 5.9, 19.1);
            for (const auto& box : {Sample(1000, 41, 43.5, 11, 14), Sample(1000, 42, 42.5, 12, 12.5)})
                points.insert(points.end(), box.begin(), box.end());
            for (auto [lat, lon] : points) {
                const std::optional<Ntv2Point> ours = Ntv2Forward(g, lat, lon);
                const auto theirs = proj.trans(PJ_FWD, lat, lon);
                ASSERT_EQ(ours.has_value(), theirs.has_value()) << lat << " " << lon;
                if (ours) {
                    largestForward = std::max({largestForward, std::abs(ours->latitude - theirs->first),
                                               std::abs(ours->longitude - theirs->second)});
                    ++compared;
                }
                const std::optional<Ntv2Point> back = Ntv2Inverse(g, lat, lon);
                const auto theirsBack = proj.trans(PJ_INV, lat, lon);
                // Where the source would lie outside the grid, PROJ may still
                // answer with its last estimate; where it is inside, both answer.
                if (back) {
                    ASSERT_TRUE(theirsBack) << lat << " " << lon;
                    largestInverse = std::max({largestInverse, std::abs(back->latitude - theirsBack->first),
                                               std::abs(back->longitude - theirsBack->second)});
                }
            }
        }
        std::filesystem::remove(path);
    }
    // 1e-8 degrees is about a millimetre on the ground.
    EXPECT_LT(largestForward, 1e-8);
    EXPECT_LT(largestInverse, 1e-8);
    EXPECT_GT(compared, 6000);
    std::printf("Largest difference from PROJ: forward %.3g degrees, inverse %.3g degrees\n", largestForward,
                largestInverse);
}
#endif

// A small file of two subgrids for the damage tests.
Ntv2File Pair() {
    Ntv2File f;
    f.shift = [](double lat, double lon) { return Ntv2NodeShift{lat - 40, 12 - lon}; };
    f.subgrids = {{"PADRE", "NONE", 40, 42, 10, 13, 1, 1}, {"FIGLIO", "PADRE", 40, 41, 11, 12, 0.5, 0.5}};
    return f;
}

TEST(Ntv2Grid, DamagedFilesAreRefusedWithTheirReason) {
    struct Damage {
        const char* what;
        std::function<void(std::string&, const Ntv2File&)> apply;
        std::string message;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::string bad = "GRIGLIATO NTv2 NON VALIDO: ";
    // Offsets of the second subgrid's header records.
    const auto child = [](const Ntv2File& f, int record) {
        return f.subgridOffset(1) + 16 * static_cast<std::size_t>(record);
    };
    const std::vector<Damage> damages = {
        {"another file", [](std::string& b, const Ntv2File&) { b.replace(0, 8, "NUM_ORED"); },
         "IL FILE NON È UN GRIGLIATO NTv2"},
        {"empty", [](std::string& b, const Ntv2File&) { b.clear(); }, "IL FILE NON È UN GRIGLIATO NTv2"},
        {"text", [](std::string& b, const Ntv2File&) { b = "Punto;Lat;Long\n1;41.5;12.3\n"; },
         "IL FILE NON È UN GRIGLIATO NTv2"},
        {"NUM_OREC 12", [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 0, 12, f.bigEndian); },
         bad + "ORDINE DEI BYTE O STRUTTURA SCONOSCIUTI"},
        // The first record in the other byte order than the rest.
        {"NUM_OREC swapped", [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 0, 11, !f.bigEndian); },
         bad + "STRUTTURA DELLE SOTTOGRIGLIE SCONOSCIUTA"},
        {"NUM_SREC 12", [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 16, 12, f.bigEndian); },
         bad + "STRUTTURA DELLE SOTTOGRIGLIE SCONOSCIUTA"},
        {"GS_TYPE", [](std::string& b, const Ntv2File&) { PutNtv2Text(b, 48, "MINUTES"); },
         bad + "UNITÀ MINUTES NON AMMESSA (SOLO SECONDS)"},
        {"NUM_FILE 0", [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 32, 0, f.bigEndian); },
         bad + "NUMERO DI SOTTOGRIGLIE 0 NON AMMISSIBILE"},
        {"NUM_FILE -2", [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 32, -2, f.bigEndian); },
         bad + "NUMERO DI SOTTOGRIGLIE -2 NON AMMISSIBILE"},
        {"NUM_FILE huge",
         [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 32, 2000000000, f.bigEndian); },
         bad + "NUMERO DI SOTTOGRIGLIE 2000000000 NON AMMISSIBILE"},
        {"NUM_FILE one more", [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 32, 3, f.bigEndian); },
         bad + "FILE TRONCATO NELL'INTESTAZIONE DELLA SOTTOGRIGLIA 3"},
        {"NUM_FILE one less", [](std::string& b, const Ntv2File& f) { PutNtv2Int(b, 32, 1, f.bigEndian); },
         bad + "DATI NON RICONOSCIUTI DOPO L'ULTIMA SOTTOGRIGLIA"},
        {"no SUB_NAME", [&](std::string& b, const Ntv2File& f) { b.replace(child(f, 0), 8, "SUB_NOME"); },
         bad + "INTESTAZIONE DELLA SOTTOGRIGLIA 2 NON RICONOSCIUTA"},
        {"GS_COUNT", [&](std::string& b, const Ntv2File& f) { PutNtv2Int(b, child(f, 10), 24, f.bigEndian); },
         bad + "NUMERO DI NODI 24 INVECE DI 9 (3 RIGHE PER 3 COLONNE) NELLA SOTTOGRIGLIA FIGLIO"},
        {"LAT_INC",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 8), 900, f.bigEndian); },
         bad + "NUMERO DI NODI 9 INVECE DI 15 (5 RIGHE PER 3 COLONNE) NELLA SOTTOGRIGLIA FIGLIO"},
        {"LAT_INC 0",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 8), 0, f.bigEndian); },
         bad + "PASSI NON POSITIVI NELLA SOTTOGRIGLIA FIGLIO"},
        {"LONG_INC < 0",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 9), -1800, f.bigEndian); },
         bad + "PASSI NON POSITIVI NELLA SOTTOGRIGLIA FIGLIO"},
        {"N_LAT < S_LAT",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 5), 140000, f.bigEndian); },
         bad + "LIMITI INVERTITI O COINCIDENTI NELLA SOTTOGRIGLIA FIGLIO"},
        {"W_LONG = E_LONG",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 7), -43200, f.bigEndian); },
         bad + "LIMITI INVERTITI O COINCIDENTI NELLA SOTTOGRIGLIA FIGLIO"},
        {"S_LAT NaN",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 4), nan, f.bigEndian); },
         bad + "LIMITI O PASSI NON NUMERICI NELLA SOTTOGRIGLIA FIGLIO"},
        {"E_LONG infinite",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 6), -inf, f.bigEndian); },
         bad + "LIMITI O PASSI NON NUMERICI NELLA SOTTOGRIGLIA FIGLIO"},
        {"LAT_INC tiny",
         [&](std::string& b, const Ntv2File& f) { PutNtv2Double(b, child(f, 8), 1e-300, f.bigEndian); },
         bad + "TROPPI NODI NELLA SOTTOGRIGLIA FIGLIO"},
        // Two thousand million nodes declared consistently: refused for want
        // of bytes before 16 GB are asked for.
        {"GS_COUNT matching huge limits",
         [&](std::string& b, const Ntv2File& f) {
             PutNtv2Double(b, child(f, 5), 144000 + 1800.0 * 999999, f.bigEndian);
             PutNtv2Double(b, child(f, 7), -43200 + 1800.0 * 1999, f.bigEndian);
             PutNtv2Int(b, child(f, 10), 2000000000, f.bigEndian);
         },
         bad + "FILE TRONCATO NELLA SOTTOGRIGLIA FIGLIO"},
        {"latitude shift NaN",
         [](std::string& b, const Ntv2File& f) { PutNtv2Float(b, f.nodeOffset(1, 2, 1), NAN, f.bigEndian); },
         bad + "SPOSTAMENTO NON NUMERICO NEL NODO 8 NELLA SOTTOGRIGLIA FIGLIO"},
        {"longitude shift infinite",
         [](std::string& b, const Ntv2File& f) {
             PutNtv2Float(b, f.nodeOffset(0, 0, 0) + 4, INFINITY, f.bigEndian);
         },
         bad + "SPOSTAMENTO NON NUMERICO NEL NODO 1 NELLA SOTTOGRIGLIA PADRE"},
        {"parent missing", [&](std::string& b, const Ntv2File& f) { PutNtv2Text(b, child(f, 1), "MADRE"); },
         bad + "SOTTOGRIGLIA MADRE MADRE INESISTENTE NELLA SOTTOGRIGLIA FIGLIO"},
        {"parent itself", [&](std::string& b, const Ntv2File& f) { PutNtv2Text(b, child(f, 1), "FIGLIO"); },
         bad + "PARENTELA CIRCOLARE NELLA SOTTOGRIGLIA FIGLIO"},
        {"parents in a circle", [&](std::string& b, const Ntv2File&) { PutNtv2Text(b, 16 * 12, "FIGLIO"); },
         bad + "PARENTELA CIRCOLARE NELLA SOTTOGRIGLIA PADRE"},
        {"parent ambiguous", [&](std::string& b, const Ntv2File& f) { PutNtv2Text(b, child(f, 0), "PADRE"); },
         bad + "PIÙ SOTTOGRIGLIE DI NOME PADRE, MADRE AMBIGUA NELLA SOTTOGRIGLIA PADRE"},
        {"END damaged", [](std::string& b, const Ntv2File&) { b.replace(b.size() - 16, 8, "FINE    "); },
         bad + "DATI NON RICONOSCIUTI DOPO L'ULTIMA SOTTOGRIGLIA"},
    };
    for (bool big : {false, true}) {
        Ntv2File f = Pair();
        f.bigEndian = big;
        const std::string whole = f.bytes();
        Read(whole);
        for (const Damage& d : damages) {
            std::string bytes = whole;
            d.apply(bytes, f);
            std::string error;
            EXPECT_FALSE(ReadNtv2(bytes, error)) << d.what;
            EXPECT_EQ(error, d.message) << d.what << (big ? " (big-endian)" : "");
        }
    }
}

TEST(Ntv2Grid, CutFilesAreRefusedAtEveryLength) {
    for (bool big : {false, true}) {
        Ntv2File f = Pair();
        f.bigEndian = big;
        const std::string whole = f.bytes();
        const Ntv2Grid complete = Read(whole);
        for (std::size_t n = 0; n < whole.size(); ++n) {
            std::string error;
            const std::optional<Ntv2Grid> g = ReadNtv2(whole.substr(0, n), error);
            // The file without its END record holds every node: it is whole.
            if (n == whole.size() - 16) {
                ASSERT_TRUE(g) << error;
                ExpectSameGrid(*g, complete);
                continue;
            }
            EXPECT_FALSE(g) << n;
            EXPECT_FALSE(error.empty()) << n;
        }
        // Bytes after the END record (padding of some writers) are let be.
        ExpectSameGrid(Read(whole + std::string(100, '\0')), complete);
    }
}

} // namespace
