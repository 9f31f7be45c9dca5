#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The three land masses whose Monte Mario sets the common-point table uses
// (mainland, Sardinia, Sicily), each with the small islands given to it (the
// land mass nearest to the island's centroid), and which of them a point
// belongs to: the one it lies on, else the one with the nearest coast. The
// table's generator and the program share this rule, so a typed point is
// carried only by rows made with its own set.
namespace tervano {

struct CommonPointTable;

struct LonLat {
    double lon; // degrees east of Greenwich
    double lat; // degrees
};
using Ring = std::vector<LonLat>;
using Polygon = std::vector<Ring>; // outer ring first, then holes

// Even-odd rule over every ring of the polygons given.
bool InsidePolygons(const std::vector<const Polygon*>& polygons, LonLat q);

// Distance in metres from q to the polygons, 0 when q lies inside: the
// boundary is mapped onto the tangent plane at q with the Hayford radii of
// curvature of q's latitude, ample for distances of a few tens of kilometres.
double DistanceToPolygons(const std::vector<const Polygon*>& polygons, LonLat q);

enum LandMass : int { Mainland = 0, Sardinia = 1, Sicily = 2 };
inline constexpr int LandMassCount = 3;

struct LandMassOutline {
    // Per land mass: its own polygon first, then the small islands given to it.
    std::array<std::vector<Polygon>, LandMassCount> masses;
};

// The land mass of q: the one whose polygon or island q lies on, else the one
// with the nearest polygon or island; the first wins a tie.
int NearestLandMass(const LandMassOutline& outline, LonLat q);

// The outline file: lines "mass<TAB>polygon<TAB>ring<TAB>longitude<TAB>latitude",
// mass 1 mainland, 2 Sardinia, 3 Sicily, polygon 1 the land mass and 2.. its
// islands, ring 1 the outer ring and 2.. its holes, degrees with five
// decimals; empty lines and lines beginning with "#" are ignored. Returns the
// fault in Italian capitals, empty when sound.
std::string ParseLandMasses(std::string_view text, LandMassOutline& outline);
std::string WriteLandMasses(const LandMassOutline& outline);

// The outline file read by the program: land_masses.tsv beside the table.
std::string LandMassPathFor(const std::string& tablePath);

// Reads the outline at `path` and gives the table its rows' land masses (each
// row's ED50 position by the same rule); returns the fault, empty when sound.
std::string AttachLandMasses(const std::string& path, CommonPointTable& table);
// The same from the outline file's text.
std::string AssignLandMasses(std::string_view outlineText, CommonPointTable& table);

} // namespace tervano
