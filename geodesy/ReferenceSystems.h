#pragma once

// Reference systems, ellipsoids, plane zones and the Monte Mario origin.
namespace tervano {

// SystemCode: 1 ROMA40, 2 ED50, 3 WGS84.
enum SystemCodes : int { ROMA40 = 1, ED50 = 2, WGS84 = 3 };

// ZoneCode: 1 UTM 32, 2 UTM 33, 3 UTM 34, 4 Gauss-Boaga Ovest, 5 Gauss-Boaga Est,
// 6 the ROMA40 zone on 21° E used only by the change of system.
enum ZoneCodes : int { UTM32 = 1, UTM33 = 2, UTM34 = 3, GBOvest = 4, GBEst = 5, AuxiliaryZone = 6 };

struct Ellipsoid {
    double a;           // semi-major axis, metres
    double inverseFlat; // 1/f
    double f() const { return 1.0 / inverseFlat; }
};

// SystemCode 3 selects the WGS84 figure (1/f 298.257222101); any other value Hayford.
Ellipsoid EllipsoidFor(int systemCode);

inline constexpr double ScaleFactorUTM = 0.9996;

// Monte Mario lies 12°27'08.400" east of Greenwich.
inline constexpr double MonteMario = 12.4523333333333;
// Gauss-Boaga central meridians as ROMA40 longitudes from Monte Mario.
inline constexpr double MeridianOvestMM = -3.45233333333333;
inline constexpr double MeridianEstMM = 2.54766666666667;
// The auxiliary ROMA40 zone on 21° E, as a longitude from Monte Mario.
inline constexpr double MeridianAuxiliaryMM = 8.5476666666667;
// The same meridian as written where a window re-projects into it.
inline constexpr double MeridianAuxiliaryMM2 = 8.54766666666667;

struct Zone {
    int zoneCode;
    double centralMeridianGreenwich; // degrees E of Greenwich
    double centralMeridian;          // in the longitude convention the zone's system uses:
                                     // from Monte Mario for ROMA40 zones, Greenwich for UTM
    double falseEast;                // metres
    double scaleFactor;
};

// Constants of a zone by ZoneCode (1..6).
Zone ZoneFor(int zoneCode);

// LongitudeOrigin: 1 Monte Mario, 2 Greenwich (ROMA40 only).
// Greenwich longitude to Monte Mario longitude and back.
double GreenwichToMonteMario(double lambdaG);
double MonteMarioToGreenwich(double lambdaMM);

} // namespace tervano
