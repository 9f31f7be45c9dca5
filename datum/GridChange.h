#pragma once

#include "datum/Ntv2Grid.h"
#include "datum/SystemChange.h"
#include "geodesy/ReferenceSystems.h"

#include <optional>
#include <string>

// Carrying one point between ROMA40 or ED50 and WGS84 through the user's
// NTv2 grid instead of the common-point table, in geographic or plane
// coordinates. The grid's source is taken as ROMA40 or ED50 and its target
// as WGS84; a plane point goes through the same zones as with the table.
namespace tervano {

struct GridMethod {
    const Ntv2Grid* grid = nullptr;
    System gridSource = System::ROMA40; // ROMA40 or ED50; the target is WGS84
};

// The system a grid's header names as its source, when the name tells it
// (ROMA40, Monte Mario; ED50); nothing when the user must choose.
std::optional<System> GridSourceFromHeader(const Ntv2Grid& grid);

// Whether the grid carries points between the two systems, either way.
bool GridJoins(const GridMethod& m, System a, System b);

// As ChangeGeographic and ChangePlane, with the same checks and messages;
// a point outside every subgrid is NotComputable with GridOutsideText(), and
// the outcome's `subgrid` names the subgrid used. FoundRow stays 0. Before
// any check of the point, no grid (GridMissingText()) or a grid that does not
// join the two systems (GridNotJoiningText()) is Refused with no field to
// correct: the table never stands in for the grid.
//
// Geographic: ROMA40 longitudes (from Monte Mario, or from Greenwich with
// LongitudeOrigin 2) are taken from Greenwich for the grid and the result
// comes back in the caller's origin. Plane: the zones are those of the table
// method; the point goes to geographic in its source zone, through the grid,
// and is projected in the target zone (a UTM 34 point going to ROMA40 in
// Gauss-Boaga Est).
ChangeOutcome ChangeGeographicByGrid(const GridMethod& m, const GeographicChangeInput& in);
ChangeOutcome ChangePlaneByGrid(const GridMethod& m, const PlaneChangeInput& in);

// "PUNTO NON CALCOLABILE:" for a point outside the grid.
std::string GridOutsideText();
// "NESSUN GRIGLIATO NTv2 SCELTO:" when the grid method has no grid.
std::string GridMissingText();
// "GRIGLIATO NTv2 NON UTILIZZABILE:", naming the two systems the grid joins.
std::string GridNotJoiningText(System gridSource);

} // namespace tervano
