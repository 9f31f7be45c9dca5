#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An NTv2 grid of latitude and longitude shifts (the binary format of the
// Canadian NTv2 and of the grids published for Italian regions), read whole
// into memory, and the shift of a point through it.
//
//   std::string error;
//   std::optional<Ntv2Grid> g = LoadNtv2("roma40.gsb", error); // nothing: `error` says why
//   if (auto p = Ntv2Forward(*g, 44.5, 11.3)) ... p->latitude, p->longitude, g->subgrids[p->subgrid].name
namespace tervano {

struct Ntv2Subgrid {
    std::string name;   // SUB_NAME, blanks at the end removed
    std::string parent; // PARENT, "NONE" for a grid of the top level
    // Limits and steps in seconds of arc; longitudes positive WEST, as in the file.
    double south = 0, north = 0, east = 0, west = 0;
    double latitudeStep = 0, longitudeStep = 0;
    int rows = 0;    // nodes from south to north
    int columns = 0; // nodes from east to west
    // Shifts of the nodes in seconds of arc, the longitude shift positive west,
    // node (row r, column c) at index r * columns + c: row 0 is the south
    // edge, column 0 the east edge, as the file stores them.
    std::vector<float> latitudeShift, longitudeShift;
};

struct Ntv2Grid {
    std::string sourceName, targetName; // SYSTEM_F and SYSTEM_T, blanks at the end removed
    double sourceMajorAxis = 0, sourceMinorAxis = 0, targetMajorAxis = 0, targetMinorAxis = 0;
    std::vector<Ntv2Subgrid> subgrids; // in the order of the file
};

// Reads a whole NTv2 file held in memory, in either byte order. Nothing, and
// an Italian message naming the problem, when the file is damaged, truncated,
// of another layout, or holds shifts that are not finite: never a part of it.
// The messages start "GRIGLIATO NTv2 NON VALIDO: " and name the subgrid where
// one is at fault; a file of another kind is "IL FILE NON È UN GRIGLIATO NTv2".
// The END record may be missing when the file ends right after the last node.
std::optional<Ntv2Grid> ReadNtv2(std::string_view bytes, std::string& error);
// The same from a file; a file that cannot be read is refused likewise.
std::optional<Ntv2Grid> LoadNtv2(const std::string& path, std::string& error);

// A point carried through the grid: decimal degrees, longitude positive east.
struct Ntv2Point {
    double latitude = 0;
    double longitude = 0;
    int subgrid = -1; // index in Ntv2Grid::subgrids of the finest grid holding the point
};

// From the grid's source system to its target, by bilinear interpolation of
// the shifts in the finest subgrid holding the point: the first grid of the
// top level (PARENT "NONE") holding it, then its first child holding it, and
// so on down. Edges are included, to 1e-6 seconds of arc. Nothing when no
// subgrid holds the point.
std::optional<Ntv2Point> Ntv2Forward(const Ntv2Grid& grid, double latitude, double longitude);
// From the grid's target system back to its source, by iteration of the
// forward shift until it converges within 1e-9 degrees. Nothing when the
// point falls outside every subgrid or the iteration does not converge.
std::optional<Ntv2Point> Ntv2Inverse(const Ntv2Grid& grid, double latitude, double longitude);

} // namespace tervano
