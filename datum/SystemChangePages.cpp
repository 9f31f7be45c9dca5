#include "datum/SystemChangePages.h"

#include "datum/CommonPointSearch.h"
#include "geodesy/TextNumbers.h"

#include <cmath>

namespace tervano {

namespace {

const char* const SystemNames[3] = {"ROMA40", "ED50", "WGS84"};
const char* const PlaneCaptions[3] = {"GAUSS-BOAGA", "UTM (ED50)", "UTM (WGS84)"};
const char* const PlaneFrames[3] = {"Coordinate piane GAUSS BOAGA", "Coordinate piane UTM-ED50",
                                    "Coordinate piane UTM-WGS84"};
// The plane source frame as a choice of ED50 on the plane tab writes it,
// until the tabs take the focus again.
const char* const PlaneFrameChosenED50 = "Coordinate piane UTM (ED50)";

std::string Name(System s) {
    return SystemNames[Code(s) - 1];
}

std::string GeographicFrame(System s) {
    return "Coordinate geografiche " + Name(s);
}

// "  (Fuso 32)" ... for the UTM zones, nothing for the ROMA40 ones.
std::string ZoneSuffix(PlaneZone zone) {
    const int code = Code(zone);
    return code >= UTM32 && code <= UTM34 ? "  (Fuso " + std::to_string(31 + code) + ")" : std::string();
}

// The engine's message, lines joined by "\r", as lines (empty ones kept).
std::vector<std::string> Lines(const std::string& message) {
    std::vector<std::string> lines(1);
    for (char ch : message) {
        if (ch == '\r')
            lines.emplace_back();
        else
            lines.back() += ch;
    }
    return lines;
}

// Blanks of a digit pattern's padding removed.
std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// A long name cut in the middle to about `most` bytes, never inside a UTF-8 character.
std::string Shortened(const std::string& name, size_t most) {
    if (name.size() <= most)
        return name;
    auto continuation = [&](size_t i) { return i < name.size() && (name[i] & 0xC0) == 0x80; };
    size_t head = most / 2 - 1;
    while (head > 0 && continuation(head))
        --head;
    size_t tail = name.size() - (most - head - 3);
    while (continuation(tail))
        ++tail;
    return name.substr(0, head) + "..." + name.substr(tail);
}

} // namespace

int TableAccuracyMetres(System a, System b) {
    const bool roma = a == System::ROMA40 || b == System::ROMA40;
    const bool wgs = a == System::WGS84 || b == System::WGS84;
    if (roma && wgs)
        return 5; // the Monte Mario sets, about 4 m, and at most 0.65 m of the table
    if (roma)
        return 11; // the Monte Mario sets and EPSG:1133 together, and at most 0.48 m of the table
    return 10;     // EPSG:1133, about 10 m, and at most 0.17 m of the table
}

void SystemChangePage::chooseMethod(ChangeMethod m) {
    method_ = m;
    hasResult_ = false;
}

void SystemChangePage::setGrid(GridChoice g) {
    grid_ = std::move(g);
    hasResult_ = false;
}

std::string SystemChangePage::subgridName() const {
    if (!hasResult_ || method_ != ChangeMethod::Grid || !grid_.grid || subgrid_ < 0 ||
        subgrid_ >= int(grid_.grid->subgrids.size()))
        return {};
    return grid_.grid->subgrids[size_t(subgrid_)].name;
}

std::vector<std::string> SystemChangePage::methodLines() const {
    if (!hasResult_)
        return {};
    if (method_ == ChangeMethod::Table) {
        const std::string distance =
            Trimmed(FormatPattern(commonPointDistance_, Patterns::MetresWhole, settings_.decimalPoint));
        return {"Metodo: tabella dei punti comuni, precisione circa " +
                    std::to_string(TableAccuracyMetres(source_, target_)) + " m",
                "Punto comune " + std::to_string(commonPointRow_) + " a " + distance + " m: " +
                    (poorReliability_ ? "risultato di scarsa attendibilità" : "risultato attendibile")};
    }
    if (!grid_.grid)
        return {};
    const Ntv2Grid& g = *grid_.grid;
    return {"Metodo: grigliato NTv2 " + Shortened(grid_.fileName, 40),
            "Sottogriglia " + subgridName() + ", da " + g.sourceName + " a " + g.targetName + " (" +
                Name(grid_.gridSource) + " - WGS84)"};
}

GridMethod SystemChangePage::gridMethod() const {
    return GridMethod{grid_.grid.get(), grid_.gridSource};
}

void SystemChangePage::chooseSource(System s) {
    if (s == source_)
        return;
    source_ = s;
    clearResult();
}

void SystemChangePage::chooseTarget(System s) {
    if (s == target_)
        return;
    target_ = s;
    clearResult();
}

void SystemChangePage::captionsWritten(CaptionMoment moment, bool shown) {
    captionMoment_ = moment;
    shownAtCaptions_ = shown;
}

std::string SystemChangePage::printTitle() const {
    return "PASSAGGIO FRA SISTEMI DI RIFERIMENTO";
}

double SystemChangePage::Checked(const TypedValue& v) {
    return v.valid ? v.value : HUGE_VAL;
}

std::optional<Refusal> SystemChangePage::take(const ChangeOutcome& r, int input) {
    notices_.clear();
    internalError_ = 0;
    if (r.poorReliability)
        notices_.push_back(PoorReliabilityText());
    switch (r.status) {
    case ChangeStatus::InternalError:
        internalError_ = r.internalErrorCode;
        return std::nullopt;
    case ChangeStatus::Refused:
    case ChangeStatus::NotComputable:
    case ChangeStatus::OutOfRange:
        // No result: nothing from an earlier one stays offered.
        clearResult();
        return Refusal{r.status == ChangeStatus::Refused ? input : 0, Lines(r.message),
                       RefusalIcon::Exclamation};
    case ChangeStatus::Done:
        break;
    }
    sourceZone_ = PlaneZone(r.SourceZone);
    targetZone_ = PlaneZone(r.TargetZone);
    commonPointRow_ = r.FoundRow;
    commonPointDistance_ = r.FoundDistance;
    poorReliability_ = r.poorReliability;
    subgrid_ = r.subgrid;
    hasResult_ = true;
    return std::nullopt;
}

void SystemChangePage::takeSystemOf(const CopiedCoordinatesRecord& c) {
    const System system = System(c.SystemCode);
    if (system == target_)
        chooseTarget(source_);
    chooseSource(system);
    clearResult();
}

PrintedBlock SystemChangePage::block(const PrintTexts& t, const Side& source, const Side& target) const {
    PrintedBlock b;
    b.line(11, false, {t.pointCaption, pointName_});
    b.empty();
    // The typed point, then the result: system name in bold, the frame
    // caption, the two values as shown.
    for (const Side* side : {&source, &target}) {
        if (side == &target)
            b.empty();
        b.line(11, true, {"Sistema Geodetico: ", Name(side->system)});
        b.line(11, false, {side->caption, side->suffix});
        b.line(11, false, side->values);
    }
    // How the result was obtained, after an empty line, as the values are printed.
    const std::vector<std::string> method = methodLines();
    if (!method.empty())
        b.empty();
    for (const std::string& line : method)
        b.line(11, false, {line});
    return b.end(t);
}

// ---- geographic coordinates ----

std::string GeographicChangePage::optionCaption(System s) const {
    return Name(s);
}

std::string GeographicChangePage::sourceCaption() const {
    return GeographicFrame(source_);
}

std::string GeographicChangePage::targetCaption() const {
    const bool blank = captionMoment_ == CaptionMoment::TabFocus && target_ == System::ROMA40;
    return GeographicFrame(target_) + (blank ? " " : "");
}

bool GeographicChangePage::sourceNotice() const {
    return source_ == System::ROMA40 && settings_.longitudeOrigin == 2;
}

bool GeographicChangePage::targetNotice() const {
    return target_ == System::ROMA40 && settings_.longitudeOrigin == 2;
}

std::optional<Refusal> GeographicChangePage::execute() {
    const GeographicChangeInput in{Code(source_), Code(target_), settings_.longitudeOrigin,
                                   Checked(latitude_), Checked(longitude_)};
    const ChangeOutcome r = method_ == ChangeMethod::Grid ? ChangeGeographicByGrid(gridMethod(), in)
                                                          : ChangeGeographic(table_, in);
    const ChangeField focus = r.focus;
    std::optional<Refusal> refused = take(r, focus == ChangeField::Latitude    ? Latitude
                                             : focus == ChangeField::Longitude ? Longitude
                                                                               : 0);
    if (hasResult_ && r.status == ChangeStatus::Done) {
        resultLatitude_ = r.latitude;
        resultLongitude_ = r.longitude;
        shownLatitude_ = latitude_;
        shownLongitude_ = longitude_;
    }
    return refused;
}

std::string GeographicChangePage::latitudeText() const {
    return hasResult_ ? FormatResultAngle(resultLatitude_, settings_.angleUnit, settings_.decimalPoint,
                                          AngleDetail::Reduced)
                      : std::string();
}

std::string GeographicChangePage::longitudeText() const {
    return hasResult_ ? FormatResultAngle(resultLongitude_, settings_.angleUnit, settings_.decimalPoint,
                                          AngleDetail::Reduced)
                      : std::string();
}

CopiedCoordinatesRecord GeographicChangePage::copyRecord() const {
    CopiedCoordinatesRecord c;
    c.Kind = CopiedKind::Geographic;
    c.Latitude = resultLatitude_;
    c.Longitude = resultLongitude_;
    c.SystemCode = Code(target_);
    return c;
}

void GeographicChangePage::paste(const CopiedCoordinatesRecord& c) {
    takeSystemOf(c);
    latitude_ = {c.Latitude, true, {}};
    longitude_ = {c.Longitude, true, {}};
}

PrintedBlock GeographicChangePage::printedBlock(const PrintTexts& t) const {
    auto side = [&](System s, const std::string& caption, const std::string& first,
                    const std::string& second) {
        const bool greenwich = s == System::ROMA40 && settings_.longitudeOrigin == 2;
        return Side{s,
                    caption,
                    greenwich ? "  (Long. da Greenwich)" : "",
                    {"Latitudine: ", first, t.gapWide, "Longitudine: ", second}};
    };
    return block(t, side(source_, sourceCaption(), shownLatitude_.shown, shownLongitude_.shown),
                 side(target_, targetCaption(), latitudeText(), longitudeText()));
}

// ---- plane coordinates ----

std::string PlaneChangePage::optionCaption(System s) const {
    return PlaneCaptions[Code(s) - 1];
}

std::string PlaneChangePage::sourceCaption() const {
    if (captionMoment_ == CaptionMoment::Choice && shownAtCaptions_ && source_ == System::ED50)
        return PlaneFrameChosenED50;
    return PlaneFrames[Code(source_) - 1];
}

std::string PlaneChangePage::targetCaption() const {
    return PlaneFrames[Code(target_) - 1];
}

std::optional<Refusal> PlaneChangePage::execute() {
    // The zone number is the typed value rounded to an integer, 0 when empty.
    const double typedZone = Checked(zone_);
    const int zoneNumber = std::abs(typedZone) < 1e6 ? int(std::lround(typedZone)) : 0;
    const PlaneChangeInput in{Code(source_), Code(target_), Checked(north_), Checked(east_), zoneNumber};
    const ChangeOutcome r =
        method_ == ChangeMethod::Grid ? ChangePlaneByGrid(gridMethod(), in) : ChangePlane(table_, in);
    // A refusal marked with a valid zone is an East outside that zone's
    // territory: the message names the East, and the East is what to correct.
    int input = 0;
    switch (r.focus) {
    case ChangeField::North:
        input = North;
        break;
    case ChangeField::East:
        input = East;
        break;
    case ChangeField::Zone:
        input = zoneNumber >= 32 && zoneNumber <= 34 ? East : ZoneNumber;
        break;
    default:
        break;
    }
    std::optional<Refusal> refused = take(r, input);
    if (hasResult_ && r.status == ChangeStatus::Done) {
        if (r.ResultZoneNumber != 0)
            resultZoneNumber_ = r.ResultZoneNumber;
        resultNorth_ = r.north;
        resultEast_ = r.east;
        shownNorth_ = north_;
        shownEast_ = east_;
    }
    return refused;
}

std::string PlaneChangePage::northText() const {
    return hasResult_ ? FormatPattern(resultNorth_, Patterns::MetresWhole, settings_.decimalPoint)
                      : std::string();
}

std::string PlaneChangePage::eastText() const {
    return hasResult_ ? FormatPattern(resultEast_, Patterns::MetresWhole, settings_.decimalPoint)
                      : std::string();
}

std::string PlaneChangePage::zoneText() const {
    return hasResult_ ? FormatPattern(resultZoneNumber_, Patterns::ZoneNumber, settings_.decimalPoint)
                      : std::string();
}

CopiedCoordinatesRecord PlaneChangePage::copyRecord() const {
    CopiedCoordinatesRecord c;
    c.Kind = CopiedKind::Plane;
    c.North = resultNorth_;
    c.East = resultEast_;
    c.UtmZone = resultZoneNumber_;
    c.SystemCode = Code(target_);
    c.ZoneCode = Code(targetZone_);
    return c;
}

void PlaneChangePage::paste(const CopiedCoordinatesRecord& c) {
    takeSystemOf(c);
    north_ = {c.North, true, {}};
    east_ = {c.East, true, {}};
    // A ROMA40 point has no zone number: the box keeps what it holds.
    if (c.SystemCode != ROMA40)
        zone_ = {double(32 + c.ZoneCode - UTM32), true, {}};
}

PrintedBlock PlaneChangePage::printedBlock(const PrintTexts& t) const {
    auto side = [&](System s, const std::string& caption, PlaneZone zone, const std::string& first,
                    const std::string& second) {
        return Side{s, caption, ZoneSuffix(zone), {"Nord: ", first, t.gapWide, "Est: ", second}};
    };
    return block(t, side(source_, sourceCaption(), sourceZone_, shownNorth_.shown, shownEast_.shown),
                 side(target_, targetCaption(), targetZone_, northText(), eastText()));
}

} // namespace tervano
