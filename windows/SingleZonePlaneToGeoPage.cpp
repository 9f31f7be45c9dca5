#include "windows/SingleZonePlaneToGeoPage.h"

#include "geodesy/TextNumbers.h"

namespace tervano {

void SingleZonePlaneToGeoPage::setNorth(const TypedValue& metres) {
    if (Differs(metres, north_))
        clearResult();
    north_ = metres;
}

void SingleZonePlaneToGeoPage::setEast(const TypedValue& metres) {
    if (Differs(metres, east_))
        clearResult();
    east_ = metres;
}

std::optional<Refusal> SingleZonePlaneToGeoPage::execute() {
    clearResult();
    const SingleZoneSettings s = zone();
    const InputCheck check = CheckSingleZonePlane(s, north_.value, east_.value, north_.valid, east_.valid);
    if (!check.ok())
        return RefusalOf(check);
    const SingleZoneGeographic r =
        SingleZoneInverse(ResolveParameters(s), s.systemCode, north_.value, east_.value);
    latitude_ = r.latitude;
    longitude_ = r.longitude;
    hasResult_ = true;
    return std::nullopt;
}

std::string SingleZonePlaneToGeoPage::latitudeText() const {
    return hasResult_ ? FormatResultAngle(latitude_, settings().angleUnit, settings().decimalPoint)
                      : std::string();
}

std::string SingleZonePlaneToGeoPage::longitudeText() const {
    return hasResult_ ? FormatResultAngle(longitude_, settings().angleUnit, settings().decimalPoint)
                      : std::string();
}

bool SingleZonePlaneToGeoPage::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    if (c.Kind != CopiedKind::Plane || c.ZoneCode != 0 || !c.hasSystem())
        return false;
    SingleZoneSettings s = zone();
    s.systemCode = c.SystemCode;
    const SingleZoneParameters p = ResolveParameters(s);
    return p.centralMeridian == c.SingleZoneMeridian && p.falseEast == c.SingleZoneFalseEast &&
           p.ScaleFactor == c.SingleZoneScale;
}

CopiedCoordinatesRecord SingleZonePlaneToGeoPage::copyRecord() const {
    CopiedCoordinatesRecord c;
    if (!hasResult_)
        return c;
    c.Kind = CopiedKind::Geographic;
    c.Latitude = latitude_;
    c.Longitude = longitude_;
    c.SystemCode = Code(system());
    return c;
}

void SingleZonePlaneToGeoPage::paste(const CopiedCoordinatesRecord& c) {
    if (IsSystemCode(c.SystemCode))
        chooseSystem(static_cast<System>(c.SystemCode));
    setNorth({c.North, true, ""});
    setEast({c.East, true, ""});
    clearResult();
}

PrintedBlock SingleZonePlaneToGeoPage::printedBlock(const PrintTexts& t) const {
    return block(t, SingleZonePlaneCaption, {"Nord: ", north_.shown, "Est: ", east_.shown},
                 geographicHeading(), {"Latitudine: ", latitudeText(), "Longitudine: ", longitudeText()});
}

} // namespace tervano
