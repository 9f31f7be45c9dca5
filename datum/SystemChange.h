#pragma once

#include "datum/CommonPointTable.h"

#include <string>

// Carrying one point from one reference system to another (ROMA40, ED50,
// WGS84) by the shift of the nearest common point, in geographic or plane
// coordinates.
namespace tervano {

enum class ChangeStatus {
    Done,          // the result fields hold the converted point
    Refused,       // a value is out of range: show `message`, focus `focus`
    NotComputable, // no common point near enough: show `message`
    OutOfRange,    // the result is not a number inside its zone's range: show `message`, no result
    InternalError, // a column pair that does not exist: the program must stop
};

// The input field a refusal sends the focus to.
enum class ChangeField { None, Latitude, Longitude, North, East, Zone };

struct ChangeOutcome {
    ChangeStatus status = ChangeStatus::Done;
    std::string message; // lines joined by "\r"
    ChangeField focus = ChangeField::None;
    bool poorReliability = false; // show PoorReliabilityText() before the result
    int internalErrorCode = 0;

    int SourceZone = 0;       // ZoneCode
    int TargetZone = 0;       // ZoneCode
    int ResultZoneNumber = 0; // 32, 33 or 34 in plane mode to a UTM system; 0 otherwise
    int FoundRow = 0;
    double FoundDistance = 0.0; // metres from the point to FoundRow, in the source pair's zone
    int subgrid = -1;           // through a grid: the index of the subgrid that gave the shift

    // Geographic mode: decimal degrees; a ROMA40 longitude in the caller's origin.
    double latitude = 0.0;
    double longitude = 0.0;
    // Plane mode: metres, East with the false east of its zone; unrounded.
    double north = 0.0;
    double east = 0.0;
};

struct GeographicChangeInput {
    int SourceSystem = 1; // SystemCode
    int TargetSystem = 2;
    int LongitudeOrigin = 1; // 1 Monte Mario, 2 Greenwich (ROMA40 longitudes)
    double latitude = 0.0;   // decimal degrees
    double longitude = 0.0;
};

struct PlaneChangeInput {
    int SourceSystem = 1;
    int TargetSystem = 2;
    double north = 0.0;
    double east = 0.0;  // false east included
    int zoneNumber = 0; // 32, 33 or 34 for UTM; ignored for ROMA40
};

ChangeOutcome ChangeGeographic(const CommonPointTable& table, const GeographicChangeInput& in);
ChangeOutcome ChangePlane(const CommonPointTable& table, const PlaneChangeInput& in);

// The change of system's text for "no common point near enough".
std::string NotComputableText();
// The text for a result that is not a number inside the range of its zone.
std::string ResultOutOfRangeText();

} // namespace tervano
