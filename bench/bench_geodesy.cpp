// Time per call of the projection and geocentric operations, next to PROJ and
// GeographicLib on the same points. Prints a summary of our ns/call and the
// ratio of each library's time to ours (above 1: we are faster).
#include "geodesy/Angles.h"
#include "geodesy/Cartesian.h"
#include "geodesy/Gauss.h"
#include "geodesy/ReferenceSystems.h"

#include <benchmark/benchmark.h>

#ifdef TERVANO_HAVE_PROJ
#include <proj.h>
#endif
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#endif

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace tervano;

namespace {

struct Point {
    double phi, dl;     // radians
    double north, east; // plane coordinates from the central meridian
    double lambda, h;   // radians, metres
    double x, y, z;     // geocentric
};

constexpr size_t PointCount = 256; // a power of two
constexpr int System = ROMA40;

const std::vector<Point>& Points() {
    static const std::vector<Point> points = [] {
        std::vector<Point> v;
        unsigned seed = 12345;
        auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return static_cast<double>((seed >> 8) & 0xFFFF) / 65535.0;
        };
        for (size_t i = 0; i < PointCount; ++i) {
            Point p{};
            p.phi = DegreesToRadians(36.0 + 11.0 * next());
            p.dl = DegreesToRadians(-3.0 + 6.0 * next());
            const GaussForwardResult g = GaussForward(p.phi, p.dl, System, ScaleFactorUTM);
            p.north = g.ProjNorth;
            p.east = g.ProjEast;
            p.lambda = DegreesToRadians(6.0 + 13.0 * next());
            p.h = -100.0 + 3000.0 * next();
            const CartesianResult c = GeographicToCartesian(p.phi, p.lambda, p.h, System);
            p.x = c.CartX;
            p.y = c.CartY;
            p.z = c.CartZ;
            v.push_back(p);
        }
        return v;
    }();
    return points;
}

void BM_GaussForward(benchmark::State& state) {
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        benchmark::DoNotOptimize(GaussForward(p.phi, p.dl, System, ScaleFactorUTM));
    }
}
BENCHMARK(BM_GaussForward);

void BM_GaussInverse(benchmark::State& state) {
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        benchmark::DoNotOptimize(GaussInverse(p.north, p.east, System, ScaleFactorUTM));
    }
}
BENCHMARK(BM_GaussInverse);

// The inverse every window uses: the series refined on the forward series.
// Inside Italy one forward evaluation confirms the series result.
void BM_GaussInverseRefined(benchmark::State& state) {
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        benchmark::DoNotOptimize(GaussInverseRefined(p.north, p.east, System, ScaleFactorUTM));
    }
}
BENCHMARK(BM_GaussInverseRefined);

// Far north in the UTM plane range (North 8 000 000 to 9 000 000, East up to
// 500 000 from the meridian), where the refinement takes Newton steps.
const std::vector<Point>& FarPoints() {
    static const std::vector<Point> points = [] {
        std::vector<Point> v;
        unsigned seed = 54321;
        auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return static_cast<double>((seed >> 8) & 0xFFFF) / 65535.0;
        };
        for (size_t i = 0; i < PointCount; ++i) {
            Point p{};
            p.north = 8000000.0 + 1000000.0 * next();
            p.east = -450000.0 + 950000.0 * next();
            v.push_back(p);
        }
        return v;
    }();
    return points;
}

void BM_GaussInverseRefinedFarNorth(benchmark::State& state) {
    const auto& pts = FarPoints();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        benchmark::DoNotOptimize(GaussInverseRefined(p.north, p.east, System, ScaleFactorUTM));
    }
}
BENCHMARK(BM_GaussInverseRefinedFarNorth);

void BM_GeographicToCartesian(benchmark::State& state) {
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        benchmark::DoNotOptimize(GeographicToCartesian(p.phi, p.lambda, p.h, System));
    }
}
BENCHMARK(BM_GeographicToCartesian);

void BM_CartesianToGeographic(benchmark::State& state) {
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        benchmark::DoNotOptimize(CartesianToGeographic(p.x, p.y, p.z, System));
    }
}
BENCHMARK(BM_CartesianToGeographic);

#ifdef TERVANO_HAVE_PROJ
struct ProjOp {
    PJ_CONTEXT* ctx = nullptr;
    PJ* pj = nullptr;
    explicit ProjOp(const char* def) {
        ctx = proj_context_create();
        pj = proj_create(ctx, def);
    }
    ~ProjOp() {
        proj_destroy(pj);
        proj_context_destroy(ctx);
    }
};

const char* const TmercDef =
    "+proj=tmerc +lat_0=0 +lon_0=0 +k_0=0.9996 +x_0=0 +y_0=0 +a=6378388 +rf=297 +units=m";
const char* const CartDef = "+proj=cart +a=6378388 +rf=297";

// One PROJ operation in one direction over the shared points; `coord` picks
// the point's input coordinates.
template <class Coord>
void RunProj(benchmark::State& state, const char* definition, PJ_DIRECTION direction, Coord coord) {
    ProjOp op(definition);
    if (!op.pj) {
        state.SkipWithError("proj_create failed");
        return;
    }
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        benchmark::DoNotOptimize(proj_trans(op.pj, direction, coord(p)));
    }
}

void BM_Proj_TmercForward(benchmark::State& state) {
    RunProj(state, TmercDef, PJ_FWD, [](const Point& p) { return proj_coord(p.dl, p.phi, 0, 0); });
}
BENCHMARK(BM_Proj_TmercForward);

void BM_Proj_TmercInverse(benchmark::State& state) {
    RunProj(state, TmercDef, PJ_INV, [](const Point& p) { return proj_coord(p.east, p.north, 0, 0); });
}
BENCHMARK(BM_Proj_TmercInverse);

void BM_Proj_CartForward(benchmark::State& state) {
    RunProj(state, CartDef, PJ_FWD, [](const Point& p) { return proj_coord(p.lambda, p.phi, p.h, 0); });
}
BENCHMARK(BM_Proj_CartForward);

void BM_Proj_CartInverse(benchmark::State& state) {
    RunProj(state, CartDef, PJ_INV, [](const Point& p) { return proj_coord(p.x, p.y, p.z, 0); });
}
BENCHMARK(BM_Proj_CartInverse);
#endif

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
void BM_GeographicLib_TMForward(benchmark::State& state) {
    const Ellipsoid e = EllipsoidFor(System);
    const GeographicLib::TransverseMercator tm(e.a, e.f(), ScaleFactorUTM);
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        double x = 0.0;
        double y = 0.0;
        tm.Forward(0.0, RadiansToDegrees(p.phi), RadiansToDegrees(p.dl), x, y);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
    }
}
BENCHMARK(BM_GeographicLib_TMForward);

void BM_GeographicLib_TMInverse(benchmark::State& state) {
    const Ellipsoid e = EllipsoidFor(System);
    const GeographicLib::TransverseMercator tm(e.a, e.f(), ScaleFactorUTM);
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        double lat = 0.0;
        double lon = 0.0;
        tm.Reverse(0.0, p.east, p.north, lat, lon);
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(lon);
    }
}
BENCHMARK(BM_GeographicLib_TMInverse);

void BM_GeographicLib_GeocentricForward(benchmark::State& state) {
    const Ellipsoid e = EllipsoidFor(System);
    const GeographicLib::Geocentric geo(e.a, e.f());
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
        geo.Forward(RadiansToDegrees(p.phi), RadiansToDegrees(p.lambda), p.h, x, y, z);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(z);
    }
}
BENCHMARK(BM_GeographicLib_GeocentricForward);

void BM_GeographicLib_GeocentricInverse(benchmark::State& state) {
    const Ellipsoid e = EllipsoidFor(System);
    const GeographicLib::Geocentric geo(e.a, e.f());
    const auto& pts = Points();
    size_t i = 0;
    for (auto _ : state) {
        const Point& p = pts[i++ & (PointCount - 1)];
        double lat = 0.0;
        double lon = 0.0;
        double h = 0.0;
        geo.Reverse(p.x, p.y, p.z, lat, lon, h);
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(lon);
        benchmark::DoNotOptimize(h);
    }
}
BENCHMARK(BM_GeographicLib_GeocentricInverse);
#endif

// Console output as usual, plus the times kept for the closing summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nsPerCall;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.error_occurred)
                continue;
            else if (r.run_type == Run::RT_Iteration)
                nsPerCall.try_emplace(
                    r.run_name.function_name,
                    r.GetAdjustedCPUTime()); // CPU ns, steadier than wall time on a shared machine
            else if (r.aggregate_name == "median")
                nsPerCall[r.run_name.function_name] = r.GetAdjustedCPUTime();
    }
};

void PrintSummary(const std::map<std::string, double>& t) {
    auto get = [&t](const char* name) {
        if (name == nullptr)
            return -1.0;
        const auto it = t.find(name);
        return it == t.end() ? -1.0 : it->second;
    };
    struct Row {
        const char* ours;
        const char* proj;
        const char* geographiclib;
    };
    const Row rows[] = {
        {"BM_GaussForward", "BM_Proj_TmercForward", "BM_GeographicLib_TMForward"},
        {"BM_GaussInverse", "BM_Proj_TmercInverse", "BM_GeographicLib_TMInverse"},
        {"BM_GaussInverseRefined", "BM_Proj_TmercInverse", "BM_GeographicLib_TMInverse"},
        {"BM_GaussInverseRefinedFarNorth", nullptr, nullptr},
        {"BM_GeographicToCartesian", "BM_Proj_CartForward", "BM_GeographicLib_GeocentricForward"},
        {"BM_CartesianToGeographic", "BM_Proj_CartInverse", "BM_GeographicLib_GeocentricInverse"},
    };
    std::printf("\n%-30s %10s %14s %20s\n", "operation", "ns/call", "PROJ/ours", "GeographicLib/ours");
    for (const Row& r : rows) {
        const double ours = get(r.ours);
        const double proj = get(r.proj);
        const double glib = get(r.geographiclib);
        std::printf("%-30s %10.1f", r.ours + 3, ours);
        if (proj > 0 && ours > 0)
            std::printf(" %14.2f", proj / ours);
        else
            std::printf(" %14s", "-");
        if (glib > 0 && ours > 0)
            std::printf(" %20.2f\n", glib / ours);
        else
            std::printf(" %20s\n", "-");
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintSummary(reporter.nsPerCall);
    return 0;
}
