#include "windows/SingleZoneGeoToPlanePage.h"

#include "geodesy/TextNumbers.h"

namespace tervano {

void SingleZoneGeoToPlanePage::setLatitude(const TypedValue& degrees) {
    if (Differs(degrees, latitude_))
        clearResult();
    latitude_ = degrees;
}

void SingleZoneGeoToPlanePage::setLongitude(const TypedValue& degrees) {
    if (Differs(degrees, longitude_))
        clearResult();
    longitude_ = degrees;
}

std::optional<Refusal> SingleZoneGeoToPlanePage::execute() {
    clearResult();
    const SingleZoneSettings s = zone();
    const InputCheck check =
        CheckSingleZoneGeographic(s, latitude_.value, longitude_.value, latitude_.valid, longitude_.valid);
    if (!check.ok())
        return RefusalOf(check);
    const SingleZonePlane r =
        SingleZoneForward(ResolveParameters(s), s.systemCode, latitude_.value, longitude_.value);
    north_ = r.North;
    east_ = r.East;
    hasResult_ = true;
    return std::nullopt;
}

std::string SingleZoneGeoToPlanePage::northText() const {
    return hasResult_ ? FormatPattern(north_, Patterns::Metres, settings().decimalPoint) : std::string();
}

std::string SingleZoneGeoToPlanePage::eastText() const {
    return hasResult_ ? FormatPattern(east_, Patterns::Metres, settings().decimalPoint) : std::string();
}

bool SingleZoneGeoToPlanePage::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    return c.Kind == CopiedKind::Geographic && c.isGeographic();
}

CopiedCoordinatesRecord SingleZoneGeoToPlanePage::copyRecord() const {
    CopiedCoordinatesRecord c;
    if (!hasResult_)
        return c;
    const SingleZoneParameters p = parameters();
    c.Kind = CopiedKind::Plane;
    c.North = north_;
    c.East = east_;
    c.SystemCode = Code(system());
    c.ZoneCode = 0; // this single zone, not a national one
    c.SingleZoneMeridian = p.centralMeridian;
    c.SingleZoneFalseEast = p.falseEast;
    c.SingleZoneScale = p.ScaleFactor;
    return c;
}

void SingleZoneGeoToPlanePage::paste(const CopiedCoordinatesRecord& c) {
    if (IsSystemCode(c.SystemCode))
        chooseSystem(static_cast<System>(c.SystemCode));
    setLatitude({c.Latitude, true, ""});
    setLongitude({c.Longitude, true, ""});
    clearResult();
}

PrintedBlock SingleZoneGeoToPlanePage::printedBlock(const PrintTexts& t) const {
    return block(t, geographicHeading(), {"Latitudine: ", latitude_.shown, "Longitudine: ", longitude_.shown},
                 SingleZonePlaneCaption, {"Nord: ", northText(), "Est: ", eastText()});
}

} // namespace tervano
