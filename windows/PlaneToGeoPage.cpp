#include "windows/PlaneToGeoPage.h"

#include "geodesy/PlaneConversions.h"
#include "geodesy/TextNumbers.h"

namespace tervano {

void PlaneToGeoPage::chooseSystem(System s) {
    if (s != system_)
        clearResult();
    system_ = s;
}

void PlaneToGeoPage::chooseZone(PlaneZone z) {
    if (z != zone_)
        clearResult();
    zone_ = z;
}

std::string PlaneToGeoPage::systemCaption() const {
    return SystemCaption(Code(system_));
}

std::string PlaneToGeoPage::planeCaption() const {
    return PlaneFrameCaption(Code(system_));
}

std::string PlaneToGeoPage::geographicCaption() const {
    return GeographicFrameCaption(Code(system_));
}

std::vector<std::string> PlaneToGeoPage::description() const {
    const auto& lines = PlaneSystemDescription(Code(system_));
    return {lines.begin(), lines.end()};
}

bool PlaneToGeoPage::greenwichLongitudes() const {
    return system_ == System::ROMA40 && settings().longitudeOrigin == 2;
}

std::optional<Refusal> PlaneToGeoPage::execute() {
    clearResult();
    const InputCheck check =
        CheckPlaneForGeographic(Code(system_), north_.value, east_.value, north_.valid, east_.valid);
    if (!check.ok())
        return RefusalOf(check);
    const PlaneToGeoResult r = PlaneToGeographic(Code(system_), Code(zone_), north_.value, east_.value,
                                                 settings().longitudeOrigin, ScaleFactorUTM);
    latitude_ = r.Latitude;
    longitude_ = r.Longitude;
    resultZone_ = static_cast<PlaneZone>(r.ZoneCode);
    hasResult_ = true;
    return std::nullopt;
}

std::string PlaneToGeoPage::latitudeText() const {
    return hasResult_ ? FormatResultAngle(latitude_, settings().angleUnit, settings().decimalPoint) : "";
}

std::string PlaneToGeoPage::longitudeText() const {
    return hasResult_ ? FormatResultAngle(longitude_, settings().angleUnit, settings().decimalPoint) : "";
}

CopiedCoordinatesRecord PlaneToGeoPage::copyRecord() const {
    CopiedCoordinatesRecord c;
    c.Kind = CopiedKind::Geographic;
    c.Latitude = latitude_;
    c.Longitude = longitude_;
    c.SystemCode = Code(system_);
    return c;
}

void PlaneToGeoPage::paste(const CopiedCoordinatesRecord& c) {
    // The point's system and, for UTM, its zone; a Gauss-Boaga zone follows from East.
    chooseSystem(static_cast<System>(c.SystemCode));
    if (system_ != System::ROMA40)
        chooseZone(static_cast<PlaneZone>(c.ZoneCode));
    north_ = {c.North, true, FormatPattern(c.North, Patterns::Metres, settings().decimalPoint)};
    east_ = {c.East, true, FormatPattern(c.East, Patterns::Metres, settings().decimalPoint)};
    clearResult();
}

std::string PlaneToGeoPage::printTitle() const {
    return "TRASFORMAZIONE COORDINATE DA PIANE A GEOGRAFICHE";
}

PrintedBlock PlaneToGeoPage::printedBlock(const PrintTexts& t) const {
    PrintedBlock b;
    b.start(t, systemCaption(), description(), pointName());
    b.line(11, true, {planeCaption(), ": ", ZoneCaptionHand(Code(resultZone_))});
    b.line(11, false, {"Nord: ", north_.shown, t.gapWide, "Est: ", east_.shown});
    b.empty();
    b.line(11, true, {geographicCaption(), greenwichLongitudes() ? "  (Long. da Greenwich)" : ""});
    b.line(11, false, {"Latitudine: ", latitudeText(), t.gapWide, "Longitudine: ", longitudeText()});
    b.empty();
    return b.end(t);
}

} // namespace tervano
