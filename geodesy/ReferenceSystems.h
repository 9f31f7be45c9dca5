#pragma once

// Reference systems, ellipsoids, plane zones and the Monte Mario origin: the
// one table of constants every conversion uses. Longitudes are in decimal
// degrees; ROMA40 longitudes count from Monte Mario, ED50 and WGS84 from
// Greenwich. The literals keep the digits the program has always used, so
// results stay the same to the last bit; where two values of "one" constant
// exist, each has a name and the reason beside it.
namespace tervano {

// SystemCode: 1 ROMA40, 2 ED50, 3 WGS84.
enum SystemCodes : int { ROMA40 = 1, ED50 = 2, WGS84 = 3 };

// ZoneCode: 1 UTM 32, 2 UTM 33, 3 UTM 34, 4 Gauss-Boaga Ovest, 5 Gauss-Boaga Est,
// 6 the ROMA40 zone on 21° E used only by the change of system.
enum ZoneCodes : int { UTM32 = 1, UTM33 = 2, UTM34 = 3, GBOvest = 4, GBEst = 5, AuxiliaryZone = 6 };

// The same codes as types, for the pages' choices: a page cannot be handed a
// zone where a system is meant. Code() gives the number the engines, the copy
// record and the printed captions are indexed by.
enum class System : int { ROMA40 = ROMA40, ED50 = ED50, WGS84 = WGS84 };
enum class PlaneZone : int {
    UTM32 = UTM32,
    UTM33 = UTM33,
    UTM34 = UTM34,
    GBOvest = GBOvest,
    GBEst = GBEst,
    Auxiliary = AuxiliaryZone,
};
constexpr int Code(System s) {
    return static_cast<int>(s);
}
constexpr int Code(PlaneZone z) {
    return static_cast<int>(z);
}
// A code from the copy record or a window's option index as a type; codes out of range give nothing.
constexpr bool IsSystemCode(int code) {
    return code >= ROMA40 && code <= WGS84;
}
constexpr bool IsZoneCode(int code) {
    return code >= UTM32 && code <= AuxiliaryZone;
}

struct Ellipsoid {
    double a;           // semi-major axis, metres
    double inverseFlat; // 1/f
    double f() const { return 1.0 / inverseFlat; }
};

// SystemCode 3 selects the WGS84 figure (1/f 298.257222101); any other value Hayford.
Ellipsoid EllipsoidFor(int systemCode);

// Scale factor on the central meridian of every national zone, UTM and
// Gauss-Boaga alike (and the single zone's default).
inline constexpr double ScaleFactorUTM = 0.9996;

// Monte Mario lies 12°27'08.400" east of Greenwich. Two values of it are in
// use and differ in the last bits; each place keeps the one it has always used:
// - MonteMario, written with 13 decimals: the cartesian windows' X axis
//   through Greenwich and GreenwichToMonteMario/MonteMarioToGreenwich;
// - GreenwichShift(), the packed sexagesimal 12.27084 read as an angle: the
//   ROMA40 longitudes typed or shown from Greenwich in the plane windows and
//   the change of system.
inline constexpr double MonteMario = 12.4523333333333;
inline constexpr double MonteMarioSexagesimal = 12.27084;
double GreenwichShift();

// Gauss-Boaga central meridians as ROMA40 longitudes from Monte Mario
// (9° and 15° E of Greenwich).
inline constexpr double MeridianOvestMM = -3.45233333333333;
inline constexpr double MeridianEstMM = 2.54766666666667;
// The auxiliary zone's meridian (21° E), subtracted from a longitude to get
// the difference from it. Written with 13 decimals, one fewer than the value
// added back below: the two differ by 3e-14° (3 nm).
inline constexpr double MeridianAuxiliaryMM = 8.5476666666667;
// The auxiliary meridian added back to a longitude difference found in that zone.
inline constexpr double MeridianAuxiliaryAddedBackMM = 8.54766666666667;

// Zone boundaries. ROMA40 from Monte Mario: Ovest below 12° E of Greenwich,
// Est from there (the change of system goes on into the auxiliary zone from
// 18° E); ED50 and WGS84: UTM 32 up to 12° E, 33 up to 18° E, 34 beyond.
inline constexpr double BoundOvestEstMM = -0.45233333333333;
inline constexpr double BoundEstAuxiliaryMM = 5.5476666666667;
inline constexpr double BoundUTM32UTM33 = 12.0;
inline constexpr double BoundUTM33UTM34 = 18.0;
// A Gauss-Boaga East above this belongs to zone Est, up to it to Ovest.
inline constexpr double GaussBoagaEastSplit = 2000000.0;

// The Est meridian as the change of system adds it back to a longitude
// difference before deciding whether a plane point goes on into the auxiliary
// zone: ten decimals, 6.7e-11° (under 0.01 mm) short of MeridianEstMM.
inline constexpr double MeridianEstShortMM = 2.5476666666;
// The auxiliary and Est meridians from Monte Mario in radians to nine
// decimals, as the change of system turns a difference from the auxiliary
// meridian into one from the Est meridian; their difference falls 1.2e-10 rad
// (under a millimetre) short of the exact 6°.
inline constexpr double MeridianAuxiliaryRadians = 0.149184927;
inline constexpr double MeridianEstRadians = 0.044465172;

struct Zone {
    int zoneCode;
    double centralMeridianGreenwich; // degrees E of Greenwich
    double centralMeridian;          // subtracted from a longitude, in the convention of the
                                     // zone's system: from Monte Mario for ROMA40 zones
    double meridianAddedBack;        // added back to a longitude difference; differs from
                                     // centralMeridian only in the auxiliary zone
    double falseEast;                // metres; no zone has a false north
    double scaleFactor;
};

inline constexpr Zone ZoneTable[] = {
    {UTM32, 9.0, 9.0, 9.0, 500000.0, ScaleFactorUTM},
    {UTM33, 15.0, 15.0, 15.0, 500000.0, ScaleFactorUTM},
    {UTM34, 21.0, 21.0, 21.0, 500000.0, ScaleFactorUTM},
    {GBOvest, 9.0, MeridianOvestMM, MeridianOvestMM, 1500000.0, ScaleFactorUTM},
    {GBEst, 15.0, MeridianEstMM, MeridianEstMM, 2520000.0, ScaleFactorUTM},
    {AuxiliaryZone, 21.0, MeridianAuxiliaryMM, MeridianAuxiliaryAddedBackMM, 3500000.0, ScaleFactorUTM},
};

// Constants of a zone by ZoneCode (1..6); any other code gives UTM 32.
constexpr const Zone& ZoneFor(int zoneCode) {
    return zoneCode >= UTM32 && zoneCode <= AuxiliaryZone ? ZoneTable[zoneCode - UTM32] : ZoneTable[0];
}

// Gauss-Boaga zone of a ROMA40 East: Ovest up to GaussBoagaEastSplit, Est above.
constexpr int GaussBoagaZoneOfEast(double east) {
    return east > GaussBoagaEastSplit ? GBEst : GBOvest;
}

// LongitudeOrigin: 1 Monte Mario, 2 Greenwich (ROMA40 only).
// Greenwich longitude to Monte Mario longitude and back.
double GreenwichToMonteMario(double lambdaG);
double MonteMarioToGreenwich(double lambdaMM);

} // namespace tervano
