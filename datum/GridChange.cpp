#include "datum/GridChange.h"

namespace tervano {

std::optional<System> GridSourceFromHeader(const Ntv2Grid&) {
    return std::nullopt;
}

bool GridJoins(const GridMethod& m, System a, System b) {
    return (a == m.gridSource && b == System::WGS84) || (b == m.gridSource && a == System::WGS84);
}

ChangeOutcome ChangeGeographicByGrid(const GridMethod&, const GeographicChangeInput&) {
    ChangeOutcome r;
    r.status = ChangeStatus::NotComputable;
    r.message = GridOutsideText();
    return r;
}

ChangeOutcome ChangePlaneByGrid(const GridMethod&, const PlaneChangeInput&) {
    ChangeOutcome r;
    r.status = ChangeStatus::NotComputable;
    r.message = GridOutsideText();
    return r;
}

std::string GridOutsideText() {
    return "PUNTO NON CALCOLABILE:\r\rIL PUNTO È FUORI DAL GRIGLIATO NTv2";
}

} // namespace tervano
