#pragma once

#include "geodesy/ReferenceSystems.h"

// The last coordinates copied by a "COPIA COORDINATE" button: what a page
// offers and what another page may take.
namespace tervano {

enum class CopiedKind {
    Empty,            // nothing copied
    Plane,            // North and East
    Geographic,       // latitude and longitude
    Cartesian,        // X, Y, Z
    GeographicHeight, // latitude, longitude and ellipsoidal height
    Cadastral,        // cadastral X and Y
};

struct CopiedCoordinatesRecord {
    CopiedKind Kind = CopiedKind::Empty;
    double North = 0, East = 0;
    double Latitude = 0, Longitude = 0; // decimal degrees
    double X = 0, Y = 0, Z = 0;
    double Height = 0;
    int AxisChoice = 0; // 1 X axis through Monte Mario, 2 through Greenwich
    int UtmZone = 0;    // zone number field written with plane coordinates by the change of system
    double CadastralX = 0, CadastralY = 0;
    // The reference of the coordinates: their system (1 ROMA40, 2 ED50, 3 WGS84;
    // 0 unknown, pasted nowhere) and, for plane coordinates, their national
    // zone (ZoneCode 1..6), or 0 for the single zone's own zone, whose
    // parameters follow.
    int SystemCode = 0;
    int ZoneCode = 0;
    double SingleZoneMeridian = 0, SingleZoneFalseEast = 0, SingleZoneScale = 0;

    bool hasSystem() const { return SystemCode >= ROMA40 && SystemCode <= WGS84; }
    // Latitude and longitude (with or without height) of one of the three systems.
    bool isGeographic() const {
        return (Kind == CopiedKind::Geographic || Kind == CopiedKind::GeographicHeight) && hasSystem();
    }
    // North and East in a national zone of their system: Gauss-Boaga Ovest or
    // Est for ROMA40, UTM 32 to 34 for ED50 and WGS84. Not the auxiliary zone
    // on 21 degrees E, whose Easts no window reads back, nor the single zone.
    bool isNationalPlane() const {
        if (Kind != CopiedKind::Plane || !hasSystem())
            return false;
        if (SystemCode == ROMA40)
            return ZoneCode == GBOvest || ZoneCode == GBEst;
        return ZoneCode >= UTM32 && ZoneCode <= UTM34;
    }
};

} // namespace tervano
