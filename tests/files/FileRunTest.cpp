#include "files/FileRun.h"
#include "files/CommandLine.h"
#include "files/GeoToPlaneRows.h"
#include "geodesy/Angles.h"
#include "windows/GeoToPlanePage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <unistd.h>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;
using namespace tervano::files;

namespace {

struct Converted {
    std::string output;
    RunOutcome outcome;
    std::vector<RefusedRow> refused;
};

class Collect : public RunObserver {
public:
    std::vector<RefusedRow> rows;
    void refused(const RefusedRow& r) override { rows.push_back(r); }
};

std::string ReadAll(std::FILE* f) {
    std::rewind(f);
    std::string out;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    return out;
}

Converted Convert(const std::string& input, const FileLayout& layout = {}, ConversionOptions o = {},
                  unsigned workers = 2) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::string error;
    const auto converter = MakeRowConverter(o, error);
    EXPECT_TRUE(converter) << error;
    Collect observer;
    Converted r;
    r.outcome = ConvertStream(in, out, *converter, layout, observer, workers);
    std::fflush(out);
    r.output = ReadAll(out);
    r.refused = observer.rows;
    std::fclose(in);
    std::fclose(out);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);)
        lines.push_back(line);
    return lines;
}

// The page's North and East for a point typed in notation `unit`, written as numbers.
std::string PageColumns(System s, double lat, double lon, int unit = 1, int origin = 1) {
    GeoToPlanePage p(PageSettings{unit, origin, "."});
    p.chooseSystem(s);
    p.setLatitude({AngleFromTyped(lat, unit).degrees, true, ""});
    p.setLongitude({AngleFromTyped(lon, unit).degrees, true, ""});
    if (p.execute())
        return "refused";
    std::string out = LengthColumn(p.result().north) + ";" + LengthColumn(p.result().east) + ";" +
                      ZoneColumn(p.result().values.MembershipZoneCode) + ";";
    if (p.result().values.OverlapShown)
        out += LengthColumn(p.result().overlapNorth) + ";" + LengthColumn(p.result().overlapEast) + ";" +
               ZoneColumn(p.result().values.OverlapZoneCode);
    else
        out += ";;";
    return out;
}

const std::string Tail = ";OK";
const std::string Header =
    "Nord;Est;Fuso;Nord sovrapposizione;Est sovrapposizione;Fuso sovrapposizione;Esito";

} // namespace

TEST(FileRun, TheWorkedExampleAsAFileRow) {
    // 41°50' N, 0°20' W of Monte Mario in ROMA40, typed in notation 1: zone Est,
    // and zone Ovest too since the point lies in the overlap band.
    const Converted r = Convert("P1;41.5;-0.2\n");
    EXPECT_EQ(r.outcome.summary.converted, 1u);
    const std::vector<std::string> lines = Lines(r.output);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "P1;41.5;-0.2;" + PageColumns(System::ROMA40, 41.5, -0.2) + Tail);
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    std::vector<Field> f;
    SplitLine(lines[0], Delimiter::Semicolon, f);
    ASSERT_EQ(f.size(), 10u);
    EXPECT_EQ(f[5].value, "Est");
    EXPECT_EQ(f[8].value, "Ovest");
    GeographicLib::TransverseMercatorExact tm(6378388.0, 1 / 297.0, 0.9996);
    const double lat = 41.0 + 50.0 / 60.0, lambda = -1.0 / 3.0;
    double x = 0, y = 0;
    tm.Forward(0.0, lat, lambda - 2.54766666666667, x, y);
    EXPECT_NEAR(std::stod(f[3].value), y, 0.0011);
    EXPECT_NEAR(std::stod(f[4].value), x + 2520000.0, 0.0011);
    tm.Forward(0.0, lat, lambda + 3.45233333333333, x, y);
    EXPECT_NEAR(std::stod(f[6].value), y, 0.0011);
    EXPECT_NEAR(std::stod(f[7].value), x + 1500000.0, 0.0011);
#endif
}

TEST(FileRun, AFileOfPointsGivesThePagesDigits) {
    // Random points over and around Italy in every notation and system, with
    // Greenwich longitudes for ROMA40: each row's results are the page's own.
    std::mt19937_64 rng(13);
    std::uniform_real_distribution<double> lat(34.5, 49.5), lonMM(-7.5, 7.5), lonG(5.0, 19.8);
    for (int unit = 1; unit <= 4; ++unit) {
        for (System s : {System::ROMA40, System::ED50, System::WGS84}) {
            for (int origin = 1; origin <= 2; ++origin) {
                std::string input, expected;
                for (int i = 0; i < 300; ++i) {
                    // Typed values in the notation: decimal degrees packed as the notation types them.
                    const double d = lat(rng),
                                 l = s == System::ROMA40 && origin == 1 ? lonMM(rng) : lonG(rng);
                    char row[128];
                    std::snprintf(row, sizeof row, "P%d;%.10g;%.10g", i, AngleForPaste(d, unit).editValue,
                                  AngleForPaste(l, unit).editValue);
                    // The page gets the numbers as the row holds them.
                    const char* semicolon = std::strchr(row, ';');
                    char* end = nullptr;
                    const double tl = std::strtod(semicolon + 1, &end);
                    const double tg = std::strtod(end + 1, nullptr);
                    input += std::string(row) + "\n";
                    const std::string page = PageColumns(s, tl, tg, unit, origin);
                    expected += row;
                    expected += page == "refused" ? ";;;;;;;" : ";" + page + Tail;
                    expected += "\n";
                }
                ConversionOptions o;
                o.system = s;
                o.angleUnit = unit;
                o.longitudeOrigin = origin;
                const Converted r = Convert(input, {}, o);
                // Refused rows carry their message: compare the results only.
                std::vector<std::string> got = Lines(r.output), want = Lines(expected);
                ASSERT_EQ(got.size(), want.size());
                for (size_t k = 0; k < got.size(); ++k) {
                    if (got[k].ends_with(";OK"))
                        EXPECT_EQ(got[k], want[k]) << "notation " << unit << " system " << Code(s);
                    else
                        EXPECT_EQ(got[k].substr(0, want[k].size()), want[k]);
                }
                EXPECT_EQ(r.outcome.summary.read, 300u);
            }
        }
    }
}

TEST(FileRun, ReadingBomCrlfHeaderCommentsBlankLinesAndQuotes) {
    const std::string page = PageColumns(System::ROMA40, 41.5, -0.2);
    // BOM, CRLF, a header, a comment, a blank line, a quoted name with the delimiter.
    Converted r = Convert(
        "\xEF\xBB\xBFNome;Lat;Lon\r\n# rilievo 2024; squadra A\r\n\r\n\"Vertice; nord\";41.5;-0.2\r\n");
    EXPECT_EQ(r.output, "\xEF\xBB\xBFNome;Lat;Lon;" + Header + "\r\n# rilievo 2024; squadra A\r\n\r\n" +
                            "\"Vertice; nord\";41.5;-0.2;" + page + Tail + "\r\n");
    EXPECT_TRUE(r.outcome.summary.header);
    EXPECT_EQ(r.outcome.summary.read, 1u);
    EXPECT_EQ(r.outcome.summary.delimiter, Delimiter::Semicolon);

    // Decimal comma with semicolons, tabs and blanks; commas with decimal points.
    r = Convert("P1;41,5;-0,2\n");
    EXPECT_EQ(r.output, "P1;41,5;-0,2;" + page + Tail + "\n");
    std::string tabbed = page;
    for (char& c : tabbed)
        if (c == ';')
            c = '\t';
    r = Convert("P 1\t41,5\t-0,2\n");
    EXPECT_EQ(r.output, "P 1\t41,5\t-0,2\t" + tabbed + "\tOK\n");
    r = Convert("\"P, 1\",41.5,-0.2\n");
    std::string commas = page;
    for (char& c : commas)
        if (c == ';')
            c = ',';
    EXPECT_EQ(r.output, "\"P, 1\",41.5,-0.2," + commas + ",OK\n");
    EXPECT_EQ(r.outcome.summary.delimiter, Delimiter::Comma);
    r = Convert("P1   41,5  -0,2\n");
    EXPECT_EQ(r.outcome.summary.delimiter, Delimiter::Blanks);
    EXPECT_EQ(r.refused.size(), 0u);
    EXPECT_EQ(r.output.substr(0, 16), "P1   41,5  -0,2 ");

    // A 10 000-character line: a long pass-through column after the coordinates.
    const std::string note(10000, 'x');
    r = Convert("P1;41.5;-0.2;" + note + "\nP2;41.5;-0.2\n");
    EXPECT_EQ(Lines(r.output)[0], "P1;41.5;-0.2;" + note + ";" + page + Tail);
    EXPECT_EQ(r.outcome.summary.converted, 2u);

    // Empty file, only a header, no final line end.
    r = Convert("");
    EXPECT_EQ(r.output, "");
    EXPECT_EQ(r.outcome.summary.read, 0u);
    EXPECT_TRUE(r.outcome.error.empty());
    r = Convert("Nome;Lat;Lon\n");
    EXPECT_EQ(r.output, "Nome;Lat;Lon;" + Header + "\n");
    EXPECT_EQ(r.outcome.summary.read, 0u);
    r = Convert("Nome;Lat;Lon");
    EXPECT_EQ(r.output, "Nome;Lat;Lon;" + Header + "\n");

    // Columns by option: no name, longitude before latitude, a pass-through column between.
    FileLayout layout;
    layout.nameColumn = 0;
    layout.coordinateColumns = {3, 1};
    r = Convert("-0.2;codice 7;41.5\n", layout);
    EXPECT_EQ(r.output, "-0.2;codice 7;41.5;" + page + Tail + "\n");
    // A first row without its coordinate fields is a refused row, not a header.
    r = Convert("P0\nP1;41.5;-0.2\n");
    EXPECT_FALSE(r.outcome.summary.header);
    ASSERT_EQ(r.refused.size(), 1u);
    EXPECT_EQ(r.refused[0].line, 1u);
    // A header forced on: the first data line is passed on as one.
    layout = {};
    layout.header = HeaderMode::Yes;
    r = Convert("# n\nP1;41.5;-0.2\nP2;41.5;-0.2\n", layout);
    EXPECT_EQ(Lines(r.output)[1], "P1;41.5;-0.2;" + Header);
    EXPECT_EQ(r.outcome.summary.read, 1u);
    // Coordinate columns that are not the converter's number: an error, nothing written.
    layout = {};
    layout.coordinateColumns = {2};
    r = Convert("P1;41.5;-0.2\n", layout);
    EXPECT_EQ(r.outcome.error, "La conversione legge 2 colonne di coordinate (latitudine, longitudine)");
    EXPECT_EQ(r.output, "");
    // A header forced off: a first row of text is a refused row.
    layout = {};
    layout.header = HeaderMode::No;
    r = Convert("Nome;Lat;Lon\nP1;41.5;-0.2\n", layout);
    ASSERT_EQ(r.refused.size(), 1u);
    EXPECT_EQ(r.refused[0].line, 1u);
}

TEST(FileRun, RefusedRowsWithTheirMessageAndLineWhileTheOthersConvert) {
    const Converted r =
        Convert("Nome;Lat;Lon\n"
                "P1;41.5;-0.2\n"
                "# fuori dall'Italia\n"
                "P2;50;1\n"       // out of range
                "P3;4l.5;1\n"     // a letter in a number
                "P4;41.5\n"       // too few columns
                "P5;;1\n"         // an empty coordinate
                "P6;41.5;1E400\n" // beyond a double: refused as out of range, as in the window
                "P7;45;1\n");
    EXPECT_EQ(r.outcome.summary.read, 7u);
    EXPECT_EQ(r.outcome.summary.converted, 2u);
    EXPECT_EQ(r.outcome.summary.refused, 5u);
    const std::vector<RefusedRow> expected = {
        {4, "VALORE DELLA LATITUDINE NON AMMISSIBILE PER IL SISTEMA INDICATO"},
        {5, "VALORE NON NUMERICO NELLA COLONNA 2 (LATITUDINE)"},
        {6, "COLONNE INSUFFICIENTI: 2 INVECE DI ALMENO 3"},
        {7, "VALORE MANCANTE NELLA COLONNA 2 (LATITUDINE)"},
        {8, "VALORE DELLA LONGITUDINE NON AMMISSIBILE PER IL SISTEMA INDICATO"},
    };
    ASSERT_EQ(r.refused.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.refused[i].line, expected[i].line);
        EXPECT_EQ(r.refused[i].status, expected[i].status);
    }
    const std::vector<std::string> lines = Lines(r.output);
    ASSERT_EQ(lines.size(), 9u);
    // Each output line keeps its input line's number; refused rows keep the result columns empty.
    EXPECT_EQ(lines[3], "P2;50;1;;;;;;;VALORE DELLA LATITUDINE NON AMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_EQ(lines[5], "P4;41.5;;;;;;;;COLONNE INSUFFICIENTI: 2 INVECE DI ALMENO 3");
    EXPECT_EQ(lines[8], "P7;45;1;" + PageColumns(System::ROMA40, 45, 1) + Tail);
}

TEST(FileRun, ManyBlocksKeepTheirOrderOnAnyNumberOfWorkers) {
    // Enough rows for many blocks; one worker and three give the same file.
    std::string input;
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> lat(36.0, 47.0), lon(-6.0, 6.0);
    for (int i = 0; i < 60000; ++i) {
        char row[96];
        std::snprintf(row, sizeof row, "P%d\t%.7f\t%.7f\r\n", i, lat(rng), lon(rng));
        input += row;
        if (i % 1000 == 0)
            input += "# blocco\r\n";
    }
    ConversionOptions o;
    o.angleUnit = 2;
    const Converted one = Convert(input, {}, o, 1);
    const Converted three = Convert(input, {}, o, 3);
    EXPECT_EQ(one.outcome.summary.converted, 60000u);
    EXPECT_EQ(one.output, three.output);
    const std::vector<std::string> lines = Lines(three.output);
    ASSERT_EQ(lines.size(), 60060u);
    EXPECT_EQ(lines[60059].substr(0, 7), "P59999\t");
}

TEST(FileRun, CancelledBetweenBlocksAndTheOutputFileRenamedOnlyAtTheEnd) {
    // A run told to stop after its first block stops there.
    class StopAfterFirst : public RunObserver {
    public:
        int blocks = 0;
        void progress(std::uint64_t, std::uint64_t) override { ++blocks; }
        bool cancelled() override { return blocks > 0; }
    } stop;
    std::FILE* in = std::tmpfile();
    for (int i = 0; i < 50000; ++i)
        std::fprintf(in, "P%d;41.5;-0.2\n", i);
    std::rewind(in);
    std::FILE* out = std::tmpfile();
    std::string error;
    const auto converter = MakeRowConverter({}, error);
    const RunOutcome r = ConvertStream(in, out, *converter, {}, stop);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(stop.blocks, 1);
    EXPECT_GT(r.summary.read, 0u);
    EXPECT_LT(r.summary.read, 50000u);
    std::fclose(in);
    std::fclose(out);

    // The destination keeps its content until commit; a discarded run leaves it and no temporary file.
    char folder[] = "/tmp/tervano-output-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/punti.txt";
    std::FILE* old = std::fopen(path.c_str(), "w");
    std::fputs("precedente\n", old);
    std::fclose(old);
    auto content = [&](const std::string& p) {
        std::FILE* f = std::fopen(p.c_str(), "r");
        if (f == nullptr)
            return std::string("(manca)");
        std::string s = ReadAll(f);
        std::fclose(f);
        return s;
    };
    {
        OutputFile o;
        ASSERT_TRUE(o.open(path, error)) << error;
        EXPECT_EQ(o.temporaryPath().rfind(std::string(folder) + "/.punti.txt.", 0), 0u);
        std::fputs("nuovo\n", o.stream());
        std::fflush(o.stream());
        EXPECT_EQ(content(path), "precedente\n");
        EXPECT_EQ(content(o.temporaryPath()), "nuovo\n");
    } // not committed: removed
    EXPECT_EQ(content(path), "precedente\n");
    std::string temporary;
    {
        OutputFile o;
        ASSERT_TRUE(o.open(path, error));
        temporary = o.temporaryPath();
        std::fputs("nuovo\n", o.stream());
        ASSERT_TRUE(o.commit(error)) << error;
    }
    EXPECT_EQ(content(path), "nuovo\n");
    EXPECT_EQ(content(temporary), "(manca)");
    EXPECT_TRUE(
        SameFile(path, std::string(folder) + "/../" + (std::strrchr(folder, '/') + 1) + "/punti.txt"));
    EXPECT_FALSE(SameFile(path, temporary));
    std::remove(path.c_str());
    ::rmdir(folder);
}
