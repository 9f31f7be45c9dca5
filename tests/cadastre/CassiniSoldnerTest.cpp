#include "cadastre/CassiniSoldner.h"
#include "geodesy/Angles.h"
#include "geodesy/ReferenceSystems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#ifdef TERVANO_HAVE_PROJ
#include <proj.h>
#endif
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;

namespace {

CentreValues Centre(int index) {
    return {CentreAt(index).latitude, CentreAt(index).longitude};
}

// Points within `radius` metres of the centre: a square grid clipped to the
// disc plus points on the circle itself, where the series are weakest.
std::vector<CassiniXY> PointsWithin(double radius) {
    std::vector<CassiniXY> points;
    const double step = radius / 5.0;
    for (int i = -5; i <= 5; ++i)
        for (int j = -5; j <= 5; ++j) {
            const double x = i * step, y = j * step;
            if (std::hypot(x, y) <= radius + 1e-6)
                points.push_back({x, y});
        }
    for (int k = 0; k < 16; ++k) {
        const double t = k * Pi() / 8.0;
        points.push_back({radius * std::cos(t), radius * std::sin(t)});
    }
    return points;
}

} // namespace

TEST(CassiniSoldner, CentreMapsToOriginExactly) {
    for (int i = 1; i < CentreCount; ++i) {
        SCOPED_TRACE(CentreName(i));
        const LatLon c = CentreRadians(Centre(i));
        const LatLon back = CassiniInverse(0.0, 0.0, c.latitude, c.longitude);
        EXPECT_EQ(back.latitude, c.latitude);
        EXPECT_EQ(back.longitude, c.longitude);
        const CassiniXY xy = CassiniForward(c.latitude, c.longitude, c.latitude, c.longitude);
        EXPECT_EQ(xy.X, 0.0);
        EXPECT_EQ(xy.Y, 0.0);
    }
}

TEST(CassiniSoldner, MonteMarioAnchor) {
    const MonteMarioAnchor& mm = Anchor();
    // 41°55'25.51'' in ROMA40 against 41°55'24.399'' on Bessel: 1.111''.
    EXPECT_NEAR(mm.deltaPhiMM * 180.0 / Pi() * 3600.0, 1.111, 1e-9);

    const LatLon r = BesselToRoma40(mm.phiMMB, mm.lambdaMMG);
    EXPECT_EQ(r.latitude, mm.phiMMR);
    EXPECT_EQ(r.longitude, 0.0);
    // Back in the stored notation, to far below the displayed 0.0001''.
    EXPECT_NEAR(DegreesToSexagesimal(r.latitude * 180.0 / Pi(), 4), 41.552551, 1e-10);

    // Back to Bessel from Monte Mario lands on the Bessel anchor within a
    // millimetre (1.6e-10 rad); the reverse polynomials are evaluated at
    // u = deltaPhiMM rather than 0.
    const LatLon b = Roma40ToBessel(mm.phiMMR, 0.0);
    EXPECT_NEAR(b.latitude, mm.phiMMB, 1.6e-10);
    EXPECT_NEAR(b.longitude, mm.lambdaMMG, 1.6e-10);
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
TEST(CassiniSoldner, MonteMarioCentreLandsOnItsGaussBoagaCoordinates) {
    // The origin of the Monte Mario system is Monte Mario itself: its
    // Gauss-Boaga coordinates follow from the ROMA40 latitude 41°55'25.51''
    // on the meridian 2°32'51.6'' west of the Est zone's central meridian.
    const GeographicLib::TransverseMercatorExact tm(6378388.0, 1.0 / 297.0, 0.9996);
    double east = 0, north = 0;
    tm.Forward(0.0, SexagesimalToDegrees(41.552551), -2.54766666666667, east, north);

    const CentreValues roma{CentreAt(14).latitude, CentreAt(14).longitude};
    const GaussBoagaResult g = CassiniToGaussBoaga(roma, 0.0, 0.0);
    EXPECT_EQ(g.ZoneCode, GBEst);
    EXPECT_NEAR(g.Nord, north, 0.001);
    EXPECT_NEAR(g.Est, east + 2520000.0, 0.001);
}
#endif

#ifdef TERVANO_HAVE_PROJ
TEST(CassiniSoldner, AgreesWithProjCassini) {
    PJ_CONTEXT* ctx = proj_context_create();
    const double M_PER_RAD_N = 6.39e6; // generous metres per radian of latitude
    double worstInverse = 0, worstForward = 0;
    for (int index : {1, 4, 5, 8, 12, 14, 16, 18}) {
        SCOPED_TRACE(CentreName(index));
        const LatLon c = CentreRadians(Centre(index));
        char def[256];
        std::snprintf(def, sizeof def,
                      "+proj=cass +lat_0=%.17g +lon_0=%.17g +a=6377397.155 +b=6356078.963 +x_0=0 +y_0=0",
                      c.latitude * 180.0 / Pi(), c.longitude * 180.0 / Pi());
        PJ* pj = proj_create(ctx, def);
        ASSERT_NE(pj, nullptr);
        for (CassiniXY p : PointsWithin(55000.0)) {
            // PROJ 9 refuses points exactly on the centre's parallel far from
            // the centre; a millimetre off it is accepted.
            if (p.X == 0.0)
                p.X = 0.001;
            // PROJ: easting is Y, northing X; angles in radians.
            const PJ_COORD geo = proj_trans(pj, PJ_INV, proj_coord(p.Y, p.X, 0, 0));
            ASSERT_TRUE(std::isfinite(geo.lp.phi)) << p.X << ", " << p.Y;
            const double phi = geo.lp.phi, lam = geo.lp.lam;

            const LatLon ours = CassiniInverse(p.X, p.Y, c.latitude, c.longitude);
            const double dN = (ours.latitude - phi) * M_PER_RAD_N;
            const double dE = (ours.longitude - lam) * M_PER_RAD_N * std::cos(phi);
            const double inv = std::hypot(dN, dE);
            EXPECT_LT(inv, 0.002) << p.X << ", " << p.Y;
            worstInverse = std::max(worstInverse, inv);

            const CassiniXY fwd = CassiniForward(phi, lam, c.latitude, c.longitude);
            const double f = std::hypot(fwd.X - p.X, fwd.Y - p.Y);
            EXPECT_LT(f, 0.01) << p.X << ", " << p.Y;
            worstForward = std::max(worstForward, f);
        }
        proj_destroy(pj);
    }
    proj_context_destroy(ctx);
    RecordProperty("largest_inverse_difference_m", std::to_string(worstInverse));
    RecordProperty("largest_forward_difference_m", std::to_string(worstForward));
    std::printf("largest difference from PROJ within 55 km: inverse %.4f m, forward %.4f m\n", worstInverse,
                worstForward);
}
#endif

TEST(CassiniSoldner, RoundTripThroughGaussBoagaForEveryCentre) {
    double worst = 0;
    for (int index = 1; index < CentreCount; ++index) {
        SCOPED_TRACE(CentreName(index));
        const CentreValues centre = Centre(index);
        for (const CassiniXY& p : PointsWithin(50000.0)) {
            const GaussBoagaResult gb = CassiniToGaussBoaga(centre, p.X, p.Y);
            ASSERT_TRUE(gb.ZoneCode == GBOvest || gb.ZoneCode == GBEst);
            // The result lies where the Gauss-Boaga checks accept it.
            EXPECT_FALSE(CheckGaussBoaga(gb.Nord, gb.Est).has_value()) << gb.Nord << " " << gb.Est;
            const CassiniResult back = GaussBoagaToCassini(centre, gb.Nord, gb.Est);
            EXPECT_EQ(back.ZoneCode, gb.ZoneCode);
            const double d = std::hypot(back.X - p.X, back.Y - p.Y);
            EXPECT_LT(d, 0.05) << p.X << ", " << p.Y;
            worst = std::max(worst, d);
        }
    }
    RecordProperty("largest_round_trip_difference_m", std::to_string(worst));
    std::printf("largest Cassini->Gauss-Boaga->Cassini difference within 50 km: %.4f m\n", worst);
}

TEST(CassiniSoldner, ZonesAtTheirLimits) {
    EXPECT_EQ(ZoneForEast(2000000.0), GBOvest);
    EXPECT_EQ(ZoneForEast(2000000.01), GBEst);
    EXPECT_EQ(ZoneForLongitude(-0.45233333333333), GBEst);
    EXPECT_EQ(ZoneForLongitude(-0.452333333334), GBOvest);

    // Est 2 000 000 is read in zone Ovest, 500 km east of its central meridian.
    const CassiniResult r = GaussBoagaToCassini(Centre(14), 4640000.0, 2000000.0);
    EXPECT_EQ(r.ZoneCode, GBOvest);
    EXPECT_GT(r.GeoDeltaLongitude, 5.0);
    // A point on the Monte Mario meridian goes to zone Est.
    const GaussBoagaResult g = CassiniToGaussBoaga(Centre(14), 0.0, 0.0);
    EXPECT_EQ(g.ZoneCode, GBEst);
}

TEST(CassiniSoldner, ChecksAtTheirInclusiveLimits) {
    EXPECT_FALSE(CheckCentre({47.3, 10.0}).has_value());
    EXPECT_FALSE(CheckCentre({35.0, -3.0}).has_value());

    auto lat = CheckCentre({47.30001, 1.0});
    ASSERT_TRUE(lat.has_value());
    EXPECT_EQ(lat->input, CadastralInput::CentreLatitude);
    EXPECT_EQ(lat->text(), "VALORE DELLA LATITUDINE\rDEL CENTRO DEL SISTEMA\rNON AMMISSIBILE");
    EXPECT_EQ(CheckCentre({34.9999999, 1.0})->input, CadastralInput::CentreLatitude);
    // The latitude is checked first.
    EXPECT_EQ(CheckCentre({0.0, 0.0})->input, CadastralInput::CentreLatitude);
    // Stored gg.ppssdddd numbers are compared, not degrees: 47.2959 is 47°29'59'' and passes.
    EXPECT_FALSE(CheckCentre({47.2959, 1.0}).has_value());

    auto lon = CheckCentre({40.0, 10.00001});
    ASSERT_TRUE(lon.has_value());
    EXPECT_EQ(lon->input, CadastralInput::CentreLongitude);
    EXPECT_EQ(lon->lines, (std::vector<std::string>{"VALORE DELLA LONGITUDINE", "DEL CENTRO DEL SISTEMA",
                                                    "NON AMMISSIBILE"}));
    EXPECT_EQ(CheckCentre({40.0, -3.00001})->input, CadastralInput::CentreLongitude);

    EXPECT_FALSE(CheckGaussBoaga(3800000.0, 1000000.0).has_value());
    EXPECT_FALSE(CheckGaussBoaga(5500000.0, 3000000.0).has_value());
    auto nord = CheckGaussBoaga(3799999.99, 0.0);
    ASSERT_TRUE(nord.has_value());
    EXPECT_EQ(nord->input, CadastralInput::Nord);
    EXPECT_EQ(nord->text(), "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
    EXPECT_EQ(CheckGaussBoaga(5500000.01, 2000000.0)->input, CadastralInput::Nord);
    auto est = CheckGaussBoaga(4000000.0, 3000000.01);
    ASSERT_TRUE(est.has_value());
    EXPECT_EQ(est->input, CadastralInput::Est);
    EXPECT_EQ(est->text(), "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE");
    EXPECT_EQ(CheckGaussBoaga(4000000.0, 999999.99)->input, CadastralInput::Est);
}

TEST(CassiniSoldner, GaussBoagaOfFourCentresFarFromMonteMario) {
    // Reference values from an independent transcription of the cadastral
    // formulas. Far from Monte Mario the Bessel <-> ROMA40 correction
    // polynomials move points by metres, so each of their coefficients shows
    // here (a flipped sign moves one of these points by 5 cm or more); the
    // round trip cannot see them, as both directions share them.
    struct Case {
        int centre;
        double X, Y;
        double Nord, Est;
        int zone;
    };
    const Case cases[] = {
        {1, 12000.0, -25000.0, 5104416.246, 2314059.801, GBEst},   // Pordenone
        {5, -30000.0, 40000.0, 4828025.367, 1437811.928, GBOvest}, // Monte Bignone
        {17, 12000.0, -25000.0, 4482750.097, 2763739.789, GBEst},  // Lecce
        {18, -30000.0, 40000.0, 4149711.678, 2558693.334, GBEst},  // Monte Etna (P. Lucia)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CentreName(c.centre));
        const GaussBoagaResult g = CassiniToGaussBoaga(Centre(c.centre), c.X, c.Y);
        EXPECT_EQ(g.ZoneCode, c.zone);
        EXPECT_NEAR(g.Nord, c.Nord, 0.001);
        EXPECT_NEAR(g.Est, c.Est, 0.001);
        std::printf("%s: Nord %.4f (%+.4f), Est %.4f (%+.4f)\n", CentreName(c.centre).c_str(), g.Nord,
                    g.Nord - c.Nord, g.Est, g.Est - c.Est);
    }
}

TEST(CassiniSoldner, CassiniInputAndEachResultStayWhereTheOtherDirectionAccepts) {
    // X and Y as typed: readable, within +-1 000 000 m inclusive; X first.
    EXPECT_FALSE(CheckCassini(1000000.0, -1000000.0).has_value());
    EXPECT_FALSE(CheckCassini(-1000000.0, 1000000.0).has_value());
    const auto x = CheckCassini(90000000.0, 0.0);
    ASSERT_TRUE(x.has_value());
    EXPECT_EQ(x->input, CadastralInput::X);
    EXPECT_EQ(x->text(), "VALORE DELLA COORDINATA X\rNON AMMISSIBILE");
    EXPECT_EQ(CheckCassini(-1000000.01, 5e6)->input, CadastralInput::X);
    const auto y = CheckCassini(0.0, 1000000.01);
    ASSERT_TRUE(y.has_value());
    EXPECT_EQ(y->input, CadastralInput::Y);
    EXPECT_EQ(y->text(), "VALORE DELLA COORDINATA Y\rNON AMMISSIBILE");
    // A number that did not fit a double reads as 0 but is not valid.
    EXPECT_EQ(CheckCassini(0.0, 0.0, false, true)->input, CadastralInput::X);
    EXPECT_EQ(CheckCassini(0.0, 0.0, true, false)->input, CadastralInput::Y);
    EXPECT_EQ(CheckCassini(std::nan(""), 0.0)->input, CadastralInput::X);
    EXPECT_EQ(CheckGaussBoaga(std::nan(""), 2000000.0)->input, CadastralInput::Nord);
    EXPECT_EQ(CheckGaussBoaga(4500000.0, INFINITY)->input, CadastralInput::Est);

    // X and Y inside the limits whose Gauss-Boaga point lies outside what the
    // Gauss-Boaga tab accepts: 900 km south of Monte Etna is 29.6° N; 1 000 km
    // west of Pordenone is 720 km west of the Ovest central meridian.
    const CentreValues etna = Centre(18), pordenone = Centre(1), bignone = Centre(5);
    const auto south = CheckGaussBoagaResult(CassiniToGaussBoaga(etna, -900000.0, 0.0));
    ASSERT_TRUE(south.has_value());
    EXPECT_EQ(south->input, CadastralInput::X);
    EXPECT_EQ(south->text(), "VALORE DELLA COORDINATA X\rNON AMMISSIBILE");
    const auto west = CheckGaussBoagaResult(CassiniToGaussBoaga(pordenone, 0.0, -1000000.0));
    ASSERT_TRUE(west.has_value());
    EXPECT_EQ(west->input, CadastralInput::Y);
    EXPECT_EQ(CheckGaussBoagaResult({NAN, 2000000.0, GBEst})->input, CadastralInput::X);

    // Gauss-Boaga points inside their ranges whose Cassini-Soldner point lies
    // beyond +-1 000 km of the centre: laid on Nord and Est.
    const auto north = CheckCassiniResult(GaussBoagaToCassini(etna, 5500000.0, 2500000.0));
    ASSERT_TRUE(north.has_value());
    EXPECT_EQ(north->input, CadastralInput::Nord);
    EXPECT_EQ(north->text(), "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
    const auto east = CheckCassiniResult(GaussBoagaToCassini(bignone, 3800000.0, 3000000.0));
    ASSERT_TRUE(east.has_value());
    EXPECT_EQ(east->input, CadastralInput::Est);
    EXPECT_EQ(east->text(), "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE");
    EXPECT_FALSE(CheckCassiniResult(GaussBoagaToCassini(bignone, 4828025.367, 1437811.928)).has_value());
}
