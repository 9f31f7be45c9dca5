#pragma once

#include "geodesy/InputCheck.h"

#include <array>

// What the geographic <-> geocentric cartesian windows compute: range checks,
// the choice of the meridian the X axis passes through, and the conversions.
namespace tervano {

// AxisChoice: the XZ plane of the ROMA40 cartesian system.
enum AxisChoices : int { AxisMonteMario = 1, AxisGreenwich = 2 };

// True when the X axis lies on the Greenwich meridian while the window's
// longitudes count from Monte Mario, so that longitudes shift by Monte Mario's
// longitude on the way to and from the cartesian axes. With Greenwich
// longitudes the typed value already counts from the axis and nothing shifts.
bool ShiftsToGreenwichAxis(int systemCode, int axisChoice, int longitudeOrigin);

// Description of the reference system as the cartesian windows show it.
const std::array<const char*, 7>& CartesianSystemDescription(int systemCode);

// "Coord. Cartesiane Ellissocentriche ROMA40", ... by system.
const char* CartesianFrameCaption(int systemCode);

// Geographic to cartesian.
enum GeographicInputs : int { InputLatitude = 1, InputLongitude = 2, InputHeight = 3 };

// Latitude in [-90, 90], longitude in [-180, 180] (decimal degrees), height in
// [-10 000, 10 000] m, tested in that order.
// A value that did not fit a double (valid false) is refused like one out of range.
InputCheck CheckGeographicInput(double latitude, double longitude, double height, bool latitudeValid = true,
                                bool longitudeValid = true, bool heightValid = true);

struct GeographicToCartesianOutcome {
    bool greenwichShown;       // the longitude from Greenwich is shown beside the result
    double greenwichLongitude; // degrees in (-180, 180], meaningful when shown
    double CartX, CartY, CartZ;
};

// latitude and longitude in decimal degrees as the window holds them.
GeographicToCartesianOutcome ConvertGeographicToCartesian(double latitude, double longitude, double height,
                                                          int systemCode, int axisChoice,
                                                          int longitudeOrigin);

// Cartesian to geographic.
enum CartesianInputs : int { InputX = 1, InputY = 2, InputZ = 3 };

// X, Y, Z each in [-6 400 000, 6 400 000] m, tested in that order.
InputCheck CheckCartesianInput(double x, double y, double z, bool xValid = true, bool yValid = true,
                               bool zValid = true);

struct CartesianToGeographicOutcome {
    bool ok;                   // false for a point on the polar axis: refusal below
    InputCheck refusal;        // its message when !ok
    double latitude;           // degrees
    double longitude;          // degrees in the window's convention, in (-180, 180]
    double height;             // metres
    bool greenwichShown;       // the longitude from Greenwich is shown beside the result
    double greenwichLongitude; // degrees in (-180, 180]
};

CartesianToGeographicOutcome ConvertCartesianToGeographic(double x, double y, double z, int systemCode,
                                                          int axisChoice, int longitudeOrigin);

// A longitude brought into (-180, 180].
double NormalizedLongitude(double degrees);

} // namespace tervano
