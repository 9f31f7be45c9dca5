#include "files/RowConverter.h"
#include "files/CommandLine.h"
#include "geodesy/Angles.h"

#include <gtest/gtest.h>

using namespace tervano;
using namespace tervano::files;

TEST(RowConverter, ResultAnglesInTheTypedFormOfEachNotation) {
    // The Bessel latitude of Monte Mario, 41°55'24.399''.
    const double d = 41.0 + 55.0 / 60.0 + 24.399 / 3600.0;
    EXPECT_EQ(AngleColumn(d, Sexagesimal), "41.5524399");
    EXPECT_EQ(AngleColumn(-d, Sexagesimal), "-41.5524399");
    EXPECT_EQ(AngleColumn(d, DecimalDegrees), "41.92344417");
    EXPECT_EQ(AngleColumn(d, Grads), "46.58160463");
    EXPECT_EQ(AngleColumn(d, DegreesMinutes), "41.5540665");
    // 0°20' west; whole degrees; seconds and minutes of a single digit.
    EXPECT_EQ(AngleColumn(-1.0 / 3.0, Sexagesimal), "-0.2");
    EXPECT_EQ(AngleColumn(12.0, Sexagesimal), "12");
    EXPECT_EQ(AngleColumn(12.0, DecimalDegrees), "12");
    EXPECT_EQ(AngleColumn(12.0 + 5.0 / 3600.0, Sexagesimal), "12.0005");
    EXPECT_EQ(AngleColumn(12.0 + 1.0 / 60.0, DegreesMinutes), "12.01");
    // A second that rounds to 60 at four decimals carries, as the result box shows it.
    EXPECT_EQ(AngleColumn(12.0 + 59.99999 / 3600.0, Sexagesimal), "12.01");

    EXPECT_EQ(LengthColumn("4 635 367.029"), "4635367.029");
    EXPECT_EQ(LengthColumn("-1 500.000"), "-1500.000");
    EXPECT_STREQ(ZoneColumn(GBOvest), "Ovest");
    EXPECT_STREQ(ZoneColumn(UTM34), "34");

    Refusal r;
    r.lines = {"VALORE DELLA LATITUDINE NON", "AMMISSIBILE PER IL SISTEMA INDICATO"};
    EXPECT_EQ(StatusOf(r), "VALORE DELLA LATITUDINE NON AMMISSIBILE PER IL SISTEMA INDICATO");
}

TEST(CommandLine, OptionsDefaultsAndUsageErrors) {
    std::string error;
    auto parse = [&](std::vector<std::string> args, StoredSettings s = {}) {
        error.clear();
        return ParseCommandLine(args, s, error);
    };
    // Notation and longitude origin from the settings unless given.
    auto cl = parse({"a.txt", "b.txt"}, StoredSettings{3, 2});
    ASSERT_TRUE(cl);
    EXPECT_EQ(cl->conversion.angleUnit, 3);
    EXPECT_EQ(cl->conversion.longitudeOrigin, 2);
    EXPECT_EQ(cl->conversion.conversion, Conversion::GeoToPlane);
    EXPECT_FALSE(cl->conversion.zone);
    EXPECT_EQ(cl->input, "a.txt");
    cl = parse({"-n", "2", "--longitudini=montemario", "-s", "WGS84", "-f", "33", "-d", "puntoevirgola",
                "--intestazione", "no", "--nome", "0", "--colonne", "3,2", "-q", "-", "-"},
               StoredSettings{3, 2});
    ASSERT_TRUE(cl) << error;
    EXPECT_EQ(cl->conversion.angleUnit, 2);
    EXPECT_EQ(cl->conversion.longitudeOrigin, 1);
    EXPECT_EQ(cl->conversion.system, System::WGS84);
    EXPECT_EQ(cl->conversion.zone, PlaneZone::UTM33);
    EXPECT_EQ(cl->layout.delimiter, Delimiter::Semicolon);
    EXPECT_EQ(cl->layout.header, HeaderMode::No);
    EXPECT_EQ(cl->layout.nameColumn, 0);
    EXPECT_EQ(cl->layout.coordinateColumns, (std::vector<int>{3, 2}));
    EXPECT_TRUE(cl->quiet);
    EXPECT_EQ(cl->output, "-");
    // The other conversions' names and choices are taken already.
    cl = parse({"-c", "catasto-gb", "--centro", "14", "a", "b"});
    ASSERT_TRUE(cl);
    EXPECT_EQ(cl->conversion.conversion, Conversion::CadastreToGaussBoaga);
    EXPECT_EQ(cl->conversion.centre, "14");
    EXPECT_TRUE(parse({"--aiuto"})->help);

    const std::pair<std::vector<std::string>, const char*> errors[] = {
        {{"a"}, "Indicare il file di ingresso e il file di uscita"},
        {{"a", "b", "c"}, "Troppi file indicati: \"c\""},
        {{"-n", "5", "a", "b"}, "Notazione degli angoli non valida: \"5\" (da 1 a 4)"},
        {{"-s", "etrf", "a", "b"}, "Sistema sconosciuto: \"etrf\" (roma40, ed50, wgs84)"},
        {{"--zona", "a", "b"}, "Opzione sconosciuta: --zona"},
        {{"a", "b", "-s"}, "L'opzione -s richiede un valore"},
        {{"--colonne", "2,x", "a", "b"}, "Colonne delle coordinate non valide: \"2,x\""},
        {{"-c", "polari", "a", "b"}, "Conversione sconosciuta: \"polari\""},
        {{"--colonne", "1,2", "a", "b"},
         "Colonne delle coordinate non valide: ogni colonna una volta sola, e non quella del nome"},
        {{"--colonne", "3,3", "a", "b"},
         "Colonne delle coordinate non valide: ogni colonna una volta sola, e non quella del nome"},
    };
    for (const auto& [args, message] : errors) {
        EXPECT_FALSE(parse(args));
        EXPECT_EQ(error, message);
    }

    // A zone of another system; the choices each conversion needs.
    ConversionOptions o;
    o.system = System::ED50;
    o.zone = PlaneZone::GBEst;
    EXPECT_FALSE(MakeRowConverter(o, error));
    EXPECT_EQ(error, "I sistemi ED50 e WGS84 hanno i fusi 32, 33 e 34");
    o.system = System::ROMA40;
    EXPECT_TRUE(MakeRowConverter(o, error));
    auto refusedWith = [&](const ConversionOptions& options) {
        error.clear();
        EXPECT_FALSE(MakeRowConverter(options, error));
        return error;
    };
    o.conversion = Conversion::PlaneToGeo;
    EXPECT_EQ(refusedWith(o), "Per il sistema ROMA40 il fuso segue dalla coordinata Est: non si indica");
    o.system = System::WGS84;
    o.zone.reset();
    EXPECT_EQ(refusedWith(o), "Indicare il fuso UTM dei punti con --fuso (32, 33, 34)");
    o.zone = PlaneZone::UTM33;
    EXPECT_TRUE(MakeRowConverter(o, error));
    o.conversion = Conversion::GeoToCartesian;
    o.xAxis = "parigi";
    EXPECT_EQ(refusedWith(o), "Asse X non valido: \"parigi\" (montemario, greenwich)");
    o.conversion = Conversion::SingleZoneGeoToPlane;
    o.meridian = "12";
    EXPECT_EQ(refusedWith(o), "Le opzioni --meridiano e --falso-est si indicano insieme");
    o.falseEast = "1500000 m";
    EXPECT_EQ(refusedWith(o), "Falso est non valido: \"1500000 m\"");
    o.falseEast = "1500000";
    EXPECT_TRUE(MakeRowConverter(o, error));
    o.conversion = Conversion::SystemChangeGeographic;
    EXPECT_EQ(refusedWith(o), "Indicare il sistema di arrivo con --sistema-arrivo (roma40, ed50, wgs84)");
    o.targetSystem = "wgs84";
    EXPECT_EQ(refusedWith(o), "Il sistema di arrivo deve essere diverso da quello di partenza");
    o.targetSystem = "ed50";
    EXPECT_EQ(refusedWith(o), "Tabella dei punti comuni non disponibile");
    o.conversion = Conversion::CadastreToGaussBoaga;
    EXPECT_EQ(refusedWith(o),
              "Indicare il centro catastale con --centro (numero, nome o latitudine,longitudine)");
    o.centre = "19";
    EXPECT_EQ(refusedWith(o), "Centro catastale \"19\" inesistente: i centri sono numerati da 1 a 18");
    o.centre = "monte p";
    EXPECT_EQ(refusedWith(o),
              "Il nome \"monte p\" indica più centri catastali: 13 Monte Pennino, 15 Monte Petrella");
    o.centre = "Atlantide";
    EXPECT_EQ(refusedWith(o), "Centro catastale sconosciuto: \"Atlantide\"");
    o.centre = "41.55,x";
    EXPECT_EQ(refusedWith(o),
              "Centro catastale non valido: \"41.55,x\" (latitudine,longitudine in gg.ppssdddd)");
}
