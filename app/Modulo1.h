#pragma once

#include "app/Platform.h"
#include "datum/CommonPointTable.h"
#include "geodesy/ReferenceSystems.h"

#include <QString>

// The last coordinates copied by a "COPIA COORDINATE" button.
struct CopiedCoordinatesRecord {
    // 0 empty; 1 plane North/East; 2 latitude/longitude; 3 cartesian X, Y, Z;
    // 4 latitude, longitude and height; 5 cadastral X and Y.
    int CopiedKind = 0;
    double North = 0, East = 0;
    double Latitude = 0, Longitude = 0; // decimal degrees
    double X = 0, Y = 0, Z = 0;
    double Height = 0;
    int AxisChoice = 0; // 1 X axis through Monte Mario, 2 through Greenwich
    int UtmZone = 0;    // zone number field written with kind 1 by the change of system
    double CadastralX = 0, CadastralY = 0;
    // The reference of the coordinates: their system (1 ROMA40, 2 ED50, 3 WGS84;
    // 0 unknown, pasted nowhere) and, for plane coordinates (kind 1), their
    // national zone (ZoneCode 1..6), or 0 for the single zone's own zone,
    // whose parameters follow.
    int SystemCode = 0;
    int ZoneCode = 0;
    double SingleZoneMeridian = 0, SingleZoneFalseEast = 0, SingleZoneScale = 0;

    bool hasSystem() const { return SystemCode >= tervano::ROMA40 && SystemCode <= tervano::WGS84; }
    // Latitude and longitude (kind 2 or 4) of one of the three systems.
    bool isGeographic() const { return (CopiedKind == 2 || CopiedKind == 4) && hasSystem(); }
    // North and East (kind 1) in a national zone of their system: Gauss-Boaga
    // Ovest or Est for ROMA40, UTM 32 to 34 for ED50 and WGS84. Not the auxiliary
    // zone on 21 degrees E, whose Easts no window reads back, nor the single zone.
    bool isNationalPlane() const {
        if (CopiedKind != 1 || !hasSystem())
            return false;
        if (SystemCode == tervano::ROMA40)
            return ZoneCode == tervano::GBOvest || ZoneCode == tervano::GBEst;
        return ZoneCode >= tervano::UTM32 && ZoneCode <= tervano::UTM34;
    }
};

// State shared by the windows, one instance for the whole run, owned by the
// application and handed to every window.
class Modulo1 {
public:
    explicit Modulo1(Platform p) : platform(p) {}

    Platform platform;

    // Printer and page (twips). Stored as 32-bit so tall pages cannot overflow.
    bool PrinterPresent = false;
    int PageBottom = 0;
    int PageTop = 0;
    int PageLeft = 0;

    // Texts every printed document repeats.
    QString HeaderRule;
    QString HeaderProduct;
    QString HeaderVersion;
    QString HeaderPoint;
    QString GapWide;
    QString GapNarrow;
    QString AngleUnitLine;

    // Settings.
    int AngleUnit = 1;       // 1..4
    int LongitudeOrigin = 1; // 1 Monte Mario, 2 Greenwich

    // Print queue: a document has been started with its header.
    bool QueueOpen = false;

    CopiedCoordinatesRecord CopiedCoordinates;

    // Computation parameters shared by the windows.
    double ScaleFactor = tervano::ScaleFactorUTM;
    int SystemCode = 1;
    int ZoneCode = 1;

    // Common-point table; when loading failed, commonPointsError says why (Italian).
    CommonPointTable commonPoints;
    bool commonPointsLoaded = false;
    QString commonPointsError;
};
