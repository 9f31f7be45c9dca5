#include "geodesy/PlaneConversions.h"

#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/InRange.h"
#include "geodesy/ReferenceSystems.h"

namespace tervano {

namespace {

constexpr const char* ForSystemTail = "AMMISSIBILE PER IL SISTEMA INDICATO";

struct PlanePoint {
    double north;
    double east;
};

PlanePoint Project(int systemCode, int zoneCode, double latitude, double longitude, double scaleFactor) {
    const Zone& zone = ZoneFor(zoneCode);
    const double deltaLambda = longitude - zone.centralMeridian;
    const double pi = Pi();
    const GaussForwardResult r =
        GaussForward(pi * latitude / 180.0, pi * deltaLambda / 180.0, systemCode, scaleFactor);
    return {r.ProjNorth, r.ProjEast + zone.falseEast};
}

} // namespace

InputCheck CheckGeographicForPlane(int systemCode, double latitude, double longitude, bool latitudeValid,
                                   bool longitudeValid) {
    if (systemCode == ROMA40) {
        if (!AngleInRange(latitude, 35.0, 49.0, latitudeValid))
            return {1, "VALORE DELLA LATITUDINE NON", ForSystemTail};
        if (!AngleInRange(longitude, -7.0, 7.0, longitudeValid))
            return {2, "VALORE DELLA LONGITUDINE NON", ForSystemTail};
        return {};
    }
    if (!AngleInRange(latitude, 1.0, 80.0, latitudeValid))
        return {1, "VALORE DELLA LATITUDINE", "NON AMMISSIBILE"};
    if (!AngleInRange(longitude, 5.0, 25.0, longitudeValid))
        return {2, "VALORE DELLA LONGITUDINE", "NON AMMISSIBILE"};
    return {};
}

InputCheck CheckPlaneForGeographic(int systemCode, double north, double east, bool northValid,
                                   bool eastValid) {
    if (systemCode == ROMA40) {
        if (!InRange(north, 3800000.0, 5500000.0, northValid))
            return {1, "VALORE DELLA COORDINATA NORD NON", ForSystemTail};
        if (!InRange(east, 1100000.0, 3000000.0, eastValid))
            return {2, "VALORE DELLA COORDINATA EST NON", ForSystemTail};
        return {};
    }
    if (!InRange(north, 100000.0, 9000000.0, northValid))
        return {1, "VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"};
    if (!InRange(east, 50000.0, 1000000.0, eastValid))
        return {2, "VALORE DELLA COORDINATA EST NON", ForSystemTail};
    return {};
}

// Zone boundaries use the same slack as the range checks: a boundary typed in
// any notation reads within a few 1e-11 degrees of its exact value (the
// sexagesimal guard, the Greenwich shift, grads), and must give the zone the
// inclusive rule gives for the exact value.
int MembershipZone(int systemCode, double lambda) {
    if (systemCode == ROMA40)
        return lambda < BoundOvestEstMM - AngleSlack ? GBOvest : GBEst;
    if (lambda > BoundUTM33UTM34 + AngleSlack)
        return UTM34;
    if (lambda > BoundUTM32UTM33 + AngleSlack)
        return UTM33;
    return UTM32;
}

int OverlapZone(int systemCode, double lambda, int membershipZone) {
    if (systemCode == ROMA40) {
        if (AngleInRange(lambda, -0.5, 0.0, true))
            return membershipZone == GBEst ? GBOvest : GBEst;
        return 0;
    }
    if (AngleInRange(lambda, 11.66666666, 12.33333334, true)) {
        if (membershipZone == UTM33)
            return UTM32;
        if (membershipZone == UTM32)
            return UTM33;
        return 0;
    }
    if (AngleInRange(lambda, 17.66666666, 18.33333334, true)) {
        if (membershipZone == UTM34)
            return UTM33;
        if (membershipZone == UTM33)
            return UTM34;
        return 0;
    }
    return 0;
}

const char* ZoneCaptionHand(int zoneCode) {
    switch (zoneCode) {
    case UTM32:
        return "Fuso 32";
    case UTM33:
        return "Fuso 33";
    case UTM34:
        return "Fuso 34";
    case GBOvest:
        return "Fuso Ovest";
    case GBEst:
        return "Fuso Est";
    default:
        return "";
    }
}

const char* ZoneCaptionMembership(int zoneCode) {
    switch (zoneCode) {
    case UTM32:
        return "Fuso 32 (appartenenza)";
    case UTM33:
        return "Fuso 33 (appartenenza)";
    case UTM34:
        return "Fuso 34 (appartenenza)";
    case GBOvest:
        return "Fuso OVEST (appartenenza)";
    case GBEst:
        return "Fuso EST (appartenenza)";
    default:
        return "";
    }
}

const char* ZoneCaptionOverlap(int zoneCode) {
    switch (zoneCode) {
    case UTM32:
        return "Fuso 32 (sovrapposizione)";
    case UTM33:
        return "Fuso 33 (sovrapposizione)";
    case UTM34:
        return "Fuso 34 (sovrapposizione)";
    case GBOvest:
        return "Fuso OVEST (sovrapposizione)";
    case GBEst:
        return "Fuso EST (sovrapposizione)";
    default:
        return "";
    }
}

const char* SystemCaption(int systemCode) {
    switch (systemCode) {
    case ED50:
        return "ED50 (European Datum 1950)";
    case WGS84:
        return "WGS84 (World Geodetic System 1984)";
    default:
        return "ROMA40 (Sistema Nazionale)";
    }
}

const char* GeographicFrameCaption(int systemCode) {
    switch (systemCode) {
    case ED50:
        return "Coordinate Geografiche ED50";
    case WGS84:
        return "Coordinate Geografiche WGS84";
    default:
        return "Coordinate Geografiche ROMA40";
    }
}

const char* PlaneFrameCaption(int systemCode) {
    switch (systemCode) {
    case ED50:
        return "Coordinate Piane UTM-ED50";
    case WGS84:
        return "Coordinate Piane UTM-WGS84";
    default:
        return "Coordinate Piane GAUSS BOAGA";
    }
}

const std::array<const char*, 7>& PlaneSystemDescription(int systemCode) {
    static const std::array<const char*, 7> roma40 = {
        "Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297",
        "Orientamento: Roma M.Mario (definizione astron. 1940)",
        "      Lat.= 41°55'25.51''",
        "      Long.= 0° (12°27'08.400'' est da Greenwich)",
        "Meridiani centr. dei fusi: O=-3°27'08.400''; E=2°32'51.600''",
        "False origini dei fusi: Ovest=1 500 000 m; Est=2 520 000 m",
        "Rappr. CONFORME DI GAUSS con fattore di scala 0.9996"};
    static const std::array<const char*, 7> ed50 = {
        "Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297",
        "Orientamento: medio europeo (definizione 1950)",
        "Origini delle longitudini: GREENWICH",
        "Coord. di ROMA M.M.: Lat.= 41°55'31.487''; Long.= 12°27'10.93''",
        "Meridiani centrali dei fusi:  32=9°;  33=15°;  34=21°",
        "False origini Est dei fusi:  500 000 m  (per tutti)",
        "Rappr. CONFORME DI GAUSS con fattore di scala 0.9996"};
    static const std::array<const char*, 7> wgs84 = {
        "Sistema Cartesiano OXYZ nel centro di massa della Terra",
        "Ellissoide associato: a = 6 378 137, f = 1/298.257222101",
        "Origini delle longitudini: GREENWICH",
        "Coord. di ROMA M.M.: Lat.= 41°55'27.851''; Long.= 12°27'07.658''",
        "Meridiani centrali dei fusi:  32=9°;  33=15°;  34=21°",
        "False origini Est dei fusi:  500 000 m  (per tutti)",
        "Rappr. CONFORME DI GAUSS con fattore di scala 0.9996"};
    switch (systemCode) {
    case ED50:
        return ed50;
    case WGS84:
        return wgs84;
    default:
        return roma40;
    }
}

GeoToPlaneResult GeographicToPlane(int systemCode, int zoneMode, int zoneCode, double latitude,
                                   double longitude, double scaleFactor) {
    GeoToPlaneResult r{};
    r.MembershipZoneCode = zoneMode == 1 ? MembershipZone(systemCode, longitude) : zoneCode;
    const PlanePoint p = Project(systemCode, r.MembershipZoneCode, latitude, longitude, scaleFactor);
    r.North = p.north;
    r.East = p.east;
    if (zoneMode == 1) {
        r.OverlapZoneCode = OverlapZone(systemCode, longitude, r.MembershipZoneCode);
        if (r.OverlapZoneCode != 0) {
            r.OverlapShown = true;
            const PlanePoint o = Project(systemCode, r.OverlapZoneCode, latitude, longitude, scaleFactor);
            r.OverlapNorth = o.north;
            r.OverlapEast = o.east;
        }
    }
    return r;
}

PlaneToGeoResult PlaneToGeographic(int systemCode, int utmZoneCode, double north, double east,
                                   int longitudeOrigin, double scaleFactor) {
    PlaneToGeoResult r{};
    if (systemCode == ROMA40)
        r.ZoneCode = GaussBoagaZoneOfEast(east);
    else
        r.ZoneCode = utmZoneCode;
    const Zone& zone = ZoneFor(r.ZoneCode);
    const RefinedInverseResult g = GaussInverseRefined(north, east - zone.falseEast, systemCode, scaleFactor);
    r.Converged = g.converged;
    const double pi = Pi();
    r.Latitude = g.GeoLatitude * 180.0 / pi;
    r.Longitude = g.GeoDeltaLongitude * 180.0 / pi + zone.meridianAddedBack;
    if (systemCode == ROMA40 && longitudeOrigin == 2)
        r.Longitude += GreenwichShift();
    return r;
}

} // namespace tervano
