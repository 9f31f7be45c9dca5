#include "cadastre/CadastralCentres.h"
#include "cadastre/CassiniSoldner.h"
#include "geodesy/Angles.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tervano;

TEST(CadastralCentres, SelectionSetsTheRowAndJoinsItsProvinces) {
    CentreValues c;
    CentreSelection s = SelectCentre(5, c);
    EXPECT_EQ(s.action, CentreSelection::Action::ShowCentre);
    EXPECT_EQ(CentreName(5), "Monte Bignone");
    EXPECT_EQ(c.centreLatitude, 43.5222465);
    EXPECT_EQ(c.centreLongitude, -1.1117116);
    EXPECT_EQ(s.provinces, "- Imperia");

    s = SelectCentre(17, c);
    EXPECT_EQ(s.provinces, "- Lecce\r- Brindisi (parte)\r- Taranto (parte)");
    EXPECT_EQ(c.centreLatitude, 40.2102454);
    EXPECT_EQ(c.centreLongitude, 9.1454917);

    s = SelectCentre(18, c);
    EXPECT_EQ(CentreName(18), "Monte Etna (P. Lucia)");
    EXPECT_EQ(s.provinces, "- Messina\r- Catania (parte)");

    EXPECT_EQ(SelectCentre(9, c).provinces, "- Livorno (Isola d'Elba)");

    // No selection shows the current centre again and changes nothing.
    s = SelectCentre(-1, c);
    EXPECT_EQ(s.action, CentreSelection::Action::ShowAgain);
    EXPECT_EQ(c.centreLatitude, 42.4646193);
    EXPECT_EQ(c.centreLongitude, 1.2358545);

    // The user-defined entry forgets the centre so that it cannot be used unseen.
    s = SelectCentre(0, c);
    EXPECT_EQ(s.action, CentreSelection::Action::ClearCentre);
    EXPECT_TRUE(s.provinces.empty());
    EXPECT_EQ(c.centreLatitude, 0.0);
    EXPECT_EQ(c.centreLongitude, 0.0);
    EXPECT_TRUE(CheckCentre(c).has_value());
}

TEST(CadastralCentres, TableIsCompleteAndEveryCentreIsAcceptable) {
    EXPECT_EQ(CentreName(0), "Definite dall'utente");
    EXPECT_EQ(CentreName(19), "");
    EXPECT_EQ(CentreName(-1), "");
    EXPECT_TRUE(CentreAt(0).provinces.empty());
    for (int i = 1; i < CentreCount; ++i) {
        const CadastralCentre& row = CentreAt(i);
        SCOPED_TRACE(std::string(row.name));
        EXPECT_FALSE(row.name.empty());
        ASSERT_FALSE(row.provinces.empty());
        for (std::string_view line : row.provinces)
            EXPECT_TRUE(line.starts_with("- ")) << line;
        // Minutes and seconds of a stored value stay below 60.
        for (double v : {row.latitude, row.longitude}) {
            const double a = std::abs(v);
            const double minutes = std::floor(100 * a) - 100 * std::floor(a);
            const double seconds = 100 * (100 * a - std::floor(100 * a));
            EXPECT_LT(minutes, 60.0);
            EXPECT_LT(seconds, 60.0);
        }
        EXPECT_FALSE(CheckCentre({row.latitude, row.longitude}).has_value());
    }
    // Shared provinces appear under both centres.
    CentreValues c;
    EXPECT_NE(SelectCentre(3, c).provinces.find("- Parma (parte)"), std::string::npos);
    EXPECT_NE(SelectCentre(6, c).provinces.find("- Parma (parte)"), std::string::npos);
    EXPECT_EQ(SelectCentre(15, c).provinces, "- Frosinone (parte)\r- Latina (parte)");
    EXPECT_TRUE(SelectCentre(14, c).provinces.starts_with("- Frosinone (parte)\r- Latina (parte)\r"));

    // The Monte Mario centre is the anchor of the passage to ROMA40.
    EXPECT_EQ(CentreAt(14).latitude, MonteMarioLatitudeBessel);
    EXPECT_EQ(CentreAt(14).longitude, MonteMarioLongitudeGenova);
    // 4.444 reads as 4° 44' 40''.
    EXPECT_NEAR(SexagesimalToDegrees(CentreAt(15).longitude), 4 + 44 / 60.0 + 40 / 3600.0, 1e-10);
}

TEST(CadastralCentres, DisplayCarriesSecondsAtThreeDecimals) {
    EXPECT_EQ(FormatCentreValue(37.454724, false), "37° 45' 47.240''");
    EXPECT_EQ(FormatCentreValue(6.0351129, true), "  6° 03' 51.129''");
    EXPECT_EQ(FormatCentreValue(6.0351129, false), "6° 03' 51.129''");
    // 59.9999999'' would round to 60.000: carried into minutes, then degrees.
    EXPECT_EQ(FormatCentreValue(45.5959999999, false), "46° 00' 00.000''");
    EXPECT_EQ(FormatCentreValue(45.12599996, false), "45° 13' 00.000''");
    // Just below the carry the seconds round down to 59.999.
    EXPECT_EQ(FormatCentreValue(45.12599994, false), "45° 12' 59.999''");
    // West of Genova: the sign is on the whole value and, as in every pattern,
    // a negative value starts with the minus.
    EXPECT_EQ(FormatCentreValue(-1.1117116, true), "-  1° 11' 17.116''");
    EXPECT_EQ(FormatCentreValue(-0.1837157, true), "-  0° 18' 37.157''");
    EXPECT_EQ(FormatCentreValue(-1.1117116, false), "-1° 11' 17.116''");
    EXPECT_EQ(FormatCentreValue(0.0, false), "0° 00' 00.000''");
    // Seconds typed as 60 or more are shown as typed, not carried away.
    EXPECT_EQ(FormatCentreValue(45.1275, false), "45° 12' 75.000''");
    EXPECT_EQ(FormatCentreValue(41.5524399, false, ","), "41° 55' 24,399''");
}
