#include "datum/SystemChange.h"

#include "datum/CommonPointChecks.h"
#include "datum/CommonPointSearch.h"
#include "datum/LandMasses.h"
#include "datum/SystemChangeSteps.h"
#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/InRange.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"

#include <cmath>

namespace tervano {

namespace {

constexpr double Scale = ScaleFactorUTM;

// True when v lies outside [low, high]; a value that is not a number is outside.
bool Outside(double v, double low, double high) {
    return !InRange(v, low, high);
}

ChangeOutcome Refuse(const char* first, const char* second, ChangeField focus) {
    ChangeOutcome out;
    out.status = ChangeStatus::Refused;
    out.message = std::string(first) + "\r" + second;
    out.focus = focus;
    return out;
}

// The land mass whose rows may carry a point at `place` (longitude from
// Greenwich): the one it lies on or the nearest. Only the ROMA40 values of a
// row depend on its land mass (each has its own Monte Mario set); between
// ED50 and WGS84 every row serves, -1.
int LandMassFor(const CommonPointTable& table, int sourceSystem, int targetSystem, LonLat place) {
    if (table.landMasses == nullptr || (sourceSystem != ROMA40 && targetSystem != ROMA40))
        return -1;
    return NearestLandMass(*table.landMasses, place);
}

// Runs the search; false (with `out` filled) when the conversion stops there.
bool Search(const CommonPointTable& table, int sourceSystem, int targetSystem, ChangeOutcome& out,
            double& east, double& north, LonLat place) {
    const PreparedSearch s = PREPARACERCA(table, sourceSystem, out.SourceZone, targetSystem, east, north,
                                          LandMassFor(table, sourceSystem, targetSystem, place));
    out.FoundRow = s.FoundRow;
    out.FoundDistance = std::sqrt(s.bestSquared);
    if (s.internalError != 0) {
        out.status = ChangeStatus::InternalError;
        out.internalErrorCode = s.internalError;
        out.message = InternalErrorText(s.internalError);
        return false;
    }
    out.poorReliability = s.poorReliability;
    if (s.FoundRow == 0) {
        out.status = ChangeStatus::NotComputable;
        out.message = NotComputableText();
        return false;
    }
    east = east + (s.NodeTargetEast - s.NodeSourceEast);
    north = north + (s.NodeTargetNorth - s.NodeSourceNorth);
    return true;
}

} // namespace

int PairedTargetZone(int sourceZone, int targetSystem) {
    switch (sourceZone) {
    case UTM32:
        return targetSystem == ROMA40 ? GBOvest : UTM32;
    case UTM33:
        return targetSystem == ROMA40 ? GBEst : UTM33;
    case UTM34:
        return targetSystem == ROMA40 ? AuxiliaryZone : UTM34;
    case GBOvest:
        return UTM32;
    case GBEst:
        return UTM33;
    default:
        return UTM34;
    }
}

ChangeOutcome ResultRefused(ChangeOutcome out) {
    out.status = ChangeStatus::OutOfRange;
    out.message = ResultOutOfRangeText();
    return out;
}

std::string ResultOutOfRangeText() {
    return "RISULTATO NON VALIDO:\r\rIL RISULTATO CADE FUORI DAI LIMITI\rDEL SISTEMA DI ARRIVO";
}

std::string NotComputableText() {
    return "PUNTO NON CALCOLABILE:\r\rIL PUNTO NON APPARTIENE ALLE\rZONE PREVISTE DAL PROGRAMMA";
}

std::optional<ChangeOutcome> StartGeographic(const GeographicChangeInput& in, GeographicStart& start) {
    const double monteMario = GreenwichShift();
    const bool sourceRoma = in.SourceSystem == ROMA40;

    double lambda = in.longitude;
    if (sourceRoma && in.LongitudeOrigin == 2)
        lambda = lambda - monteMario;

    if (!AngleInRange(in.latitude, 35.0, 49.0))
        return Refuse("VALORE DELLA LATITUDINE", "NON AMMESSO DAL PROGRAMMA", ChangeField::Latitude);
    if (sourceRoma && !AngleInRange(lambda, -7.0, 7.0))
        return Refuse("VALORE DELLA LONGITUDINE NON", "AMMISSIBILE PER IL SISTEMA INDICATO",
                      ChangeField::Longitude);
    if (!sourceRoma && !AngleInRange(lambda, 5.0, 19.0))
        return Refuse("VALORE DELLA LONGITUDINE", "NON AMMISSIBILE", ChangeField::Longitude);

    start.lambda = lambda;
    // Zone bounds with the slack of the range checks, so that a bound typed in
    // any notation falls in the zone of its exact value; ROMA40 points from
    // 18° E of Greenwich on go into the auxiliary zone.
    start.sourceZone = MembershipZone(in.SourceSystem, lambda);
    if (start.sourceZone == GBEst && !(lambda < BoundEstAuxiliaryMM - AngleSlack))
        start.sourceZone = AuxiliaryZone;
    return std::nullopt;
}

ChangeOutcome ChangeGeographic(const CommonPointTable& table, const GeographicChangeInput& in) {
    const double pi = Pi();
    const double monteMario = GreenwichShift();
    const bool sourceRoma = in.SourceSystem == ROMA40;

    GeographicStart start;
    if (std::optional<ChangeOutcome> refused = StartGeographic(in, start))
        return *refused;
    const double lambda = start.lambda;

    ChangeOutcome out;
    out.SourceZone = start.sourceZone;
    const Zone& source = ZoneFor(out.SourceZone);
    const double deltaLambda = lambda - source.centralMeridian;

    const GaussForwardResult g =
        GaussForward(in.latitude * pi / 180.0, deltaLambda * pi / 180.0, in.SourceSystem, Scale);
    double north = g.ProjNorth;
    double east = g.ProjEast + source.falseEast;

    const LonLat place{sourceRoma ? lambda + monteMario : lambda, in.latitude};
    if (!Search(table, in.SourceSystem, in.TargetSystem, out, east, north, place))
        return out;

    out.TargetZone = PairedTargetZone(out.SourceZone, in.TargetSystem);
    if (!InsideBand(ResultBand(out.TargetZone), east, north))
        return ResultRefused(out);
    const Zone& target = ZoneFor(out.TargetZone);
    const double x = east - target.falseEast;
    const RefinedInverseResult inv = GaussInverseRefined(north, x, in.TargetSystem, Scale);
    out.latitude = inv.GeoLatitude * 180.0 / pi;
    out.longitude = inv.GeoDeltaLongitude * 180.0 / pi + target.meridianAddedBack;
    if (in.TargetSystem == ROMA40 && in.LongitudeOrigin == 2)
        out.longitude = out.longitude + monteMario;
    if (!std::isfinite(out.latitude) || !std::isfinite(out.longitude))
        return ResultRefused(out);
    out.status = ChangeStatus::Done;
    return out;
}

std::optional<ChangeOutcome> StartPlane(const PlaneChangeInput& in, PlanePointStart& start) {
    const double pi = Pi();
    const bool sourceRoma = in.SourceSystem == ROMA40;
    double north = in.north;
    double east = in.east;

    if (Outside(north, 3800000.0, 5500000.0))
        return Refuse("VALORE DELLA COORDINATA NORD", "NON AMMESSO DAL PROGRAMMA", ChangeField::North);
    if (sourceRoma && Outside(east, 1100000.0, 3000000.0))
        return Refuse("VALORE DELLA COORDINATA EST NON", "AMMISSIBILE PER IL SISTEMA INDICATO",
                      ChangeField::East);
    if (!sourceRoma) {
        if (Outside(east, 50000.0, 1000000.0))
            return Refuse("VALORE DELLA COORDINATA EST", "NON AMMISSIBILE PER IL SISTEMA INDICATO",
                          ChangeField::East);
        if (in.zoneNumber != 32 && in.zoneNumber != 33 && in.zoneNumber != 34)
            return Refuse("INDICAZIONE DEL FUSO DI", "APPARTENENZA NON VALIDA", ChangeField::Zone);
    }

    int sourceZone = sourceRoma ? GaussBoagaZoneOfEast(east) : in.zoneNumber - 32 + UTM32;
    // The zone typed, kept when a Gauss-Boaga Est point moves into the auxiliary zone.
    const int typedZone = sourceZone;
    const Zone& typed = ZoneFor(typedZone);
    const double x = east - typed.falseEast;

    const RefinedInverseResult inv = GaussInverseRefined(north, x, in.SourceSystem, Scale);
    const double phi = inv.GeoLatitude;
    const double deltaLambda = inv.GeoDeltaLongitude * 180.0 / pi;

    // Each UTM zone accepts only the East values of the territory it covers.
    auto zoneEastRefused = [&] {
        return Refuse("VALORE DELLA COORDINATA EST NON", "AMMISSIBILE PER IL SISTEMA INDICATO",
                      ChangeField::Zone);
    };
    switch (sourceZone) {
    case UTM32:
        if (Outside(east, 280000.0, 797000.0))
            return zoneEastRefused();
        break;
    case UTM33:
        if (Outside(east, 223000.0, 786000.0))
            return zoneEastRefused();
        break;
    case UTM34:
        if (Outside(east, 215000.0, 301000.0))
            return zoneEastRefused();
        break;
    case GBEst: {
        // A Gauss-Boaga Est point east of 18° E of Greenwich is carried
        // through the auxiliary zone on 21° E.
        const double lambda = deltaLambda + MeridianEstShortMM;
        if (lambda > BoundEstAuxiliaryMM) {
            sourceZone = AuxiliaryZone;
            const Zone& auxiliary = ZoneFor(AuxiliaryZone);
            const GaussForwardResult g =
                GaussForward(phi, (lambda - auxiliary.centralMeridian) * pi / 180.0, ROMA40, Scale);
            north = g.ProjNorth;
            east = g.ProjEast + auxiliary.falseEast;
        }
        break;
    }
    default:
        break;
    }
    start.typedZone = typedZone;
    start.sourceZone = sourceZone;
    start.latitude = phi;
    start.deltaLambda = deltaLambda;
    start.north = north;
    start.east = east;
    return std::nullopt;
}

ChangeOutcome ChangePlane(const CommonPointTable& table, const PlaneChangeInput& in) {
    PlanePointStart start;
    if (std::optional<ChangeOutcome> refused = StartPlane(in, start))
        return *refused;
    const double pi = Pi();
    const Zone& typed = ZoneFor(start.typedZone);
    const double phi = start.latitude;
    const double deltaLambda = start.deltaLambda;
    double north = start.north;
    double east = start.east;

    ChangeOutcome out;
    out.SourceZone = start.sourceZone;
    out.TargetZone = PairedTargetZone(out.SourceZone, in.TargetSystem);
    if (out.TargetZone <= UTM34)
        out.ResultZoneNumber = 32 + out.TargetZone - UTM32;

    // The typed point's place, longitude from Greenwich, for its land mass.
    // (deltaLambda is still reckoned from the typed zone's meridian.)
    const LonLat place{deltaLambda + typed.centralMeridianGreenwich, phi * 180.0 / pi};
    if (!Search(table, in.SourceSystem, in.TargetSystem, out, east, north, place))
        return out;
    if (!InsideBand(ResultBand(out.TargetZone), east, north))
        return ResultRefused(out);

    if (out.TargetZone == AuxiliaryZone) {
        // A UTM 34 point going to ROMA40 is shown in Gauss-Boaga Est.
        const RefinedInverseResult a =
            GaussInverseRefined(north, east - ZoneFor(AuxiliaryZone).falseEast, ROMA40, Scale);
        const double deltaLambdaEst = a.GeoDeltaLongitude + MeridianAuxiliaryRadians - MeridianEstRadians;
        const GaussForwardResult g = GaussForward(a.GeoLatitude, deltaLambdaEst, ROMA40, Scale);
        north = g.ProjNorth;
        east = g.ProjEast + ZoneFor(GBEst).falseEast;
    }
    if (!std::isfinite(north) || !std::isfinite(east))
        return ResultRefused(out);
    out.north = north;
    out.east = east;
    out.status = ChangeStatus::Done;
    return out;
}

} // namespace tervano
