#include "files/SystemChangeRows.h"

#include "datum/CommonPointSearch.h"
#include "geodesy/TextNumbers.h"

#include <cmath>

namespace tervano::files {

namespace {

const char* TargetName(System s) {
    return s == System::ROMA40 ? "ROMA40" : s == System::ED50 ? "ED50" : "WGS84";
}

// How the result was obtained: the common point, its distance and the
// reliability, the method and its accuracy, or the subgrid.
void AppendMethod(const SystemChangePage& page, std::vector<std::string>& results) {
    if (page.method() == ChangeMethod::Table) {
        results.push_back(std::to_string(page.commonPointRow()));
        results.push_back(LengthColumn(FormatPattern(page.commonPointDistance(), Patterns::Metres)));
        results.emplace_back(page.poorReliability() ? "no" : "sì");
        results.emplace_back("tabella dei punti comuni");
        results.push_back(std::to_string(TableAccuracyMetres(page.source(), page.target())));
        results.emplace_back();
    } else {
        results.insert(results.end(), 3, std::string());
        results.push_back("grigliato NTv2 " + page.grid().fileName);
        results.emplace_back();
        results.push_back(page.subgridName());
    }
}

// The page set to the method: through the grid when there is one.
void ChooseMethod(SystemChangePage& page, const GridChoice& grid) {
    if (!grid.grid)
        return;
    page.chooseMethod(ChangeMethod::Grid);
    page.setGrid(grid);
}

std::optional<std::string> Outcome(const SystemChangePage& page, const std::optional<Refusal>& refused) {
    if (refused)
        return StatusOf(*refused);
    if (page.internalError() != 0) {
        // The window shows the text and ends the program; a file run refuses the row.
        Refusal r;
        std::string line;
        for (char c : InternalErrorText(page.internalError())) {
            if (c == '\r') {
                r.lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        r.lines.push_back(line);
        return StatusOf(r);
    }
    return std::nullopt;
}

const std::vector<std::string> CommonPointHeader{"Punto comune", "Distanza punto comune", "Attendibile",
                                                 "Metodo",       "Precisione (m)",        "Sottogriglia"};

} // namespace

GeographicChangeRows::GeographicChangeRows(const PageSettings& settings,
                                           std::shared_ptr<const CommonPointTable> table, System source,
                                           System target, GridChoice grid)
    : table_(std::move(table)), page_(settings, *table_) {
    page_.chooseSource(source);
    page_.chooseTarget(target);
    ChooseMethod(page_, grid);
}

GeographicChangeRows::GeographicChangeRows(const GeographicChangeRows& other)
    : RowConverter(other), table_(other.table_), page_(other.page_.settings(), *table_) {
    page_.chooseSource(other.page_.source());
    page_.chooseTarget(other.page_.target());
    if (other.page_.method() == ChangeMethod::Grid)
        ChooseMethod(page_, other.page_.grid());
}

std::vector<InputRole> GeographicChangeRows::inputs() const {
    return {{"latitudine", FieldKind::Angle}, {"longitudine", FieldKind::Angle}};
}

std::vector<std::string> GeographicChangeRows::resultHeader() const {
    // The result columns name their system, so they cannot be taken for the typed ones.
    const std::string to = std::string(" ") + TargetName(page_.target());
    std::vector<std::string> h{"Latitudine" + to, "Longitudine" + to};
    h.insert(h.end(), CommonPointHeader.begin(), CommonPointHeader.end());
    return h;
}

std::optional<std::string> GeographicChangeRows::convert(std::span<const TypedNumber> fields,
                                                         std::vector<std::string>& results) {
    const PageSettings& s = page_.settings();
    page_.setLatitude(TypedOf(fields[0], FieldKind::Angle, s.angleUnit));
    page_.setLongitude(TypedOf(fields[1], FieldKind::Angle, s.angleUnit));
    results.clear();
    if (auto refused = Outcome(page_, page_.execute()))
        return refused;
    results.push_back(AngleColumnOfText(page_.latitudeText()));
    results.push_back(AngleColumnOfText(page_.longitudeText()));
    AppendMethod(page_, results);
    return std::nullopt;
}

PlaneChangeRows::PlaneChangeRows(const PageSettings& settings, std::shared_ptr<const CommonPointTable> table,
                                 System source, System target, GridChoice grid)
    : table_(std::move(table)), page_(settings, *table_) {
    page_.chooseSource(source);
    page_.chooseTarget(target);
    ChooseMethod(page_, grid);
}

PlaneChangeRows::PlaneChangeRows(const PlaneChangeRows& other)
    : RowConverter(other), table_(other.table_), page_(other.page_.settings(), *table_) {
    page_.chooseSource(other.page_.source());
    page_.chooseTarget(other.page_.target());
    if (other.page_.method() == ChangeMethod::Grid)
        ChooseMethod(page_, other.page_.grid());
}

std::vector<InputRole> PlaneChangeRows::inputs() const {
    std::vector<InputRole> in{{"nord", FieldKind::Length}, {"est", FieldKind::Length}};
    if (page_.sourceHasZone())
        in.push_back({"fuso", FieldKind::Length});
    return in;
}

std::vector<std::string> PlaneChangeRows::resultHeader() const {
    const std::string to = std::string(" ") + TargetName(page_.target());
    std::vector<std::string> h{"Nord" + to, "Est" + to, "Fuso" + to};
    h.insert(h.end(), CommonPointHeader.begin(), CommonPointHeader.end());
    return h;
}

std::optional<std::string> PlaneChangeRows::convert(std::span<const TypedNumber> fields,
                                                    std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setNorth(TypedOf(fields[0], FieldKind::Length, unit));
    page_.setEast(TypedOf(fields[1], FieldKind::Length, unit));
    if (page_.sourceHasZone())
        page_.setZoneNumber(TypedOf(fields[2], FieldKind::Length, unit));
    results.clear();
    if (auto refused = Outcome(page_, page_.execute()))
        return refused;
    results.push_back(LengthColumn(page_.northText()));
    results.push_back(LengthColumn(page_.eastText()));
    // A UTM 34 point carried to ROMA40 is given in Gauss-Boaga Est, as the window shows it.
    const PlaneZone zone = page_.targetZone() == PlaneZone::Auxiliary ? PlaneZone::GBEst : page_.targetZone();
    results.emplace_back(page_.targetHasZone() ? page_.zoneText() : ZoneColumn(Code(zone)));
    AppendMethod(page_, results);
    return std::nullopt;
}

} // namespace tervano::files
