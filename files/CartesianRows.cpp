#include "files/CartesianRows.h"

namespace tervano::files {

GeoToCartesianRows::GeoToCartesianRows(const PageSettings& settings, System system, XAxis axis)
    : page_(settings) {
    page_.chooseSystem(system);
    page_.chooseAxis(axis);
}

std::vector<InputRole> GeoToCartesianRows::inputs() const {
    return {
        {"latitudine", FieldKind::Angle}, {"longitudine", FieldKind::Angle}, {"quota", FieldKind::Length}};
}

std::vector<std::string> GeoToCartesianRows::resultHeader() const {
    return {"X", "Y", "Z", "Long. da Greenwich"};
}

std::optional<std::string> GeoToCartesianRows::convert(std::span<const TypedNumber> fields,
                                                       std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setLatitude(TypedOf(fields[0], FieldKind::Angle, unit));
    page_.setLongitude(TypedOf(fields[1], FieldKind::Angle, unit));
    page_.setHeight(TypedOf(fields[2], FieldKind::Length, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    for (const std::string& shown : page_.resultTexts())
        results.push_back(LengthColumn(shown));
    results.push_back(AngleColumnOfText(page_.greenwichLongitudeText()));
    return std::nullopt;
}

CartesianToGeoRows::CartesianToGeoRows(const PageSettings& settings, System system, XAxis axis)
    : page_(settings) {
    page_.chooseSystem(system);
    page_.chooseAxis(axis);
}

std::vector<InputRole> CartesianToGeoRows::inputs() const {
    return {{"x", FieldKind::Length}, {"y", FieldKind::Length}, {"z", FieldKind::Length}};
}

std::vector<std::string> CartesianToGeoRows::resultHeader() const {
    return {"Latitudine", "Longitudine", "Quota", "Long. da Greenwich"};
}

std::optional<std::string> CartesianToGeoRows::convert(std::span<const TypedNumber> fields,
                                                       std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setX(TypedOf(fields[0], FieldKind::Length, unit));
    page_.setY(TypedOf(fields[1], FieldKind::Length, unit));
    page_.setZ(TypedOf(fields[2], FieldKind::Length, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    const std::array<std::string, 3> shown = page_.resultTexts();
    results.push_back(AngleColumnOfText(shown[0]));
    results.push_back(AngleColumnOfText(shown[1]));
    results.push_back(LengthColumn(shown[2]));
    results.push_back(AngleColumnOfText(page_.greenwichLongitudeText()));
    return std::nullopt;
}

} // namespace tervano::files
