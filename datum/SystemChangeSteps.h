#pragma once

#include "datum/SystemChange.h"

#include <optional>

// The steps of a change of system that do not depend on what carries the
// point (the common-point table or an NTv2 grid): the checks of the typed
// point in their order, its zone, the zone of the result, and the refusal of
// a result outside its zone.
namespace tervano {

// A typed geographic point that passed the checks.
struct GeographicStart {
    double lambda = 0.0; // longitude; for ROMA40 from Monte Mario whatever the origin typed
    int sourceZone = 0;  // ZoneCode of the point, the auxiliary zone from 18° E for ROMA40
};

// The checks of a geographic point, in order: the refusal of the first that
// fails, or nothing with `start` filled.
std::optional<ChangeOutcome> StartGeographic(const GeographicChangeInput& in, GeographicStart& start);

// A typed plane point that passed the checks.
struct PlanePointStart {
    int typedZone = 0;        // the zone of the point as typed
    int sourceZone = 0;       // the zone it is carried from: a Gauss-Boaga Est point east of 18° E goes
                              // on into the auxiliary zone
    double latitude = 0.0;    // radians
    double deltaLambda = 0.0; // degrees from the meridian of typedZone
    double north = 0.0;       // metres in sourceZone, false east included
    double east = 0.0;
};

// The checks of a plane point, in order (those of the zone's East range after
// the zone is known): the refusal of the first that fails, or nothing with
// `start` filled.
std::optional<ChangeOutcome> StartPlane(const PlaneChangeInput& in, PlanePointStart& start);

// The zone paired with a source zone in the target system: a UTM zone and the
// Gauss-Boaga zone on its meridian (the auxiliary zone for UTM 34).
int PairedTargetZone(int sourceZone, int targetSystem);

// `out` turned into the refusal of a result that is not a number inside its zone.
ChangeOutcome ResultRefused(ChangeOutcome out);

} // namespace tervano
