#include "cadastre/CassiniSoldner.h"

#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/InRange.h"
#include "geodesy/ReferenceSystems.h"

#include <cmath>

namespace tervano {

namespace {

// Bessel (Genova) <-> intermediate frame.
constexpr double P1 = -5.3614394915612e-08;
constexpr double P2 = 1.4771751288198e-05;
constexpr double P3 = -1.321601700067e-05;
constexpr double P4 = -2.6931399984e-06;
constexpr double Q1 = -2.648696172065e-05;
constexpr double Q2 = 4.818940881613e-06;
constexpr double Q3 = -2.387317032516e-05;
constexpr double Q4 = 9.729677237563e-06;
constexpr double Q5 = 6.608008500333e-06;
// Intermediate frame <-> ROMA40 (Monte Mario).
constexpr double R1 = -0.000106908464376;
constexpr double R2 = -7.268967007977e-05;
constexpr double R3 = 4.130689332547e-05;
constexpr double S1 = -0.0001553682444291;
constexpr double S2 = -8.047869320297e-06;
constexpr double S3 = -0.0001492334701791;

double StoredToRadians(double stored) {
    return SexagesimalToDegrees(stored) * Pi() / 180.0;
}

struct Radii {
    double W;
    double N; // prime vertical
    double M; // meridian
};

Radii RadiiAt(double phi) {
    const double s = std::sin(phi);
    const double W = std::sqrt(1.0 - Bessel::e2 * (s * s));
    return {W, Bessel::a / W, Bessel::a * (1.0 - Bessel::e2) / (W * W * W)};
}

constexpr double ThirdFlattening = (Bessel::a - Bessel::b) / (Bessel::a + Bessel::b);

double LatitudeShift(double u, double v) {
    const MonteMarioAnchor& mm = Anchor();
    return mm.deltaPhiMM + P1 * u + P2 * v + P3 * u * v + P4 * (v * v);
}

double LongitudeShift(double u, double v) {
    return Q1 * u + Q2 * v + Q3 * (u * u) + Q4 * u * v + Q5 * (v * v);
}

CadastralCheckFailure Failure(CadastralInput input, std::vector<std::string> lines) {
    return {input, std::move(lines)};
}

constexpr double NordLow = 3800000.0;
constexpr double NordHigh = 5500000.0;
constexpr double EstLow = 1000000.0;
constexpr double EstHigh = 3000000.0;

CadastralCheckFailure NordFailure() {
    return Failure(CadastralInput::Nord, {"VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"});
}
CadastralCheckFailure EstFailure() {
    return Failure(CadastralInput::Est, {"VALORE DELLA COORDINATA EST", "NON AMMISSIBILE"});
}
CadastralCheckFailure XFailure() {
    return Failure(CadastralInput::X, {"VALORE DELLA COORDINATA X", "NON AMMISSIBILE"});
}
CadastralCheckFailure YFailure() {
    return Failure(CadastralInput::Y, {"VALORE DELLA COORDINATA Y", "NON AMMISSIBILE"});
}

} // namespace

const MonteMarioAnchor& Anchor() {
    static const MonteMarioAnchor anchor = [] {
        MonteMarioAnchor mm{};
        mm.phiMMR = StoredToRadians(MonteMarioLatitudeRoma40);
        mm.phiMMB = StoredToRadians(MonteMarioLatitudeBessel);
        mm.lambdaMMG = StoredToRadians(MonteMarioLongitudeGenova);
        mm.deltaPhiMM = mm.phiMMR - mm.phiMMB;
        return mm;
    }();
    return anchor;
}

LatLon BesselToRoma40(double phiB, double lambdaB) {
    const MonteMarioAnchor& mm = Anchor();
    const double u = phiB - mm.phiMMB;
    const double v = lambdaB - mm.lambdaMMG;
    const double Dphi = LatitudeShift(u, v);
    const double Dlambda = LongitudeShift(u, v);
    const double phi1 = phiB + Dphi;
    const double lambda1 = v + Dlambda;

    const double dphi = phi1 - mm.phiMMR;
    const double dlambda = lambda1;
    const double sm = std::sin((phi1 + mm.phiMMR) / 2.0);
    const double Cphi = R1 * dphi + R2 * dphi * (sm * sm) + R3 * (dlambda * dlambda);
    const double Clambda = S1 * dlambda + S2 * dlambda / std::cos(phi1) + S3 * dphi * dlambda;
    return {phi1 + Cphi, lambda1 + Clambda};
}

LatLon Roma40ToBessel(double phiR, double lambdaR) {
    const MonteMarioAnchor& mm = Anchor();
    const double dphi = phiR - mm.phiMMR;
    const double dlambda = lambdaR;
    const double sm = std::sin((mm.phiMMR + phiR) / 2.0);
    const double Cphi = R1 * dphi + R2 * dphi * (sm * sm) + R3 * (dlambda * dlambda);
    const double Clambda = S1 * dlambda + S2 * dlambda / std::cos(phiR) + S3 * dphi * dlambda;
    const double phi1 = phiR - Cphi;
    const double lambda1 = lambdaR - Clambda;

    const double u = phi1 - mm.phiMMB;
    const double v = lambda1;
    const double Dphi = LatitudeShift(u, v);
    const double Dlambda = LongitudeShift(u, v);
    return {phi1 - Dphi, lambda1 - Dlambda + mm.lambdaMMG};
}

CassiniXY CassiniForward(double phiB, double lambdaB, double phi0, double lambda0) {
    const double n = ThirdFlattening;
    const double dl = lambdaB - lambda0;
    const double dl2 = dl * dl;
    const Radii r = RadiiAt(phiB);
    const double sB = std::sin(phiB);
    const double phiP =
        phiB + dl2 * std::sin(2.0 * phiB) * r.N / (4.0 * r.M) * (1.0 - dl2 / 12.0 + dl2 * (sB * sB) / 2.0);

    const double phim = (phiP + phi0) / 2.0;
    const double Mm = RadiiAt(phim).M;
    const double dphi = phiP - phi0;
    const double c2m = std::cos(2.0 * phim);
    const double K = c2m + n * (5.0 - 7.0 * (c2m * c2m));
    const double X = Mm * dphi * (1.0 + (n / 2.0) * (dphi * dphi) * K);

    const double sP = std::sin(phiP);
    const double Y = r.N * dl * std::cos(phiP) * (1.0 + dl2 * (sP * sP) / 3.0);
    return {X, Y};
}

LatLon CassiniInverse(double X, double Y, double phi0, double lambda0) {
    const Radii r0 = RadiiAt(phi0);
    const double phiP =
        phi0 + (X / r0.M) * (1.0 - (Bessel::ep2 / 2.0) * (X / r0.N) *
                                       (1.5 * std::sin(2.0 * phi0) + X * std::cos(2.0 * phi0) / r0.N));
    const Radii rp = RadiiAt(phiP);
    const double t = std::tan(phiP);
    const double Y2 = Y * Y;
    const double N2 = rp.N * rp.N;
    // The second-order factor is 1 + 3 tan(phi'), with the tangent itself.
    const double phiB = phiP - (Y2 / (2.0 * rp.N * rp.M)) * t * (1.0 - (1.0 + 3.0 * t) * Y2 / (12.0 * N2));
    const double lambdaB = lambda0 + (Y / (rp.N * std::cos(phiP))) * (1.0 - (t * t) * Y2 / (3.0 * N2));
    return {phiB, lambdaB};
}

LatLon CentreRadians(const CentreValues& centre) {
    return {StoredToRadians(centre.centreLatitude), StoredToRadians(centre.centreLongitude)};
}

// The longitude here is computed, not typed: the boundary has none of the
// slack that typed longitudes get.
int ZoneForLongitude(double lambdaMM) {
    return lambdaMM < BoundOvestEstMM ? GBOvest : GBEst;
}

int ZoneForEast(double Est) {
    return Est <= GaussBoagaEastSplit ? GBOvest : GBEst;
}

GaussBoagaResult CassiniToGaussBoaga(const CentreValues& centre, double X, double Y) {
    const LatLon c = CentreRadians(centre);
    const LatLon bessel = CassiniInverse(X, Y, c.latitude, c.longitude);
    const LatLon roma = BesselToRoma40(bessel.latitude, bessel.longitude);
    const double lambdaMM = roma.longitude * 180.0 / Pi();

    GaussBoagaResult out{};
    out.ZoneCode = ZoneForLongitude(lambdaMM);
    const Zone& zone = ZoneFor(out.ZoneCode);
    const double dl = lambdaMM - zone.centralMeridian;
    const GaussForwardResult g = GaussForward(roma.latitude, dl * Pi() / 180.0, ROMA40, zone.scaleFactor);
    out.Nord = g.ProjNorth;
    out.Est = g.ProjEast + zone.falseEast;
    return out;
}

CassiniResult GaussBoagaToCassini(const CentreValues& centre, double Nord, double Est) {
    CassiniResult out{};
    out.ZoneCode = ZoneForEast(Est);
    const Zone& zone = ZoneFor(out.ZoneCode);
    const RefinedInverseResult g = GaussInverseRefined(Nord, Est - zone.falseEast, ROMA40, zone.scaleFactor);
    out.GeoDeltaLongitude = g.GeoDeltaLongitude * 180.0 / Pi();
    const double lambdaMM = out.GeoDeltaLongitude + zone.meridianAddedBack;
    const double lambdaR = lambdaMM * Pi() / 180.0;

    const LatLon bessel = Roma40ToBessel(g.GeoLatitude, lambdaR);
    const LatLon c = CentreRadians(centre);
    const CassiniXY xy = CassiniForward(bessel.latitude, bessel.longitude, c.latitude, c.longitude);
    out.X = xy.X;
    out.Y = xy.Y;
    return out;
}

std::string CadastralCheckFailure::text() const {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += '\r';
        joined += lines[i];
    }
    return joined;
}

std::optional<CadastralCheckFailure> CheckCentre(const CentreValues& centre) {
    if (centre.centreLatitude > 47.3 || centre.centreLatitude < 35.0)
        return Failure(CadastralInput::CentreLatitude,
                       {"VALORE DELLA LATITUDINE", "DEL CENTRO DEL SISTEMA", "NON AMMISSIBILE"});
    if (centre.centreLongitude > 10.0 || centre.centreLongitude < -3.0)
        return Failure(CadastralInput::CentreLongitude,
                       {"VALORE DELLA LONGITUDINE", "DEL CENTRO DEL SISTEMA", "NON AMMISSIBILE"});
    return std::nullopt;
}

std::optional<CadastralCheckFailure> CheckGaussBoaga(double Nord, double Est) {
    if (!InRange(Nord, NordLow, NordHigh))
        return NordFailure();
    if (!InRange(Est, EstLow, EstHigh))
        return EstFailure();
    return std::nullopt;
}

std::optional<CadastralCheckFailure> CheckCassini(double X, double Y, bool xValid, bool yValid) {
    if (!xValid || !InRange(X, -CassiniLimit, CassiniLimit))
        return XFailure();
    if (!yValid || !InRange(Y, -CassiniLimit, CassiniLimit))
        return YFailure();
    return std::nullopt;
}

std::optional<CadastralCheckFailure> CheckGaussBoagaResult(const GaussBoagaResult& r) {
    // Nord follows X along the meridian, Est follows Y across it.
    if (!InRange(r.Nord, NordLow, NordHigh))
        return XFailure();
    if (!InRange(r.Est, EstLow, EstHigh))
        return YFailure();
    return std::nullopt;
}

std::optional<CadastralCheckFailure> CheckCassiniResult(const CassiniResult& r) {
    if (!InRange(r.X, -CassiniLimit, CassiniLimit))
        return NordFailure();
    if (!InRange(r.Y, -CassiniLimit, CassiniLimit))
        return EstFailure();
    return std::nullopt;
}

} // namespace tervano
