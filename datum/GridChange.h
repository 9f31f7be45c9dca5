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
// the outcome's `subgrid` names the subgrid used. FoundRow stays 0.
ChangeOutcome ChangeGeographicByGrid(const GridMethod& m, const GeographicChangeInput& in);
ChangeOutcome ChangePlaneByGrid(const GridMethod& m, const PlaneChangeInput& in);

// "PUNTO NON CALCOLABILE:" for a point outside the grid.
std::string GridOutsideText();

} // namespace tervano
