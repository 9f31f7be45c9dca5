#include "geodesy/SingleZone.h"

#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
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

InputCheck CheckScale(const SingleZoneSettings& s) {
    if (s.ScaleChoice == TypedChoice && !Within(s.typedScale, SingleZoneScaleMin, SingleZoneScaleMax))
        return Refused(InputScaleFactor,
                       {"VALORE DEL FATTORE DI SCALA", "SUL MERIDIANO CENTRALE", "NON AMMESSO DAL PROGRAMMA"},
                       CheckIcon::Error);
    return Passed();
}

// The meridian's message of the geographic direction, which the plane
// direction also uses for ROMA40.
std::vector<std::string> MeridianMessage() {
    return {"VALORE DELLA LONGITUDINE DEL MERIDIANO", "CENTRALE NON AMMESSO DAL PROGRAMMA",
            "PER IL SISTEMA INDICATO"};
}

} // namespace

double DefaultCentralMeridian(int systemCode, int longitudeOrigin) {
    return MonteMarioLongitudes(systemCode, longitudeOrigin) ? 0.0 : 12.0;
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

InputCheck CheckSingleZoneGeographic(const SingleZoneSettings& s, double latitude, double longitude) {
    if (InputCheck c = CheckScale(s); !c.ok)
        return c;
    const GeographicLimits lim = LimitsFor(s.systemCode, s.longitudeOrigin);
    const bool roma = s.systemCode == ROMA40;
    if (!Within(latitude, lim.latLow, lim.latHigh))
        return Refused(InputZoneLatitude,
                       roma ? std::vector<std::string>{"VALORE DELLA LATITUDINE NON",
                                                       "AMMISSIBILE PER IL SISTEMA INDICATO"}
                            : std::vector<std::string>{"VALORE DELLA LATITUDINE", "NON AMMISSIBILE"},
                       CheckIcon::Error);
    if (!Within(longitude, lim.lonLow, lim.lonHigh))
        return Refused(InputZoneLongitude,
                       roma ? std::vector<std::string>{"VALORE DELLA LONGITUDINE NON",
                                                       "AMMISSIBILE PER IL SISTEMA INDICATO"}
                            : std::vector<std::string>{"VALORE DELLA LONGITUDINE", "NON AMMISSIBILE"},
                       CheckIcon::Error);
    if (s.MeridianChoice == TypedChoice && !Within(s.typedMeridian, lim.lonLow, lim.lonHigh))
        return Refused(InputCentralMeridian, MeridianMessage(), CheckIcon::Error);
    return Passed();
}

InputCheck CheckSingleZonePlane(const SingleZoneSettings& s, double north, double east) {
    if (InputCheck c = CheckScale(s); !c.ok)
        return c;
    const bool roma = s.systemCode == ROMA40;
    const double fe = ResolveParameters(s).falseEast;
    const double northLow = roma ? 3964000.0 : 117000.0;
    const double northHigh = roma ? 5523000.0 : 8950000.0;
    const double eastReach = roma ? 1281000.0 : 2272000.0;
    if (!Within(north, northLow, northHigh))
        return Refused(InputZoneNorth,
                       roma ? std::vector<std::string>{"VALORE DELLA COORDINATA NORD NON",
                                                       "AMMISSIBILE PER IL SISTEMA INDICATO"}
                            : std::vector<std::string>{"VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"},
                       CheckIcon::Error);
    // The lower limit mirrors the upper one about zero, not about the false East.
    if (!Within(east, -(eastReach + fe), fe + eastReach))
        return Refused(InputZoneEast,
                       roma ? std::vector<std::string>{"VALORE DELLA COORDINATA EST NON",
                                                       "AMMISSIBILE PER IL SISTEMA INDICATO"}
                            : std::vector<std::string>{"VALORE DELLA COORDINATA EST", "NON AMMISSIBILE"},
                       CheckIcon::Error);
    if (s.MeridianChoice == TypedChoice) {
        const GeographicLimits lim = LimitsFor(s.systemCode, s.longitudeOrigin);
        if (!Within(s.typedMeridian, lim.lonLow, lim.lonHigh))
            return Refused(InputCentralMeridian,
                           roma ? MeridianMessage()
                                : std::vector<std::string>{"VALORE DELLA LONGITUDINE DEL MERIDIANO CENTRALE",
                                                           "NON AMMESSO DAL PROGRAMMA ",
                                                           "PER IL SISTEMA INDICATO"},
                           CheckIcon::Error);
    }
    return Passed();
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
    const double pi = Pi();
    const GaussInverseResult g = GaussInverse(north, east - p.falseEast, systemCode, p.ScaleFactor);
    return {g.GeoLatitude * 180.0 / pi, g.GeoDeltaLongitude * 180.0 / pi + p.centralMeridian};
}

std::string DefaultParametersText(int systemCode, int longitudeOrigin, int angleUnit) {
    if (systemCode != ROMA40)
        return "12° 00' 00'' ;      Falsa origine Est = 1 000 000";
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
    return std::string(meridian) + " ;     Falsa origine Est = 1 000 000";
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

std::vector<std::string> SingleZoneSystemLines(int systemCode) {
    switch (systemCode) {
    case ED50:
        return {"Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297",
                "Orientamento: medio europeo (definizione 1950)", "Origini delle longitudini: GREENWICH",
                "Coord. di ROMA M.M.: Lat.= 41°55'31.487''; Long.= 12°27'10.93''"};
    case WGS84:
        return {"Sistema Cartesiano OXYZ nel centro di massa della Terra",
                "Ellissoide associato: a = 6 378 137, f = 1/298.257222101",
                "Origini delle longitudini: GREENWICH",
                "Coord. di ROMA M.M.: Lat.= 41°55'27.851''; Long.= 12°27'07.658''"};
    default:
        return {"Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297",
                "Orientamento: Roma M.Mario (definizione astron. 1940)", "      Lat.= 41°55'25.51''",
                "      Long.= 0° (12°27'08.400'' est da Greenwich)"};
    }
}

std::vector<std::string> SingleZoneDescription(int systemCode, const std::string& meridian,
                                               const std::string& falseEast, const std::string& scale) {
    std::vector<std::string> lines = SingleZoneSystemLines(systemCode);
    auto withValue = [](const char* caption, const std::string& value) {
        return value.empty() ? std::string(caption) : std::string(caption) + " " + value;
    };
    lines.push_back(withValue(SingleZoneMeridianCaption, meridian));
    lines.push_back(withValue(SingleZoneFalseEastCaption, falseEast));
    lines.push_back(withValue(SingleZoneScaleCaption, scale));
    return lines;
}

} // namespace tervano
