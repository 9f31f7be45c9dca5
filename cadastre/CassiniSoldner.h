#pragma once

#include "cadastre/CadastralCentres.h"
#include "geodesy/ReferenceSystems.h"

#include <optional>
#include <string>
#include <vector>

// Cadastral Cassini-Soldner coordinates (Bessel ellipsoid, longitudes from
// Genova) to Gauss-Boaga coordinates (ROMA40 on Hayford, longitudes from
// Monte Mario) and back. Angles are radians, lengths metres.
namespace tervano {

// Bessel ellipsoid.
namespace Bessel {
inline constexpr double a = 6377397.155;
inline constexpr double b = 6356078.963;
inline constexpr double e2 = 0.006674372232;
inline constexpr double ep2 = 0.006719218799;
} // namespace Bessel

// Monte Mario as stored, gg.ppssdddd.
inline constexpr double MonteMarioLatitudeRoma40 = 41.552551;
inline constexpr double MonteMarioLatitudeBessel = 41.5524399;
inline constexpr double MonteMarioLongitudeGenova = 3.3151131;

// Monte Mario in radians, converted once.
struct MonteMarioAnchor {
    double phiMMR;     // latitude in ROMA40
    double phiMMB;     // latitude on Bessel
    double lambdaMMG;  // longitude from Genova on Bessel
    double deltaPhiMM; // phiMMR - phiMMB
};
const MonteMarioAnchor& Anchor();

// Scale factor of the Gauss-Boaga zones.
inline constexpr double GaussBoagaScaleFactor = ScaleFactorUTM;

struct LatLon {
    double latitude;
    double longitude;
};

// Bessel, longitude from Genova, to ROMA40, longitude from Monte Mario.
LatLon BesselToRoma40(double phiB, double lambdaB);
// ROMA40, longitude from Monte Mario, to Bessel, longitude from Genova.
// Not the exact inverse of BesselToRoma40: each direction evaluates the
// correction polynomials on the values it has at hand.
LatLon Roma40ToBessel(double phiR, double lambdaR);

struct CassiniXY {
    double X; // along the meridian of the centre, north positive
    double Y; // across it, east positive
};

// Bessel latitude and longitude (from Genova) to X, Y about the centre phi0, lambda0.
CassiniXY CassiniForward(double phiB, double lambdaB, double phi0, double lambda0);
// X, Y about the centre phi0, lambda0 to Bessel latitude and longitude (from Genova).
LatLon CassiniInverse(double X, double Y, double phi0, double lambda0);

// The centre in radians: gg.ppssdddd converted to degrees, then to radians.
LatLon CentreRadians(const CentreValues& centre);

// Gauss-Boaga zone of a ROMA40 longitude from Monte Mario (degrees): 4 Ovest
// below BoundOvestEstMM (-0.45233333333333), 5 Est from there on.
int ZoneForLongitude(double lambdaMM);
// Gauss-Boaga zone of an Est coordinate: 4 Ovest up to 2 000 000 included, 5 Est above.
int ZoneForEast(double Est);

struct GaussBoagaResult {
    double Nord;
    double Est;   // with the false east of the zone
    int ZoneCode; // 4 Ovest, 5 Est
};
GaussBoagaResult CassiniToGaussBoaga(const CentreValues& centre, double X, double Y);

struct CassiniResult {
    double X;
    double Y;
    int ZoneCode;             // 4 Ovest (Est up to 2 000 000), 5 Est
    double GeoDeltaLongitude; // degrees from the zone's central meridian
};
CassiniResult GaussBoagaToCassini(const CentreValues& centre, double Nord, double Est);

// Range checks made before a transformation and on its result; the first
// failure is reported.
enum class CadastralInput { CentreLatitude, CentreLongitude, Nord, Est, X, Y };

struct CadastralCheckFailure {
    CadastralInput input;           // the box that takes the focus
    std::vector<std::string> lines; // the message, one text per line
    std::string text() const;       // the lines joined by "\r"
};

// The centre as stored (not converted): latitude 35 to 47.3, longitude -3 to 10.
std::optional<CadastralCheckFailure> CheckCentre(const CentreValues& centre);
// Gauss-Boaga input: Nord 3 800 000 to 5 500 000, Est 1 000 000 to 3 000 000.
std::optional<CadastralCheckFailure> CheckGaussBoaga(double Nord, double Est);

// Cassini-Soldner X and Y: readable and within +-1 000 000 m (CassiniLimit).
inline constexpr double CassiniLimit = 1000000.0;
std::optional<CadastralCheckFailure> CheckCassini(double X, double Y, bool xValid = true, bool yValid = true);

// Every result must be one the other direction accepts as input, so that
// nothing absurd is shown, copied or printed. A Gauss-Boaga result outside the
// Nord or Est range is laid on X or Y; a Cassini-Soldner result beyond
// +-1 000 000 on Nord or Est.
std::optional<CadastralCheckFailure> CheckGaussBoagaResult(const GaussBoagaResult& r);
std::optional<CadastralCheckFailure> CheckCassiniResult(const CassiniResult& r);

} // namespace tervano
