#pragma once

// Gauss conformal (transverse Mercator) projection by closed series.
namespace tervano {

struct GaussForwardResult {
    double ProjNorth; // metres from the equator, scale factor applied, no false north
    double ProjEast;  // metres from the central meridian, no false east
};

// phi and deltaLambda in radians; systemCode selects the ellipsoid;
// scaleFactor is k0 on the central meridian.
GaussForwardResult GaussForward(double phi, double deltaLambda, int systemCode, double scaleFactor);

// Meridian arc from the equator to phi on the ellipsoid (a, e2).
double MeridianArc(double phi, double a, double e2);

struct GaussInverseResult {
    double GeoLatitude;       // radians
    double GeoDeltaLongitude; // radians, positive east of the central meridian
};

// north from the equator, east from the central meridian (false east removed).
GaussInverseResult GaussInverse(double north, double east, int systemCode, double scaleFactor);

struct RefinedInverseResult {
    double GeoLatitude;       // radians
    double GeoDeltaLongitude; // radians, positive east of the central meridian
    bool converged;           // GaussForward of the result gives back the plane point
    double residual;          // metres between that forward projection and the plane point
};

// GaussInverse refined until GaussForward of the result reproduces the plane
// point within 0.1 mm, so that the two directions are each other's inverse over
// the whole plane range. Not converged where the forward series cannot reach
// the point (far beyond the zone, or North past the pole for the scale factor):
// the caller refuses the point then. Every plane to geographic conversion
// goes through here.
RefinedInverseResult GaussInverseRefined(double north, double east, int systemCode, double scaleFactor);

} // namespace tervano
