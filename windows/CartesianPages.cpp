#include "windows/CartesianPages.h"

#include "geodesy/CartesianConversions.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/TextNumbers.h"

namespace tervano {

// ---- shared ----

void CartesianPage::chooseSystem(System s) {
    if (s != system_)
        clearResult();
    system_ = s;
}

void CartesianPage::chooseAxis(XAxis a) {
    if (a != axis_)
        clearResult();
    axis_ = a;
}

std::string CartesianPage::systemCaption() const {
    return SystemCaption(Code(system_));
}

std::string CartesianPage::geographicCaption() const {
    return GeographicFrameCaption(Code(system_));
}

std::string CartesianPage::cartesianCaption() const {
    return CartesianFrameCaption(Code(system_));
}

std::vector<std::string> CartesianPage::description() const {
    const auto& lines = CartesianSystemDescription(Code(system_));
    return {lines.begin(), lines.end()};
}

bool CartesianPage::greenwichNotice() const {
    return system_ == System::ROMA40 && settings().longitudeOrigin == 2;
}

bool CartesianPage::shiftsToGreenwichAxis() const {
    return ShiftsToGreenwichAxis(Code(system_), static_cast<int>(axis_), settings().longitudeOrigin);
}

std::string CartesianPage::angleText(double degrees) const {
    return FormatResultAngle(degrees, settings().angleUnit, settings().decimalPoint);
}

std::string CartesianPage::greenwichLongitudeText() const {
    return hasResult_ && greenwichShown_ ? angleText(greenwichLongitude_) : "";
}

void CartesianPage::pasteReference(const CopiedCoordinatesRecord& c) {
    chooseSystem(static_cast<System>(c.SystemCode));
    // A record without an XZ plane leaves the one chosen.
    if (c.AxisChoice == static_cast<int>(XAxis::ThroughMonteMario) ||
        c.AxisChoice == static_cast<int>(XAxis::ThroughGreenwich))
        chooseAxis(static_cast<XAxis>(c.AxisChoice));
}

void CartesianPage::printGeographic(PrintedBlock& b, const PrintTexts& t,
                                    const std::array<std::string, 3>& values, bool typed) const {
    b.line(11, true, {geographicCaption() + (greenwichNotice() ? "  (Long. da Greenwich)" : "")});
    b.line(11, false,
           {"Lat.: ", values[0], t.gapNarrow, "Long.: ", values[1], t.gapNarrow,
            typed ? "Q. ellis.: " : "Quota elliss.: ", values[2]});
    // The Greenwich row only when the longitudes were shifted to the Greenwich axis.
    if (shiftsToGreenwichAxis())
        b.line(11, false, {"Long. da Greenwich: ", greenwichLongitudeText()});
    b.empty();
}

void CartesianPage::printCartesian(PrintedBlock& b, const PrintTexts& t,
                                   const std::array<std::string, 3>& values) const {
    const bool greenwichAxis =
        system_ == System::ROMA40 && (axis_ == XAxis::ThroughGreenwich || settings().longitudeOrigin == 2);
    b.line(11, true, {cartesianCaption() + (greenwichAxis ? "  (Asse X per Greenwich)" : "")});
    b.line(11, false, {"X: ", values[0], t.gapNarrow, "Y: ", values[1], t.gapNarrow, "Z: ", values[2]});
    b.empty();
}

// ---- geographic to cartesian ----

std::optional<Refusal> GeoToCartesianPage::execute() {
    clearResult();
    const InputCheck check = CheckGeographicInput(latitude_.value, longitude_.value, height_.value,
                                                  latitude_.valid, longitude_.valid, height_.valid);
    if (!check.ok())
        return RefusalOf(check);
    const GeographicToCartesianOutcome r =
        ConvertGeographicToCartesian(latitude_.value, longitude_.value, height_.value, Code(system_),
                                     static_cast<int>(axis_), settings().longitudeOrigin);
    greenwichShown_ = r.greenwichShown;
    greenwichLongitude_ = r.greenwichLongitude;
    x_ = r.CartX;
    y_ = r.CartY;
    z_ = r.CartZ;
    hasResult_ = true;
    return std::nullopt;
}

std::array<std::string, 3> GeoToCartesianPage::resultTexts() const {
    if (!hasResult_)
        return {};
    const std::string& point = settings().decimalPoint;
    return {FormatPattern(x_, Patterns::Metres, point), FormatPattern(y_, Patterns::Metres, point),
            FormatPattern(z_, Patterns::Metres, point)};
}

CopiedCoordinatesRecord GeoToCartesianPage::copyRecord() const {
    CopiedCoordinatesRecord c;
    c.Kind = CopiedKind::Cartesian;
    c.X = x_;
    c.Y = y_;
    c.Z = z_;
    c.AxisChoice = static_cast<int>(axis_);
    c.SystemCode = Code(system_);
    return c;
}

void GeoToCartesianPage::paste(const CopiedCoordinatesRecord& c) {
    pasteReference(c);
    latitude_ = {c.Latitude, true, angleText(c.Latitude)};
    longitude_ = {c.Longitude, true, angleText(c.Longitude)};
    heightPasted_ = c.Kind == CopiedKind::GeographicHeight;
    if (heightPasted_)
        height_ = {c.Height, true, FormatPattern(c.Height, Patterns::Height, settings().decimalPoint)};
    clearResult();
}

std::string GeoToCartesianPage::printTitle() const {
    return "TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A CARTESIANE";
}

PrintedBlock GeoToCartesianPage::printedBlock(const PrintTexts& t) const {
    PrintedBlock b;
    b.start(t, systemCaption(), description(), pointName());
    // The typed coordinates first, then the results.
    printGeographic(b, t, {latitude_.shown, longitude_.shown, height_.shown}, true);
    printCartesian(b, t, resultTexts());
    return b.end(t);
}

// ---- cartesian to geographic ----

std::optional<Refusal> CartesianToGeoPage::execute() {
    clearResult();
    const InputCheck check = CheckCartesianInput(x_.value, y_.value, z_.value, x_.valid, y_.valid, z_.valid);
    if (!check.ok())
        return RefusalOf(check);
    const CartesianToGeographicOutcome r = ConvertCartesianToGeographic(
        x_.value, y_.value, z_.value, Code(system_), static_cast<int>(axis_), settings().longitudeOrigin);
    // A point on the polar axis has no longitude: refused like a value out of range.
    if (!r.ok)
        return RefusalOf(r.refusal);
    latitude_ = r.latitude;
    longitude_ = r.longitude;
    height_ = r.height;
    greenwichShown_ = r.greenwichShown;
    greenwichLongitude_ = r.greenwichLongitude;
    hasResult_ = true;
    return std::nullopt;
}

std::array<std::string, 3> CartesianToGeoPage::resultTexts() const {
    if (!hasResult_)
        return {};
    return {angleText(latitude_), angleText(longitude_),
            FormatPattern(height_, Patterns::Height, settings().decimalPoint)};
}

CopiedCoordinatesRecord CartesianToGeoPage::copyRecord() const {
    CopiedCoordinatesRecord c;
    c.Kind = CopiedKind::GeographicHeight;
    c.Latitude = latitude_;
    c.Longitude = longitude_;
    c.Height = height_;
    c.AxisChoice = static_cast<int>(axis_);
    c.SystemCode = Code(system_);
    return c;
}

void CartesianToGeoPage::paste(const CopiedCoordinatesRecord& c) {
    pasteReference(c);
    const std::string& point = settings().decimalPoint;
    x_ = {c.X, true, FormatPattern(c.X, Patterns::Metres, point)};
    y_ = {c.Y, true, FormatPattern(c.Y, Patterns::Metres, point)};
    z_ = {c.Z, true, FormatPattern(c.Z, Patterns::Metres, point)};
    clearResult();
}

std::string CartesianToGeoPage::printTitle() const {
    return "TRASFORMAZIONE COORDINATE DA CARTESIANE A GEOGRAFICHE";
}

PrintedBlock CartesianToGeoPage::printedBlock(const PrintTexts& t) const {
    PrintedBlock b;
    b.start(t, systemCaption(), description(), pointName());
    printCartesian(b, t, {x_.shown, y_.shown, z_.shown});
    printGeographic(b, t, resultTexts(), false);
    return b.end(t);
}

} // namespace tervano
