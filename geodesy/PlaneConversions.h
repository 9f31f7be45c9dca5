#pragma once

#include "geodesy/InputCheck.h"
#include "geodesy/ReferenceSystems.h" // GreenwichShift, used with these rules

#include <array>

// Rules of the geographic <-> plane conversions that do not depend on any
// window: input ranges with their messages, zone of membership and overlap
// bands, zone captions, and the two conversions themselves (the Greenwich
// shift of ROMA40 longitudes, GreenwichShift, is in the table of reference
// systems). Every front end calls these plain functions.
//
// Usage:
//   InputCheck c = CheckGeographicForPlane(system, lat, lon, latValid, lonValid);
//   if (c.failed != 0) { show c.line1 + "\r" + c.line2, focus input c.failed }
//   else { GeoToPlaneResult r = GeographicToPlane(system, zoneMode, zoneCode, lat, lon, ScaleFactorUTM); }
namespace tervano {

// Latitude and longitude in decimal degrees; for ROMA40 the longitude is
// counted from Monte Mario. A value that did not fit a double (valid false)
// is refused like a value out of range.
InputCheck CheckGeographicForPlane(int systemCode, double latitude, double longitude,
                                   bool latitudeValid = true, bool longitudeValid = true);
// North and East in metres, East with its false east.
InputCheck CheckPlaneForGeographic(int systemCode, double north, double east, bool northValid = true,
                                   bool eastValid = true);

// Zone of membership (ZoneCode) of longitude lambda (from Monte Mario for ROMA40).
int MembershipZone(int systemCode, double lambda);
// The neighbouring zone whose overlap band holds lambda, or 0 when none.
int OverlapZone(int systemCode, double lambda, int membershipZone);

// Captions of zone 1..5: chosen by hand ("Fuso 32"), of membership
// ("Fuso 32 (appartenenza)") and of overlap ("Fuso 32 (sovrapposizione)").
const char* ZoneCaptionHand(int zoneCode);
const char* ZoneCaptionMembership(int zoneCode);
const char* ZoneCaptionOverlap(int zoneCode);

// Texts that depend on the system (1 ROMA40, 2 ED50, 3 WGS84).
const char* SystemCaption(int systemCode);                                // "ROMA40 (Sistema Nazionale)"
const char* GeographicFrameCaption(int systemCode);                       // "Coordinate Geografiche ROMA40"
const char* PlaneFrameCaption(int systemCode);                            // "Coordinate Piane GAUSS BOAGA"
const std::array<const char*, 7>& PlaneSystemDescription(int systemCode); // lines of the description

// zoneMode: 1 zone of membership; 2 Gauss-Boaga zone chosen by hand; 3 UTM zone chosen by hand.
struct GeoToPlaneResult {
    int MembershipZoneCode; // the zone of membership, or the zone chosen by hand
    double North;
    double East; // with the zone's false east
    bool OverlapShown;
    int OverlapZoneCode; // 0 without overlap
    double OverlapNorth;
    double OverlapEast;
};
// latitude and longitude in decimal degrees (longitude from Monte Mario for ROMA40).
GeoToPlaneResult GeographicToPlane(int systemCode, int zoneMode, int zoneCode, double latitude,
                                   double longitude, double scaleFactor);

struct PlaneToGeoResult {
    int ZoneCode;     // 4/5 found from East for ROMA40, the given UTM zone otherwise
    double Latitude;  // decimal degrees
    double Longitude; // decimal degrees; ROMA40 from Monte Mario, or Greenwich with longitudeOrigin 2
    bool Converged;   // the forward projection gives back the plane point (always, over the accepted ranges)
};
// utmZoneCode: the UTM zone (1..3) used for ED50 and WGS84.
PlaneToGeoResult PlaneToGeographic(int systemCode, int utmZoneCode, double north, double east,
                                   int longitudeOrigin, double scaleFactor);

} // namespace tervano
