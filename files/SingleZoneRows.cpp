#include "files/SingleZoneRows.h"

namespace tervano::files {

namespace {

void ChooseZone(SingleZonePage& page, System system, const SingleZoneChoice& zone) {
    page.chooseSystem(system);
    if (zone.meridian) {
        page.chooseMeridian(ZoneParameter::Typed);
        page.setTypedMeridian(*zone.meridian);
        // The two boxes are typed together; an empty one reads as 0.
        page.setTypedFalseEast(zone.falseEast.value_or(TypedValue{0, true, ""}));
    }
    if (zone.scale) {
        page.chooseScale(ZoneParameter::Typed);
        page.setTypedScale(*zone.scale);
    }
}

} // namespace

SingleZoneGeoToPlaneRows::SingleZoneGeoToPlaneRows(const PageSettings& settings, System system,
                                                   const SingleZoneChoice& zone)
    : page_(settings) {
    ChooseZone(page_, system, zone);
}

std::vector<InputRole> SingleZoneGeoToPlaneRows::inputs() const {
    return {{"latitudine", FieldKind::Angle}, {"longitudine", FieldKind::Angle}};
}

std::vector<std::string> SingleZoneGeoToPlaneRows::resultHeader() const {
    return {"Nord", "Est"};
}

std::optional<std::string> SingleZoneGeoToPlaneRows::convert(std::span<const TypedNumber> fields,
                                                             std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setLatitude(TypedOf(fields[0], FieldKind::Angle, unit));
    page_.setLongitude(TypedOf(fields[1], FieldKind::Angle, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    results.push_back(LengthColumn(page_.northText()));
    results.push_back(LengthColumn(page_.eastText()));
    return std::nullopt;
}

SingleZonePlaneToGeoRows::SingleZonePlaneToGeoRows(const PageSettings& settings, System system,
                                                   const SingleZoneChoice& zone)
    : page_(settings) {
    ChooseZone(page_, system, zone);
}

std::vector<InputRole> SingleZonePlaneToGeoRows::inputs() const {
    return {{"nord", FieldKind::Length}, {"est", FieldKind::Length}};
}

std::vector<std::string> SingleZonePlaneToGeoRows::resultHeader() const {
    return {"Latitudine", "Longitudine"};
}

std::optional<std::string> SingleZonePlaneToGeoRows::convert(std::span<const TypedNumber> fields,
                                                             std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setNorth(TypedOf(fields[0], FieldKind::Length, unit));
    page_.setEast(TypedOf(fields[1], FieldKind::Length, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    results.push_back(AngleColumnOfText(page_.latitudeText()));
    results.push_back(AngleColumnOfText(page_.longitudeText()));
    return std::nullopt;
}

} // namespace tervano::files
