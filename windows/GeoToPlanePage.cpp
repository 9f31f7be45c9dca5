#include "windows/GeoToPlanePage.h"

#include "geodesy/TextNumbers.h"

namespace tervano {

namespace {
PlaneZone FirstHandZone(System s) {
    return s == System::ROMA40 ? PlaneZone::GBOvest : PlaneZone::UTM32;
}
} // namespace

std::vector<PlaneZone> GeoToPlanePage::HandZones(System s) {
    if (s == System::ROMA40)
        return {PlaneZone::GBOvest, PlaneZone::GBEst};
    return {PlaneZone::UTM32, PlaneZone::UTM33, PlaneZone::UTM34};
}

void GeoToPlanePage::chooseSystem(System s) {
    system_ = s;
    handZone_ = FirstHandZone(s);
    clearResult();
}

void GeoToPlanePage::chooseZone(ZoneChoice c) {
    zoneChoice_ = c;
    handZone_ = FirstHandZone(system_);
    clearResult();
}

void GeoToPlanePage::chooseHandZone(PlaneZone z) {
    handZone_ = z;
    clearResult();
}

bool GeoToPlanePage::greenwichShiftApplies() const {
    return system_ == System::ROMA40 && settings_.longitudeOrigin == 2;
}

double GeoToPlanePage::computedLongitude() const {
    return greenwichShiftApplies() ? longitude_.value - GreenwichShift() : longitude_.value;
}

std::string GeoToPlanePage::systemCaption() const {
    return SystemCaption(Code(system_));
}
std::string GeoToPlanePage::geographicCaption() const {
    return GeographicFrameCaption(Code(system_));
}
std::string GeoToPlanePage::planeCaption() const {
    return PlaneFrameCaption(Code(system_));
}
std::vector<std::string> GeoToPlanePage::description() const {
    const auto& lines = PlaneSystemDescription(Code(system_));
    return {lines.begin(), lines.end()};
}

std::string GeoToPlanePage::zoneCaption() const {
    if (zoneChoice_ == ZoneChoice::ByHand)
        return ZoneCaptionHand(Code(handZone_));
    return hasResult_ ? ZoneCaptionMembership(result_.values.MembershipZoneCode) : "";
}

std::optional<Refusal> GeoToPlanePage::execute() {
    clearResult();
    const InputCheck check = CheckGeographicForPlane(Code(system_), latitude_.value, computedLongitude(),
                                                     latitude_.valid, longitude_.valid);
    if (!check.ok())
        return RefusalOf(check);
    // zoneMode of the engine: 1 membership, 2 Gauss-Boaga by hand, 3 UTM by hand.
    const int zoneMode = zoneChoice_ == ZoneChoice::Membership ? 1 : system_ == System::ROMA40 ? 2 : 3;
    result_ = Result{};
    result_.values = GeographicToPlane(Code(system_), zoneMode, Code(handZone_), latitude_.value,
                                       computedLongitude(), ScaleFactorUTM);
    const std::string& point = settings_.decimalPoint;
    result_.north = FormatPattern(result_.values.North, Patterns::Metres, point);
    result_.east = FormatPattern(result_.values.East, Patterns::Metres, point);
    if (result_.values.OverlapShown) {
        result_.overlapNorth = FormatPattern(result_.values.OverlapNorth, Patterns::Metres, point);
        result_.overlapEast = FormatPattern(result_.values.OverlapEast, Patterns::Metres, point);
        result_.overlapCaption = ZoneCaptionOverlap(result_.values.OverlapZoneCode);
    }
    hasResult_ = true;
    return std::nullopt;
}

CopiedCoordinatesRecord GeoToPlanePage::copyRecord() const {
    CopiedCoordinatesRecord c;
    c.Kind = CopiedKind::Plane;
    c.North = result_.values.North;
    c.East = result_.values.East;
    c.SystemCode = Code(system_);
    c.ZoneCode = result_.values.MembershipZoneCode;
    return c;
}

void GeoToPlanePage::paste(const CopiedCoordinatesRecord& c) {
    // The point's own system first: the Greenwich shift of the longitude follows it.
    if (IsSystemCode(c.SystemCode) && System(c.SystemCode) != system_)
        chooseSystem(System(c.SystemCode));
    // The decimal degrees come from the record; the boxes show them as they write them.
    latitude_ = TypedValue{c.Latitude, true, {}};
    longitude_ = TypedValue{c.Longitude, true, {}};
    clearResult();
}

PrintedBlock GeoToPlanePage::printedBlock(const PrintTexts& t) const {
    PrintedBlock b;
    b.start(t, systemCaption(), description(), pointName_);
    b.line(11, true, {geographicCaption(), greenwichShiftApplies() ? "  (Long. da Greenwich)" : ""});
    b.line(11, false, {"Latitudine: ", latitude_.shown, t.gapWide, "Longitudine: ", longitude_.shown});
    b.empty();
    b.line(11, true, {planeCaption(), " - ", zoneCaption()});
    b.line(11, false, {"Nord: ", result_.north, t.gapWide, "Est: ", result_.east});
    b.empty();
    if (result_.values.OverlapShown) {
        b.line(11, true, {planeCaption(), " - ", result_.overlapCaption});
        b.line(11, false, {"Nord: ", result_.overlapNorth, t.gapWide, "Est: ", result_.overlapEast});
    }
    return b.end(t);
}

} // namespace tervano
