#pragma once

// Geocentric cartesian coordinates on the ellipsoid of a system.
namespace tervano {

struct CartesianResult {
    double CartX;
    double CartY;
    double CartZ;
};

// phi, lambda in radians, h in metres.
CartesianResult GeographicToCartesian(double phi, double lambda, double h, int systemCode);

struct GeographicResult {
    bool ok;             // false for a point on the polar axis (X = Y = 0)
    double GeoLatitude;  // radians
    double GeoLongitude; // radians, full circle (-pi, pi]
    double GeoHeight;    // metres
};

// Message lines the window shows when the point is refused (warning icon).
inline constexpr const char* CartesianRefusedLine1 = "VALORI DELLE COORDINATE";
inline constexpr const char* CartesianRefusedLine2 = "CARTESIANE NON AMMISSIBILI";

// Bowring's closed inverse; refuses (ok false, zeros) only a point on the polar
// axis, where the longitude is undefined.
GeographicResult CartesianToGeographic(double x, double y, double z, int systemCode);

} // namespace tervano
