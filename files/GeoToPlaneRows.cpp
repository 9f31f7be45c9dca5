#include "files/GeoToPlaneRows.h"

namespace tervano::files {

GeoToPlaneRows::GeoToPlaneRows(const PageSettings& settings, System system, std::optional<PlaneZone> handZone)
    : page_(settings) {
    page_.chooseSystem(system);
    if (handZone) {
        page_.chooseZone(ZoneChoice::ByHand);
        page_.chooseHandZone(*handZone);
    }
}

std::vector<InputRole> GeoToPlaneRows::inputs() const {
    return {{"latitudine", FieldKind::Angle}, {"longitudine", FieldKind::Angle}};
}

std::vector<std::string> GeoToPlaneRows::resultHeader() const {
    return {"Nord", "Est", "Fuso", "Nord sovrapposizione", "Est sovrapposizione", "Fuso sovrapposizione"};
}

std::optional<std::string> GeoToPlaneRows::convert(std::span<const TypedNumber> fields,
                                                   std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setLatitude(TypedOf(fields[0], FieldKind::Angle, unit));
    page_.setLongitude(TypedOf(fields[1], FieldKind::Angle, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    const GeoToPlanePage::Result& r = page_.result();
    results.push_back(LengthColumn(r.north));
    results.push_back(LengthColumn(r.east));
    results.emplace_back(ZoneColumn(r.values.MembershipZoneCode));
    if (r.values.OverlapShown) {
        results.push_back(LengthColumn(r.overlapNorth));
        results.push_back(LengthColumn(r.overlapEast));
        results.emplace_back(ZoneColumn(r.values.OverlapZoneCode));
    } else {
        results.resize(6);
    }
    return std::nullopt;
}

} // namespace tervano::files
