// The NTv2 reader with any bytes: a refused file gives a message and nothing
// else; an accepted one has whole subgrids with finite shifts, and carrying
// points through it, either way, never reads outside them nor gives a point
// that is not finite or a subgrid that does not hold it.
#include "datum/Ntv2Grid.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace tervano;

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

bool Holds(const Ntv2Subgrid& g, double lat, double lon) {
    const double y = lat * 3600, x = -lon * 3600;
    const double e = 1e-5; // a little more than the reader's edge tolerance, for rounding
    return y >= g.south - e && y <= g.north + e && x >= g.east - e && x <= g.west + e;
}

void Check(const Ntv2Grid& grid, const std::optional<Ntv2Point>& p, const char* direction) {
    if (!p)
        return;
    if (!std::isfinite(p->latitude) || !std::isfinite(p->longitude))
        Fail("a point not finite", direction);
    if (p->subgrid < 0 || static_cast<std::size_t>(p->subgrid) >= grid.subgrids.size())
        Fail("a subgrid out of range", direction);
}

void Carry(const Ntv2Grid& grid, double lat, double lon) {
    const std::optional<Ntv2Point> there = Ntv2Forward(grid, lat, lon);
    Check(grid, there, "forward");
    if (there && !Holds(grid.subgrids[static_cast<std::size_t>(there->subgrid)], lat, lon))
        Fail("forward through a subgrid that does not hold the point", grid.subgrids[0].name);
    const std::optional<Ntv2Point> back = Ntv2Inverse(grid, lat, lon);
    Check(grid, back, "inverse");
    if (back &&
        !Holds(grid.subgrids[static_cast<std::size_t>(back->subgrid)], back->latitude, back->longitude))
        Fail("inverse through a subgrid that does not hold the point", grid.subgrids[0].name);
    if (there)
        Check(grid, Ntv2Inverse(grid, there->latitude, there->longitude), "round trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error = "NOT SET";
    const std::optional<Ntv2Grid> grid = ReadNtv2(bytes, error);
    if (!grid) {
        if (error.empty() || error == "NOT SET")
            Fail("refused without a message", error);
        if (error.rfind("GRIGLIATO NTv2 NON VALIDO: ", 0) != 0 && error != "IL FILE NON È UN GRIGLIATO NTv2")
            Fail("a message of another kind", error);
        return 0;
    }
    if (!error.empty())
        Fail("accepted with a message", error);
    if (grid->subgrids.empty())
        Fail("accepted without subgrids", "");
    for (const Ntv2Subgrid& g : grid->subgrids) {
        const auto nodes = static_cast<std::size_t>(g.rows) * static_cast<std::size_t>(g.columns);
        if (g.rows < 2 || g.columns < 2 || g.latitudeShift.size() != nodes ||
            g.longitudeShift.size() != nodes)
            Fail("a subgrid not whole", g.name);
        if (!(g.latitudeStep > 0) || !(g.longitudeStep > 0) || !(g.north > g.south) || !(g.west > g.east))
            Fail("limits or steps not usable", g.name);
        for (std::size_t i = 0; i < nodes; ++i)
            if (!std::isfinite(g.latitudeShift[i]) || !std::isfinite(g.longitudeShift[i]))
                Fail("a shift not finite", g.name);
    }
    // The corners and the centre of the first subgrids, and points from the
    // last bytes of the input, that the fuzzer steers.
    for (std::size_t k = 0; k < grid->subgrids.size() && k < 4; ++k) {
        const Ntv2Subgrid& g = grid->subgrids[k];
        for (double y : {g.south, g.north, (g.south + g.north) / 2})
            for (double x : {g.east, g.west, (g.east + g.west) / 2})
                Carry(*grid, y / 3600, -x / 3600);
    }
    for (std::size_t at = size >= 64 ? size - 64 : 0; at + 16 <= size; at += 16) {
        double lat, lon;
        std::memcpy(&lat, data + at, 8);
        std::memcpy(&lon, data + at + 8, 8);
        Carry(*grid, lat, lon);
    }
    return 0;
}
