#pragma once

#include "geodesy/InputCheck.h"
#include "geodesy/ReferenceSystems.h"

#include <string>
#include <string_view>
#include <vector>

// A single Gauss zone whose central meridian, false East and scale factor the
// user chooses: parameters, range checks and the projection both ways.
namespace tervano {

// MeridianChoice: 1 the default meridian for Italy, 2 a meridian typed by the user.
// ScaleChoice: 1 the usual factor 0.9996, 2 a factor typed by the user.
enum SingleZoneChoices : int { DefaultChoice = 1, TypedChoice = 2 };

// The default zone lies on 12° E of Greenwich (the Monte Mario meridian, 0,
// for ROMA40 longitudes from Monte Mario), between the two national zones.
inline constexpr double SingleZoneDefaultMeridian = 12.0;
inline constexpr double SingleZoneDefaultFalseEast = 1000000.0;
inline constexpr double SingleZoneDefaultScale = ScaleFactorUTM;
inline constexpr double SingleZoneScaleMin = 0.000001;
inline constexpr double SingleZoneScaleMax = 10.0;
// A typed false East beyond this many metres either way is refused.
inline constexpr double SingleZoneFalseEastLimit = 10000000.0;

// The default central meridian, in the window's longitude convention: the
// Monte Mario meridian (0) for ROMA40 with Monte Mario longitudes, 12° east of
// Greenwich otherwise.
double DefaultCentralMeridian(int systemCode, int longitudeOrigin);

struct SingleZoneSettings {
    int systemCode = 1;
    int longitudeOrigin = 1;
    int MeridianChoice = DefaultChoice;
    double typedMeridian = 0;  // decimal degrees
    double typedFalseEast = 0; // metres
    int ScaleChoice = DefaultChoice;
    double typedScale = 0;
    // False when the typed number did not fit a double: refused by the checks.
    bool typedMeridianValid = true;
    bool typedFalseEastValid = true;
    bool typedScaleValid = true;
};

struct SingleZoneParameters {
    double centralMeridian; // decimal degrees
    double falseEast;       // metres
    double ScaleFactor;
};

SingleZoneParameters ResolveParameters(const SingleZoneSettings& s);

// Inputs of the two directions, numbered for the focus after a refusal.
enum SingleZoneInputs : int {
    InputScaleFactor = 1,
    InputZoneLatitude,
    InputZoneLongitude,
    InputCentralMeridian,
    InputZoneNorth,
    InputZoneEast,
    InputFalseEast
};

// Geographic to plane: scale factor (when typed), false East (when typed),
// latitude, longitude, central meridian (when typed), in that order.
InputCheck CheckSingleZoneGeographic(const SingleZoneSettings& s, double latitude, double longitude,
                                     bool latitudeValid = true, bool longitudeValid = true);
// Plane to geographic: scale factor (when typed), false East (when typed),
// North, East, central meridian (when typed). East counts the false East.
// Then the point itself: refused, on North when its latitude and on East when
// its longitude falls outside what the geographic direction accepts (or no
// point projects there).
InputCheck CheckSingleZonePlane(const SingleZoneSettings& s, double north, double east,
                                bool northValid = true, bool eastValid = true);

struct SingleZonePlane {
    double North;
    double East; // with the false East
};
SingleZonePlane SingleZoneForward(const SingleZoneParameters& p, int systemCode, double latitude,
                                  double longitude);

struct SingleZoneGeographic {
    double latitude;  // decimal degrees
    double longitude; // decimal degrees, in the convention of the central meridian
};
SingleZoneGeographic SingleZoneInverse(const SingleZoneParameters& p, int systemCode, double north,
                                       double east);

// Texts of the window's labels.
// The default meridian (in the notation angleUnit) and false East, shown
// with MeridianChoice 1.
std::string DefaultParametersText(int systemCode, int longitudeOrigin, int angleUnit);
// The central meridian as the zone description shows it: the default as
// whole degrees, a typed meridian in degrees, minutes and hundredths of seconds.
std::string MeridianDescriptionText(const SingleZoneSettings& s, std::string_view decimalSeparator = ".");
// A scale factor as plain decimal text ("0.9996", "0.000001").
std::string PlainDecimalText(double value, std::string_view decimalSeparator = ".");

// The zone description: the system's lines, then the three zone lines with
// the given values beside them (empty values leave the bare captions).
inline constexpr const char* SingleZoneMeridianCaption = "Meridiano  centrale  dell'unico  fuso :";
inline constexpr const char* SingleZoneFalseEastCaption = "Falsa origine Est :";
inline constexpr const char* SingleZoneScaleCaption = "Rappr. CONFORME DI GAUSS con fattore di scala";
std::vector<std::string> SingleZoneDescription(int systemCode, const std::string& meridian,
                                               const std::string& falseEast, const std::string& scale);

} // namespace tervano
