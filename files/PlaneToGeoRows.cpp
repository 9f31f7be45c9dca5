#include "files/PlaneToGeoRows.h"

namespace tervano::files {

PlaneToGeoRows::PlaneToGeoRows(const PageSettings& settings, System system, PlaneZone utmZone)
    : page_(settings) {
    page_.chooseSystem(system);
    if (system != System::ROMA40)
        page_.chooseZone(utmZone);
}

std::vector<InputRole> PlaneToGeoRows::inputs() const {
    return {{"nord", FieldKind::Length}, {"est", FieldKind::Length}};
}

std::vector<std::string> PlaneToGeoRows::resultHeader() const {
    return {"Latitudine", "Longitudine", "Fuso"};
}

std::optional<std::string> PlaneToGeoRows::convert(std::span<const TypedNumber> fields,
                                                   std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setNorth(TypedOf(fields[0], FieldKind::Length, unit));
    page_.setEast(TypedOf(fields[1], FieldKind::Length, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    results.push_back(AngleColumnOfText(page_.latitudeText()));
    results.push_back(AngleColumnOfText(page_.longitudeText()));
    results.emplace_back(ZoneColumn(Code(page_.resultZone())));
    return std::nullopt;
}

} // namespace tervano::files
