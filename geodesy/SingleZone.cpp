#include "geodesy/SingleZone.h"

#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/InRange.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"

#include <cmath>
#include <cstdio>

namespace tervano {

namespace {

bool MonteMarioLongitudes(int systemCode, int longitudeOrigin) {
    return systemCode == ROMA40 && longitudeOrigin != 2;
}

struct GeographicLimits {
    double latLow, latHigh, lonLow, lonHigh;
};

GeographicLimits LimitsFor(int systemCode, int longitudeOrigin) {
    if (systemCode != ROMA40)
        return {1.0, 80.0, 5.0, 25.0};
    if (longitudeOrigin == 2)
        return {35.0, 49.0, 5.0, 25.0};
    return {35.0, 49.0, -9.0, 9.0};
}

constexpr const char* ForSystemTail = "AMMISSIBILE PER IL SISTEMA INDICATO";

InputCheck CheckScale(const SingleZoneSettings& s) {
    if (s.ScaleChoice == TypedChoice &&
        !InRange(s.typedScale, SingleZoneScaleMin, SingleZoneScaleMax, s.typedScaleValid))
        return {InputScaleFactor, "VALORE DEL FATTORE DI SCALA", "SUL MERIDIANO CENTRALE",
                "NON AMMESSO DAL PROGRAMMA"};
    return {};
}

// A typed false East must be readable and within +-10 000 000 m: it is added
// to every East and sets the East range of the plane direction.
InputCheck CheckFalseEast(const SingleZoneSettings& s) {
    if (s.MeridianChoice == TypedChoice && !InRange(s.typedFalseEast, -SingleZoneFalseEastLimit,
                                                    SingleZoneFalseEastLimit, s.typedFalseEastValid))
        return {InputFalseEast, "VALORE DELLA FALSA ORIGINE EST", "NON AMMESSO DAL PROGRAMMA"};
    return {};
}

bool MeridianRefused(const SingleZoneSettings& s) {
    if (s.MeridianChoice != TypedChoice)
        return false;
    const GeographicLimits lim = LimitsFor(s.systemCode, s.longitudeOrigin);
    return !AngleInRange(s.typedMeridian, lim.lonLow, lim.lonHigh, s.typedMeridianValid);
}

// North of the pole on the plane of a zone with the given scale factor.
double QuarterMeridian(int systemCode, double scaleFactor) {
    const Ellipsoid ell = EllipsoidFor(systemCode);
    const double a = scaleFactor * ell.a;
    const double b = a - a * ell.f();
    return MeridianArc(Pi() / 2.0, a, (a * a - b * b) / (a * a));
}

// The North and East messages of the plane direction.
InputCheck NorthMessage(bool roma) {
    return roma ? InputCheck{InputZoneNorth, "VALORE DELLA COORDINATA NORD NON", ForSystemTail}
                : InputCheck{InputZoneNorth, "VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"};
}
InputCheck EastMessage(bool roma) {
    return roma ? InputCheck{InputZoneEast, "VALORE DELLA COORDINATA EST NON", ForSystemTail}
                : InputCheck{InputZoneEast, "VALORE DELLA COORDINATA EST", "NON AMMISSIBILE"};
}

// Latitude and longitude (in the central meridian's convention) of a refined
// inverse, in decimal degrees.
SingleZoneGeographic InDegrees(const SingleZoneParameters& p, const RefinedInverseResult& g) {
    const double pi = Pi();
    return {g.GeoLatitude * 180.0 / pi, g.GeoDeltaLongitude * 180.0 / pi + p.centralMeridian};
}

// The meridian's message of the geographic direction, which the plane
// direction also uses for ROMA40.
InputCheck MeridianMessage() {
    return {InputCentralMeridian, "VALORE DELLA LONGITUDINE DEL MERIDIANO",
            "CENTRALE NON AMMESSO DAL PROGRAMMA", "PER IL SISTEMA INDICATO"};
}

} // namespace

double DefaultCentralMeridian(int systemCode, int longitudeOrigin) {
    return MonteMarioLongitudes(systemCode, longitudeOrigin) ? 0.0 : SingleZoneDefaultMeridian;
}

SingleZoneParameters ResolveParameters(const SingleZoneSettings& s) {
    SingleZoneParameters p{};
    if (s.MeridianChoice == TypedChoice) {
        p.centralMeridian = s.typedMeridian;
        p.falseEast = s.typedFalseEast;
    } else {
        p.centralMeridian = DefaultCentralMeridian(s.systemCode, s.longitudeOrigin);
        p.falseEast = SingleZoneDefaultFalseEast;
    }
    p.ScaleFactor = s.ScaleChoice == TypedChoice ? s.typedScale : SingleZoneDefaultScale;
    return p;
}

InputCheck CheckSingleZoneGeographic(const SingleZoneSettings& s, double latitude, double longitude,
                                     bool latitudeValid, bool longitudeValid) {
    if (InputCheck c = CheckScale(s); !c.ok())
        return c;
    if (InputCheck c = CheckFalseEast(s); !c.ok())
        return c;
    const GeographicLimits lim = LimitsFor(s.systemCode, s.longitudeOrigin);
    const bool roma = s.systemCode == ROMA40;
    if (!AngleInRange(latitude, lim.latLow, lim.latHigh, latitudeValid))
        return roma ? InputCheck{InputZoneLatitude, "VALORE DELLA LATITUDINE NON", ForSystemTail}
                    : InputCheck{InputZoneLatitude, "VALORE DELLA LATITUDINE", "NON AMMISSIBILE"};
    if (!AngleInRange(longitude, lim.lonLow, lim.lonHigh, longitudeValid))
        return roma ? InputCheck{InputZoneLongitude, "VALORE DELLA LONGITUDINE NON", ForSystemTail}
                    : InputCheck{InputZoneLongitude, "VALORE DELLA LONGITUDINE", "NON AMMISSIBILE"};
    if (MeridianRefused(s))
        return MeridianMessage();
    return {};
}

InputCheck CheckSingleZonePlane(const SingleZoneSettings& s, double north, double east, bool northValid,
                                bool eastValid) {
    if (InputCheck c = CheckScale(s); !c.ok())
        return c;
    if (InputCheck c = CheckFalseEast(s); !c.ok())
        return c;
    const bool roma = s.systemCode == ROMA40;
    const double fe = ResolveParameters(s).falseEast;
    const double northLow = roma ? 3964000.0 : 117000.0;
    const double northHigh = roma ? 5523000.0 : 8950000.0;
    const double eastReach = roma ? 1281000.0 : 2272000.0;
    if (!InRange(north, northLow, northHigh, northValid))
        return NorthMessage(roma);
    // The lower limit mirrors the upper one about zero, not about the false East.
    if (!InRange(east, -(eastReach + fe), fe + eastReach, eastValid))
        return EastMessage(roma);
    if (MeridianRefused(s)) {
        if (roma)
            return MeridianMessage();
        return {InputCentralMeridian, "VALORE DELLA LONGITUDINE DEL MERIDIANO CENTRALE",
                "NON AMMESSO DAL PROGRAMMA ", "PER IL SISTEMA INDICATO"};
    }
    // Inside the ranges there are points no latitude and longitude project onto
    // (North past the pole for a small scale factor, East thousands of
    // kilometres out at high latitude), and points so far from the central
    // meridian that the series no longer follows the transverse Mercator
    // (0.7 m off 35° out, metres further). A point is converted only when its
    // latitude and longitude lie where the geographic direction accepts them,
    // within which the series keeps to 5 mm of the exact projection.
    const SingleZoneParameters p = ResolveParameters(s);
    const RefinedInverseResult g =
        GaussInverseRefined(north, east - p.falseEast, s.systemCode, p.ScaleFactor);
    if (!g.converged)
        return north > QuarterMeridian(s.systemCode, p.ScaleFactor) ? NorthMessage(roma) : EastMessage(roma);
    const SingleZoneGeographic result = InDegrees(p, g);
    // The result is compared with a centimetre of slack (1e-7 degrees): a
    // point on a geographic limit, projected and copied to the millimetre,
    // comes back a few 1e-9 degrees outside and must still convert.
    constexpr double ResultSlack = 1e-7;
    const GeographicLimits lim = LimitsFor(s.systemCode, s.longitudeOrigin);
    if (!InRange(result.latitude, lim.latLow - ResultSlack, lim.latHigh + ResultSlack, true))
        return NorthMessage(roma);
    if (!InRange(result.longitude, lim.lonLow - ResultSlack, lim.lonHigh + ResultSlack, true))
        return EastMessage(roma);
    return {};
}

SingleZonePlane SingleZoneForward(const SingleZoneParameters& p, int systemCode, double latitude,
                                  double longitude) {
    const double pi = Pi();
    const double deltaLambda = longitude - p.centralMeridian;
    const GaussForwardResult g =
        GaussForward(latitude * pi / 180.0, deltaLambda * pi / 180.0, systemCode, p.ScaleFactor);
    return {g.ProjNorth, g.ProjEast + p.falseEast};
}

SingleZoneGeographic SingleZoneInverse(const SingleZoneParameters& p, int systemCode, double north,
                                       double east) {
    return InDegrees(p, GaussInverseRefined(north, east - p.falseEast, systemCode, p.ScaleFactor));
}

std::string DefaultParametersText(int systemCode, int longitudeOrigin, int angleUnit) {
    // The meridian in the notation of the angles typed; ED50 and WGS84 keep
    // their sixth blank before the false East.
    const bool zero = MonteMarioLongitudes(systemCode, longitudeOrigin);
    const char* meridian = nullptr;
    switch (angleUnit) {
    case 2:
        meridian = zero ? "0.00000000°" : "12.00000000°";
        break;
    case 3:
        meridian = zero ? "0.00000000" : "12.00000000";
        break;
    case 4:
        meridian = zero ? "0° 00.000000'" : "12° 00.000000'";
        break;
    default:
        meridian = zero ? "0° 00' 00''" : "12° 00' 00''";
        break;
    }
    const char* gap = systemCode == ROMA40 ? " ;     " : " ;      ";
    return std::string(meridian) + gap + "Falsa origine Est = 1 000 000";
}

std::string MeridianDescriptionText(const SingleZoneSettings& s, std::string_view decimalSeparator) {
    if (s.MeridianChoice != TypedChoice)
        return MonteMarioLongitudes(s.systemCode, s.longitudeOrigin) ? "0° 00' 00''" : "12° 00' 00''";
    return FormatPattern(DegreesToSexagesimal(s.typedMeridian, 2) * 10000.0, "#0° 00' 00.00''",
                         decimalSeparator);
}

std::string PlainDecimalText(double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        return "0";
    if (value == 0.0)
        return "0";
    // Fifteen significant digits without an exponent, trailing zeros dropped.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = 14 - magnitude;
    if (decimals < 0)
        decimals = 0;
    if (decimals > 30)
        decimals = 30;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::vector<std::string> SingleZoneDescription(int systemCode, const std::string& meridian,
                                               const std::string& falseEast, const std::string& scale) {
    // The system's own lines of the plane windows' description, without the
    // lines about the national zones.
    const auto& system = PlaneSystemDescription(systemCode);
    std::vector<std::string> lines(system.begin(), system.begin() + 4);
    auto withValue = [](const char* caption, const std::string& value) {
        return value.empty() ? std::string(caption) : std::string(caption) + " " + value;
    };
    lines.push_back(withValue(SingleZoneMeridianCaption, meridian));
    lines.push_back(withValue(SingleZoneFalseEastCaption, falseEast));
    lines.push_back(withValue(SingleZoneScaleCaption, scale));
    return lines;
}

} // namespace tervano
