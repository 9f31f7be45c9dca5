#include "cadastre/CadastralPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tervano;

namespace {

const std::vector<std::string> NordRefused{"VALORE DELLA COORDINATA NORD", "NON AMMISSIBILE"};
const std::vector<std::string> EstRefused{"VALORE DELLA COORDINATA EST", "NON AMMISSIBILE"};
const std::vector<std::string> XRefused{"VALORE DELLA COORDINATA X", "NON AMMISSIBILE"};
const std::vector<std::string> YRefused{"VALORE DELLA COORDINATA Y", "NON AMMISSIBILE"};
const std::vector<std::string> LatitudeRefused{"VALORE DELLA LATITUDINE", "DEL CENTRO DEL SISTEMA",
                                               "NON AMMISSIBILE"};
const std::vector<std::string> LongitudeRefused{"VALORE DELLA LONGITUDINE", "DEL CENTRO DEL SISTEMA",
                                                "NON AMMISSIBILE"};

constexpr int Etna = 18;       // Monte Etna (P. Lucia)
constexpr int RomaCentre = 14; // centred on Monte Mario

TypedValue Typed(double v, const std::string& shown = "") {
    return {v, true, shown};
}

// The refusal a page gives for the two coordinates typed.
template <class Page> std::optional<Refusal> Compute(Page& page, TypedValue first, TypedValue second) {
    page.setFirst(first);
    page.setSecond(second);
    return page.execute();
}

void ExpectRefused(const std::optional<Refusal>& r, int input, const std::vector<std::string>& lines) {
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->input, input);
    EXPECT_EQ(r->lines, lines);
    EXPECT_EQ(r->icon, RefusalIcon::Stop);
}

} // namespace

TEST(CadastralPages, GaussBoagaToCassiniChecksInOrder) {
    GaussBoagaToCassiniPage page{PageSettings{}};
    // The user-defined entry at load: the centre is 0, 0 and refused first.
    EXPECT_EQ(page.chooseCentre(UserDefinedCentre).action, CentreSelection::Action::ClearCentre);
    ExpectRefused(Compute(page, Typed(4640000), Typed(2310000)), CentreLatitudeInput, LatitudeRefused);
    EXPECT_FALSE(page.hasResult());

    // Each check stops at the first value refused: centre latitude, centre
    // longitude, Nord, Est, then the result laid on Nord and Est.
    page.setCentreLatitude(Typed(47.30001));
    page.setCentreLongitude(Typed(-3));
    ExpectRefused(Compute(page, Typed(3799999.99), Typed(0)), CentreLatitudeInput, LatitudeRefused);
    page.setCentreLatitude(Typed(47.3));
    ExpectRefused(Compute(page, Typed(3799999.99), Typed(0)), FirstCoordinateInput, NordRefused);
    ExpectRefused(Compute(page, Typed(3800000), Typed(0)), SecondCoordinateInput, EstRefused);
    // Both limits pass their own checks, but the point lies 1 472 km south of a
    // centre at 47°30': its X is refused, laid on Nord.
    ExpectRefused(Compute(page, Typed(3800000), Typed(1000000)), FirstCoordinateInput, NordRefused);
    EXPECT_FALSE(Compute(page, Typed(5000000), Typed(1000000)).has_value());
    EXPECT_TRUE(page.hasResult());
    page.setSecond(Typed(1000000, "1 000 000.00")); // the same value as shown
    EXPECT_TRUE(page.hasResult());
    page.setSecond(Typed(1000000.01));
    EXPECT_FALSE(page.hasResult()); // the result is not this point's
    page.setSecond(Typed(1000000));
    EXPECT_FALSE(Compute(page, Typed(5000000), Typed(1000000)).has_value());
    page.setCentreLongitude(Typed(10.00001));
    EXPECT_FALSE(page.hasResult()); // another centre, another result
    ExpectRefused(Compute(page, Typed(5000000), Typed(1000000)), CentreLongitudeInput, LongitudeRefused);

    // A Gauss-Boaga point inside its ranges whose X lies 1 320 km north of
    // Monte Etna is refused on Nord; one far east of Monte Bignone on Est.
    page.chooseCentre(Etna);
    ExpectRefused(Compute(page, Typed(5500000), Typed(2500000)), FirstCoordinateInput, NordRefused);
    page.chooseCentre(5);
    ExpectRefused(Compute(page, Typed(3800000), Typed(3000000)), SecondCoordinateInput, EstRefused);
    // A refusal leaves no result behind.
    EXPECT_FALSE(Compute(page, Typed(4828025.367), Typed(1437811.928)).has_value());
    EXPECT_TRUE(Compute(page, Typed(0), Typed(0)).has_value());
    EXPECT_FALSE(page.hasResult());
    EXPECT_EQ(page.resultTexts(), (std::array<std::string, 2>{}));
}

TEST(CadastralPages, CassiniToGaussBoagaChecksInOrder) {
    CassiniToGaussBoagaPage page{PageSettings{}};
    page.chooseCentre(Etna);
    // X and Y within +-1 000 000, readable, and only where their Gauss-Boaga
    // point lies in the ranges the other direction accepts.
    ExpectRefused(Compute(page, {0, false, "1E400"}, Typed(0)), FirstCoordinateInput, XRefused);
    ExpectRefused(Compute(page, Typed(0), {0, false, "1E400"}), SecondCoordinateInput, YRefused);
    // 90 000 000 once gave "Nord 73 067 803.88" as a valid result.
    ExpectRefused(Compute(page, Typed(90000000), Typed(0)), FirstCoordinateInput, XRefused);
    ExpectRefused(Compute(page, Typed(-1000000.01), Typed(0)), FirstCoordinateInput, XRefused);
    ExpectRefused(Compute(page, Typed(0), Typed(1000000.01)), SecondCoordinateInput, YRefused);
    // Inside +-1 000 000 but 900 km south of the centre: Nord 3 280 062.
    ExpectRefused(Compute(page, Typed(-900000), Typed(0)), FirstCoordinateInput, XRefused);
    // 1 000 km west of Pordenone is 720 km west of the Ovest central meridian: laid on Y.
    page.chooseCentre(1);
    ExpectRefused(Compute(page, Typed(0), Typed(-1000000)), SecondCoordinateInput, YRefused);
    // The centre is checked before the coordinates.
    page.setCentreLatitude(Typed(34.9));
    ExpectRefused(Compute(page, Typed(90000000), Typed(0)), CentreLatitudeInput, LatitudeRefused);
    page.chooseCentre(UserDefinedCentre);
    ExpectRefused(Compute(page, Typed(0), Typed(0)), CentreLatitudeInput, LatitudeRefused);
}

TEST(CadastralPages, ComputesTheIndependentlyTranscribedPoints) {
    // Reference values from an independent transcription of the cadastral
    // formulas (the engine's tests): X -30 000, Y 40 000 about Monte Etna is
    // Nord 4 149 711.678, Est 2 558 693.334 in zone Est.
    CassiniToGaussBoagaPage toGaussBoaga{PageSettings{}};
    toGaussBoaga.chooseCentre(Etna);
    ASSERT_FALSE(Compute(toGaussBoaga, Typed(-30000), Typed(40000)).has_value());
    EXPECT_EQ(toGaussBoaga.resultTexts(), (std::array<std::string, 2>{"4 149 711.68", "2 558 693.33"}));
    EXPECT_EQ(toGaussBoaga.resultZone(), GBEst);
    const CopiedCoordinatesRecord plane = toGaussBoaga.copyRecord();
    EXPECT_EQ(plane.Kind, CopiedKind::Plane);
    EXPECT_NEAR(plane.North, 4149711.678, 0.001);
    EXPECT_NEAR(plane.East, 2558693.334, 0.001);
    EXPECT_EQ(plane.SystemCode, ROMA40);
    EXPECT_EQ(plane.ZoneCode, GBEst);
    EXPECT_TRUE(plane.isNationalPlane());

    // The reverse direction takes the record and lands within the round trip's 5 cm.
    GaussBoagaToCassiniPage toCassini{PageSettings{}};
    toCassini.chooseCentre(Etna);
    ASSERT_TRUE(toCassini.acceptsPaste(plane));
    toCassini.paste(plane);
    EXPECT_EQ(toCassini.first().shown, "4 149 711.68");
    EXPECT_EQ(toCassini.second().shown, "2 558 693.33");
    ASSERT_FALSE(toCassini.execute().has_value());
    const CopiedCoordinatesRecord cadastral = toCassini.copyRecord();
    EXPECT_EQ(cadastral.Kind, CopiedKind::Cadastral);
    EXPECT_NEAR(cadastral.CadastralX, -30000.0, 0.05);
    EXPECT_NEAR(cadastral.CadastralY, 40000.0, 0.05);
    EXPECT_EQ(cadastral.SystemCode, 0); // cadastral coordinates belong to their centre
    EXPECT_EQ(cadastral.ZoneCode, 0);

    // Far east of Monte Mario the point is in zone Est; the window once left
    // that zone in the shared state, the page's copy carries it.
    toCassini.chooseCentre(RomaCentre);
    ASSERT_FALSE(Compute(toCassini, Typed(4650123.45), Typed(2331234.56)).has_value());
    toGaussBoaga.chooseCentre(RomaCentre);
    ASSERT_TRUE(toGaussBoaga.acceptsPaste(toCassini.copyRecord()));
    toGaussBoaga.paste(toCassini.copyRecord());
    EXPECT_FALSE(toGaussBoaga.hasResult());
    ASSERT_FALSE(toGaussBoaga.execute().has_value());
    EXPECT_NEAR(toGaussBoaga.copyRecord().North, 4650123.45, 0.05);
    EXPECT_NEAR(toGaussBoaga.copyRecord().East, 2331234.56, 0.05);
    EXPECT_EQ(toGaussBoaga.copyRecord().ZoneCode, GBEst);

    // Results are written with the decimal point of the settings.
    toGaussBoaga.changeSettings(PageSettings{1, 1, ","});
    toGaussBoaga.chooseCentre(Etna);
    ASSERT_FALSE(Compute(toGaussBoaga, Typed(-30000), Typed(40000)).has_value());
    EXPECT_EQ(toGaussBoaga.resultTexts(), (std::array<std::string, 2>{"4 149 711,68", "2 558 693,33"}));
}

TEST(CadastralPages, PasteTakesOnlyRoma40GaussBoagaAndCadastralXY) {
    GaussBoagaToCassiniPage toCassini{PageSettings{}};
    CassiniToGaussBoagaPage toGaussBoaga{PageSettings{}};
    CopiedCoordinatesRecord c;
    EXPECT_FALSE(toCassini.acceptsPaste(c));
    EXPECT_FALSE(toGaussBoaga.acceptsPaste(c));

    // ROMA40 North and East of zone Ovest or Est only.
    c.Kind = CopiedKind::Plane;
    c.North = 4650000;
    c.East = 1500000;
    c.SystemCode = ROMA40;
    for (int zone : {GBOvest, GBEst}) {
        c.ZoneCode = zone;
        EXPECT_TRUE(toCassini.acceptsPaste(c)) << zone;
        EXPECT_FALSE(toGaussBoaga.acceptsPaste(c)) << zone;
    }
    for (int zone : {0, int(AuxiliaryZone)}) { // the single zone's own zone, the 21° E zone
        c.ZoneCode = zone;
        EXPECT_FALSE(toCassini.acceptsPaste(c)) << zone;
    }
    for (int system : {ED50, WGS84}) {
        c.SystemCode = system;
        c.ZoneCode = UTM33;
        EXPECT_FALSE(toCassini.acceptsPaste(c)) << system;
    }
    c.SystemCode = ROMA40;
    c.ZoneCode = GBOvest;
    c.Kind = CopiedKind::Geographic;
    EXPECT_FALSE(toCassini.acceptsPaste(c));

    // Cadastral X and Y only into the Cassini-Soldner page.
    c = CopiedCoordinatesRecord{};
    c.Kind = CopiedKind::Cadastral;
    c.CadastralX = -2000;
    c.CadastralY = 1000.456;
    EXPECT_FALSE(toCassini.acceptsPaste(c));
    EXPECT_TRUE(toGaussBoaga.acceptsPaste(c));

    // A paste drops the result and takes the values with the texts shown for them.
    toGaussBoaga.chooseCentre(Etna);
    ASSERT_FALSE(Compute(toGaussBoaga, Typed(100), Typed(100)).has_value());
    toGaussBoaga.paste(c);
    EXPECT_FALSE(toGaussBoaga.hasResult());
    EXPECT_EQ(toGaussBoaga.first().value, -2000);
    EXPECT_TRUE(toGaussBoaga.first().valid);
    EXPECT_EQ(toGaussBoaga.first().shown, "- 2 000.00");
    EXPECT_EQ(toGaussBoaga.second().shown, " 1 000.46"); // as the display box shows it
    // A record it does not take changes nothing; nothing to copy without a result.
    toCassini.paste(c);
    EXPECT_EQ(toCassini.first().value, 0);
    EXPECT_EQ(toCassini.copyRecord().Kind, CopiedKind::Empty);
    EXPECT_EQ(toGaussBoaga.copyRecord().Kind, CopiedKind::Empty);
}

TEST(CadastralPages, CentreFromTheTableOrTyped) {
    GaussBoagaToCassiniPage page{PageSettings{}};
    const CentreSelection s = page.chooseCentre(Etna);
    EXPECT_EQ(s.action, CentreSelection::Action::ShowCentre);
    EXPECT_EQ(s.provinces, "- Messina\r- Catania (parte)");
    EXPECT_EQ(page.centreIndex(), Etna);
    EXPECT_EQ(page.centre().centreLatitude, 37.454724);
    EXPECT_EQ(page.centre().centreLongitude, 6.0351129);
    EXPECT_EQ(page.centreLatitudeShown(), "37° 45' 47.240''");
    EXPECT_EQ(page.centreLongitudeShown(), "  6° 03' 51.129''"); // a table longitude after two blanks
    page.chooseCentre(5);
    EXPECT_EQ(page.centreLongitudeShown(), "-  1° 11' 17.116''");

    // The same value typed again keeps the result; another value drops it.
    ASSERT_FALSE(Compute(page, Typed(4828025.367), Typed(1437811.928)).has_value());
    page.setCentreLongitude({page.centre().centreLongitude, true, "-1° 11' 17.116''"});
    EXPECT_TRUE(page.hasResult());
    EXPECT_EQ(page.centreIndex(), UserDefinedCentre);               // typed: a user-defined centre
    page.setCentreLatitude({43.5222465, true, "43° 52' 22.465''"}); // Monte Bignone's own
    EXPECT_TRUE(page.hasResult());
    EXPECT_EQ(page.centreLatitudeShown(), "43° 52' 22.465''");
    page.setCentreLatitude({43.5, true, "43° 50' 00.000''"});
    EXPECT_FALSE(page.hasResult());
    EXPECT_EQ(page.centre().centreLatitude, 43.5);
    EXPECT_EQ(page.centreLatitudeShown(), "43° 50' 00.000''");
    EXPECT_EQ(page.typedCentreText(45.5959999999), "46° 00' 00.000''");
    EXPECT_EQ(page.typedCentreText(3.3151131), "3° 31' 51.131''");

    // The user-defined entry forgets both values.
    page.chooseCentre(Etna);
    ASSERT_FALSE(Compute(page, Typed(4180000), Typed(2560000)).has_value());
    EXPECT_EQ(page.chooseCentre(UserDefinedCentre).action, CentreSelection::Action::ClearCentre);
    EXPECT_FALSE(page.hasResult());
    EXPECT_EQ(page.centre().centreLatitude, 0.0);
    EXPECT_EQ(page.centre().centreLongitude, 0.0);
    EXPECT_EQ(page.centreLatitudeShown(), "");
    EXPECT_EQ(page.centreIndex(), UserDefinedCentre);
    EXPECT_EQ(page.centreLongitudeShown(), "");
    // An index outside the list changes nothing.
    page.chooseCentre(Etna);
    ASSERT_FALSE(Compute(page, Typed(4180000), Typed(2560000)).has_value());
    EXPECT_EQ(page.chooseCentre(-1).action, CentreSelection::Action::ShowAgain);
    EXPECT_TRUE(page.hasResult());
    EXPECT_EQ(page.centreIndex(), Etna);
}

TEST(CadastralPages, PrintedBlockLineByLine) {
    const PrintTexts t;
    const std::string gap(14, ' ');
    const std::string rule(62, '_');
    struct Expected {
        std::string text;
        bool bold;
    };
    const auto expectBlock = [](const PrintedBlock& b, const std::vector<Expected>& expected) {
        ASSERT_EQ(b.lines().size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(b.lines()[i].text(), expected[i].text) << i;
            EXPECT_EQ(b.lines()[i].bold, expected[i].bold) << i;
            EXPECT_EQ(b.lines()[i].size, 11) << i;
            EXPECT_EQ(b.lines()[i].x, 0) << i;
            EXPECT_EQ(b.lines()[i].font, "Arial") << i;
        }
    };

    GaussBoagaToCassiniPage toCassini{PageSettings{}};
    EXPECT_EQ(toCassini.printTitle(), "TRASFORMAZIONE CASSINI SOLDNER <> GAUSS BOAGA");
    toCassini.chooseCentre(Etna);
    toCassini.setPointName("PF 12,3"); // the point name keeps its comma
    ASSERT_FALSE(
        Compute(toCassini, Typed(4180000, "4 180 000.00"), Typed(2560000, "2 560 000.00")).has_value());
    const std::array<std::string, 2> xy = toCassini.resultTexts();
    expectBlock(toCassini.printedBlock(t),
                {{"Centro del Sistema Catastale (Bessel Genova):  Monte Etna (P. Lucia)", true},
                 {"Latitudine: 37° 45' 47.240''" + gap + "Longitudine:   6° 03' 51.129''", false},
                 {"", false},
                 {"Punto: PF 12,3", false},
                 {"", false},
                 {"Coordinate GAUSS BOAGA", true},
                 {"Nord: 4 180 000.00" + gap + "Est: 2 560 000.00", false},
                 {"", false},
                 {"Coordinate CASSINI SOLDNER", true},
                 {"X: " + xy[0] + gap + "Y: " + xy[1], false},
                 {rule, false},
                 {"", false}});
    EXPECT_FALSE(xy[0].empty());
    // The pieces are written one after the other as the print queue did: caption, value, gap, ...
    EXPECT_EQ(toCassini.printedBlock(t).lines()[6].pieces,
              (std::vector<std::string>{"Nord: ", "4 180 000.00", gap, "Est: ", "2 560 000.00"}));

    // A typed centre is printed as "Definite dall'utente" with the texts its boxes show.
    CassiniToGaussBoagaPage toGaussBoaga{PageSettings{}};
    toGaussBoaga.chooseCentre(Etna);
    toGaussBoaga.setCentreLatitude({37.454724, true, "37° 45' 47.240''"});
    toGaussBoaga.setPointName("");
    ASSERT_FALSE(Compute(toGaussBoaga, Typed(1000, "1 000.00"), Typed(-2000, "- 2 000.00")).has_value());
    const std::array<std::string, 2> ne = toGaussBoaga.resultTexts();
    expectBlock(toGaussBoaga.printedBlock(t),
                {{"Centro del Sistema Catastale (Bessel Genova):  Definite dall'utente", true},
                 {"Latitudine: 37° 45' 47.240''" + gap + "Longitudine:   6° 03' 51.129''", false},
                 {"", false},
                 {"Punto: ", false},
                 {"", false},
                 {"Coordinate CASSINI SOLDNER", true},
                 {"X: 1 000.00" + gap + "Y: - 2 000.00", false},
                 {"", false},
                 {"Coordinate GAUSS BOAGA", true},
                 {"Nord: " + ne[0] + gap + "Est: " + ne[1], false},
                 {rule, false},
                 {"", false}});
    EXPECT_EQ(toGaussBoaga.inputCaption(), std::string("Coordinate CASSINI SOLDNER"));
    EXPECT_EQ(toGaussBoaga.resultCaption(), std::string("Coordinate GAUSS BOAGA"));
}
