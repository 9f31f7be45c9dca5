#include "geodesy/CartesianConversions.h"

#include "geodesy/Angles.h"
#include "geodesy/Cartesian.h"
#include "geodesy/InRange.h"
#include "geodesy/ReferenceSystems.h"

#include <cmath>

namespace tervano {

namespace {

constexpr double HeightLimit = 10000.0;
constexpr double CartesianLimit = 6400000.0;

} // namespace

bool ShiftsToGreenwichAxis(int systemCode, int axisChoice, int longitudeOrigin) {
    return systemCode == ROMA40 && axisChoice == AxisGreenwich && longitudeOrigin != 2;
}

double NormalizedLongitude(double degrees) {
    if (!std::isfinite(degrees))
        return degrees;
    double d = std::fmod(degrees, 360.0);
    if (d > 180.0)
        d -= 360.0;
    else if (d <= -180.0)
        d += 360.0;
    return d;
}

const std::array<const char*, 7>& CartesianSystemDescription(int systemCode) {
    static const std::array<const char*, 7> roma40 = {
        "Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297",
        "Orientamento: Roma M.Mario (definizione astron. 1940)",
        "      Lat.= 41°55'25.51''",
        "      Long.= 0° (12°27'08.400'' est da Greenwich)",
        "Sistema Cartesiano con l'origine nel centro dell'ellissoide,",
        "l'asse Z coincidente con il semiasse minore, l'asse X",
        "passante per il meridiano di Roma (o di Greenwich)."};
    static const std::array<const char*, 7> ed50 = {
        "Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297",
        "Orientamento: medio europeo (definizione 1950)",
        "Origini delle longitudini: GREENWICH",
        "Coord. di ROMA M.M.: Lat.= 41°55'31.487''; Long.= 12°27'10.93''",
        "Sistema Cartesiano con l'origine nel centro dell'ellissoide,",
        "l'asse Z coincidente con il semiasse minore,",
        "l'asse X passante per il meridiano di Greenwich."};
    static const std::array<const char*, 7> wgs84 = {
        "Sistema Cartesiano con l'origine nel centro di massa della Terra,",
        "l'asse Z coincidente con il semiasse polare,",
        "l'asse X passante dal meridiano di Greenwich,",
        "l'asse Y tale da formare una terna destrorsa.",
        "Ellissoide associato: a = 6 378 137, f = 1/298.257222101",
        "Origini delle longitudini: GREENWICH",
        "Coord. di ROMA M.M.: Lat.= 41°55'27.851''; Long.= 12°27'07.658''"};
    switch (systemCode) {
    case ED50:
        return ed50;
    case WGS84:
        return wgs84;
    default:
        return roma40;
    }
}

const char* CartesianFrameCaption(int systemCode) {
    switch (systemCode) {
    case ED50:
        return "Coord. Cartesiane Ellissocentriche ED50";
    case WGS84:
        return "Coord. Cartesiane Ellissocentriche WGS84";
    default:
        return "Coord. Cartesiane Ellissocentriche ROMA40";
    }
}

InputCheck CheckGeographicInput(double latitude, double longitude, double height, bool latitudeValid,
                                bool longitudeValid, bool heightValid) {
    if (!AngleInRange(latitude, -90.0, 90.0, latitudeValid))
        return {InputLatitude, "VALORE DELLA LATITUDINE", "NON AMMISSIBILE", "", CheckIcon::Error};
    if (!AngleInRange(longitude, -180.0, 180.0, longitudeValid))
        return {InputLongitude, "VALORE DELLA LONGITUDINE", "NON AMMISSIBILE", "", CheckIcon::Error};
    if (!InRange(height, -HeightLimit, HeightLimit, heightValid))
        return {InputHeight, "VALORE DELLA QUOTA", "NON AMMESSO DAL PROGRAMMA", "", CheckIcon::Warning};
    return {};
}

GeographicToCartesianOutcome ConvertGeographicToCartesian(double latitude, double longitude, double height,
                                                          int systemCode, int axisChoice,
                                                          int longitudeOrigin) {
    GeographicToCartesianOutcome out{};
    double axisLongitude = longitude;
    if (ShiftsToGreenwichAxis(systemCode, axisChoice, longitudeOrigin)) {
        axisLongitude = longitude + MonteMario;
        out.greenwichShown = true;
        out.greenwichLongitude = NormalizedLongitude(axisLongitude);
    }
    // A pole typed in notation 1 reads a few 1e-11 degrees past 90 (the range
    // check allows it); beyond the pole the longitude would turn by 180°.
    const double phi = std::fmax(-90.0, std::fmin(90.0, latitude));
    const double pi = Pi();
    const CartesianResult c =
        GeographicToCartesian(pi * phi / 180.0, pi * axisLongitude / 180.0, height, systemCode);
    out.CartX = c.CartX;
    out.CartY = c.CartY;
    out.CartZ = c.CartZ;
    return out;
}

InputCheck CheckCartesianInput(double x, double y, double z, bool xValid, bool yValid, bool zValid) {
    // The Y message lacks its first letter as the program has always shown it.
    if (!InRange(x, -CartesianLimit, CartesianLimit, xValid))
        return {InputX, "VALORE DELLA X NON", "AMMESSO DAL PROGRAMMA", "", CheckIcon::Warning};
    if (!InRange(y, -CartesianLimit, CartesianLimit, yValid))
        return {InputY, "VALORE DELLA Y NON", "MMESSO DAL PROGRAMMA", "", CheckIcon::Warning};
    if (!InRange(z, -CartesianLimit, CartesianLimit, zValid))
        return {InputZ, "VALORE DELLA Z NON", "AMMESSO DAL PROGRAMMA", "", CheckIcon::Warning};
    return {};
}

CartesianToGeographicOutcome ConvertCartesianToGeographic(double x, double y, double z, int systemCode,
                                                          int axisChoice, int longitudeOrigin) {
    CartesianToGeographicOutcome out{};
    const GeographicResult g = CartesianToGeographic(x, y, z, systemCode);
    if (!g.ok) {
        out.ok = false;
        out.refusal = {InputX, CartesianRefusedLine1, CartesianRefusedLine2, "", CheckIcon::Warning};
        return out;
    }
    const double pi = Pi();
    out.ok = true;
    out.latitude = g.GeoLatitude * 180.0 / pi;
    out.height = g.GeoHeight;
    const double found = g.GeoLongitude * 180.0 / pi;
    if (ShiftsToGreenwichAxis(systemCode, axisChoice, longitudeOrigin)) {
        out.greenwichShown = true;
        out.greenwichLongitude = NormalizedLongitude(found);
        out.longitude = NormalizedLongitude(found - MonteMario);
    } else {
        out.longitude = NormalizedLongitude(found);
    }
    return out;
}

} // namespace tervano
