#include "datum/GridChange.h"

#include "datum/CommonPointChecks.h"
#include "datum/SystemChangeSteps.h"
#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"

#include <cmath>

namespace tervano {

namespace {

constexpr double Scale = ScaleFactorUTM;

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool ContainsAny(const std::string& text, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (text.find(name) != std::string::npos)
            return true;
    return false;
}

const char* SystemName(int code) {
    return code == ROMA40 ? "ROMA40" : code == ED50 ? "ED50" : "WGS84";
}

// The refusal of "ESEGUI" before any check of the point: no grid, or a grid
// that does not carry points between the two systems chosen.
std::optional<ChangeOutcome> GridRefused(const GridMethod& m, int sourceSystem, int targetSystem) {
    ChangeOutcome out;
    out.status = ChangeStatus::Refused;
    if (m.grid == nullptr)
        out.message = GridMissingText();
    else if (!GridJoins(m, System(sourceSystem), System(targetSystem)))
        out.message = GridNotJoiningText(m.gridSource);
    else
        return std::nullopt;
    return out;
}

// A point (degrees, longitude from Greenwich) carried through the grid, forward
// when it goes from the grid's source to WGS84, back otherwise.
std::optional<Ntv2Point> ThroughGrid(const GridMethod& m, int targetSystem, double latitude,
                                     double longitude) {
    return targetSystem == WGS84 ? Ntv2Forward(*m.grid, latitude, longitude)
                                 : Ntv2Inverse(*m.grid, latitude, longitude);
}

ChangeOutcome Outside(ChangeOutcome out) {
    out.status = ChangeStatus::NotComputable;
    out.message = GridOutsideText();
    return out;
}

} // namespace

std::optional<System> GridSourceFromHeader(const Ntv2Grid& grid) {
    // SYSTEM_F holds 8 characters: "MONTE MARIO" arrives as "MONTE MA",
    // "MONTEMARIO" as "MONTEMAR"; the longer forms contain those too.
    const std::string name = Upper(grid.sourceName);
    const bool roma =
        ContainsAny(name, {"ROMA40", "ROMA 40", "ROMA_40", "RM40", "MONTEMAR", "MONTE MA", "MONTE_MA"});
    const bool ed50 = ContainsAny(name, {"ED50", "ED 50", "ED_50", "EUR50"});
    if (roma == ed50) // neither, or a name that tells both
        return std::nullopt;
    return roma ? System::ROMA40 : System::ED50;
}

bool GridJoins(const GridMethod& m, System a, System b) {
    return (a == m.gridSource && b == System::WGS84) || (b == m.gridSource && a == System::WGS84);
}

ChangeOutcome ChangeGeographicByGrid(const GridMethod& m, const GeographicChangeInput& in) {
    if (std::optional<ChangeOutcome> refused = GridRefused(m, in.SourceSystem, in.TargetSystem))
        return *refused;
    GeographicStart start;
    if (std::optional<ChangeOutcome> refused = StartGeographic(in, start))
        return *refused;

    const double monteMario = GreenwichShift();
    ChangeOutcome out;
    out.SourceZone = start.sourceZone;
    out.TargetZone = PairedTargetZone(out.SourceZone, in.TargetSystem);
    // The grid takes longitudes from Greenwich; a ROMA40 longitude typed from
    // Greenwich is taken as typed.
    double longitude = start.lambda;
    if (in.SourceSystem == ROMA40)
        longitude = in.LongitudeOrigin == 2 ? in.longitude : start.lambda + monteMario;
    const std::optional<Ntv2Point> p = ThroughGrid(m, in.TargetSystem, in.latitude, longitude);
    if (!p)
        return Outside(out);
    out.subgrid = p->subgrid;
    out.latitude = p->latitude;
    out.longitude = p->longitude;
    if (in.TargetSystem == ROMA40 && in.LongitudeOrigin != 2)
        out.longitude = out.longitude - monteMario;
    if (!std::isfinite(out.latitude) || !std::isfinite(out.longitude))
        return ResultRefused(out);
    out.status = ChangeStatus::Done;
    return out;
}

ChangeOutcome ChangePlaneByGrid(const GridMethod& m, const PlaneChangeInput& in) {
    if (std::optional<ChangeOutcome> refused = GridRefused(m, in.SourceSystem, in.TargetSystem))
        return *refused;
    PlanePointStart start;
    if (std::optional<ChangeOutcome> refused = StartPlane(in, start))
        return *refused;

    const double pi = Pi();
    ChangeOutcome out;
    out.SourceZone = start.sourceZone;
    out.TargetZone = PairedTargetZone(out.SourceZone, in.TargetSystem);
    if (out.TargetZone <= UTM34)
        out.ResultZoneNumber = 32 + out.TargetZone - UTM32;

    // The point's place from its zone as typed, longitude from Greenwich.
    const double latitude = start.latitude * 180.0 / pi;
    const double longitude = start.deltaLambda + ZoneFor(start.typedZone).centralMeridianGreenwich;
    const std::optional<Ntv2Point> p = ThroughGrid(m, in.TargetSystem, latitude, longitude);
    if (!p)
        return Outside(out);
    out.subgrid = p->subgrid;

    // Projected in the target zone; a UTM 34 point going to ROMA40 is shown
    // in Gauss-Boaga Est, as with the table (the zone stays the auxiliary one).
    const int shownZone = out.TargetZone == AuxiliaryZone ? GBEst : out.TargetZone;
    const Zone& target = ZoneFor(shownZone);
    const double deltaLambda = p->longitude - target.centralMeridianGreenwich;
    const GaussForwardResult g =
        GaussForward(p->latitude * pi / 180.0, deltaLambda * pi / 180.0, in.TargetSystem, Scale);
    const double north = g.ProjNorth;
    const double east = g.ProjEast + target.falseEast;
    if (!InsideBand(ResultBand(shownZone), east, north) || !std::isfinite(north) || !std::isfinite(east))
        return ResultRefused(out);
    out.north = north;
    out.east = east;
    out.status = ChangeStatus::Done;
    return out;
}

std::string GridOutsideText() {
    return "PUNTO NON CALCOLABILE:\r\rIL PUNTO È FUORI DAL GRIGLIATO NTv2";
}

std::string GridMissingText() {
    return "NESSUN GRIGLIATO NTv2 SCELTO:\r\rSCEGLIERE IL FILE DEL GRIGLIATO\rO IL METODO DELLA TABELLA";
}

std::string GridNotJoiningText(System gridSource) {
    return std::string("GRIGLIATO NTv2 NON UTILIZZABILE:\r\rIL GRIGLIATO UNISCE ") +
           SystemName(Code(gridSource)) + " E WGS84,\rNON I DUE SISTEMI SCELTI";
}

} // namespace tervano
