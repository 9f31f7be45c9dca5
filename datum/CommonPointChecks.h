#pragma once

#include "datum/CommonPointTable.h"

#include <array>
#include <string>

// Plausibility of the common-point table and of a change of system's result.
namespace tervano {

struct PlaneBand {
    double eastLow, eastHigh;   // false east included
    double northLow, northHigh; // from the equator
};

// Plane coordinates of the national territory in a zone (ZoneCode 1..6).
PlaneBand TerritoryBand(int zoneCode);

// Plane coordinates a change of system may give in a zone: what the program
// accepts as a plane point of that system, with room for the datum shift.
PlaneBand ResultBand(int zoneCode);

bool InsideBand(const PlaneBand& band, double east, double north);

// ZoneCode of a table column (0..17).
int ColumnZone(int column);

// A loaded row: every value inside the band of its zone, and every pair of
// the row describing one place. Returns the fault in Italian capitals naming
// the column, empty when the row is sound.
std::string CheckCommonPointRow(const std::array<double, CommonPointColumns>& cells, int row);

} // namespace tervano
