// Every conversion run over a file: each row gives the digits its page gives
// for the same typed point, refused rows keep their line and message while
// the others convert, and the known points come out right.
#include "cadastre/CadastralPages.h"
#include "datum/CommonPointSearch.h"
#include "datum/SystemChangePages.h"
#include "files/CadastralRows.h"
#include "files/CommandLine.h"
#include "files/CommonPointFile.h"
#include "files/FileRun.h"
#include "geodesy/Angles.h"
#include "tests/support/LinearGrid.h"
#include "windows/CartesianPages.h"
#include "windows/PlaneToGeoPage.h"
#include "windows/SingleZoneGeoToPlanePage.h"
#include "windows/SingleZonePlaneToGeoPage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <tuple>
#include <unistd.h>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;
using namespace tervano::files;

namespace {

std::shared_ptr<const CommonPointTable> Table() {
    static const std::shared_ptr<const CommonPointTable> table = [] {
        auto t = std::make_shared<CommonPointTable>();
        const CommonPointLoad load =
            LoadCommonPoints(std::string(TERVANO_SOURCE_DIR) + "/data/common_points.tsv", *t);
        EXPECT_TRUE(load.ok) << load.error;
        return t;
    }();
    return table;
}

std::vector<std::string> Split(const std::string& line, char d) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == d)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

struct FileResult {
    std::vector<std::vector<std::string>> rows; // output lines split at the tab
    std::vector<RefusedRow> refused;
    RunSummary summary;
};

class Collect : public RunObserver {
public:
    std::vector<RefusedRow> rows;
    void refused(const RefusedRow& r) override { rows.push_back(r); }
};

// Converts tab-separated rows (name first) with the options.
FileResult ConvertRows(const std::string& input, const ConversionOptions& o) {
    std::string error;
    const auto converter = MakeRowConverter(o, error);
    EXPECT_TRUE(converter) << error;
    if (!converter)
        return {};
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    FileLayout layout;
    layout.delimiter = Delimiter::Tab;
    layout.header = HeaderMode::No;
    Collect observer;
    const RunOutcome outcome = ConvertStream(in, out, *converter, layout, observer, 2);
    EXPECT_TRUE(outcome.error.empty()) << outcome.error;
    std::fflush(out);
    std::rewind(out);
    std::string text;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, out)) > 0;)
        text.append(buf, n);
    std::fclose(in);
    std::fclose(out);
    FileResult r;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        r.rows.push_back(Split(line, '\t'));
    r.refused = observer.rows;
    r.summary = outcome.summary;
    return r;
}

// A result box's text as a number in the typed form, transcribed here on its
// own: the degrees, then every further digit after one point, trailing zeros
// dropped ("-41° 55' 24.3990''" is -41.5524399, "41.92344417°" 41.92344417).
std::string Typed(const std::string& shown) {
    std::string sign, degrees, rest;
    size_t i = 0;
    for (; i < shown.size() && (shown[i] == ' ' || shown[i] == '-'); ++i)
        if (shown[i] == '-')
            sign = "-";
    for (; i < shown.size() && std::isdigit(static_cast<unsigned char>(shown[i])); ++i)
        degrees += shown[i];
    for (; i < shown.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(shown[i])))
            rest += shown[i];
    while (!rest.empty() && rest.back() == '0')
        rest.pop_back();
    if (degrees.empty())
        return {};
    return sign + degrees + (rest.empty() ? "" : "." + rest);
}

// A length as shown, without the blanks between thousands.
std::string Plain(const std::string& shown) {
    std::string out;
    for (char c : shown)
        if (c != ' ')
            out += c;
    return out;
}

// A field typed in a box: angles through the notation, lengths as they are.
TypedValue Angle(const std::string& text, int unit) {
    const TypedNumber n = ReadTypedNumber(text);
    return {AngleFromTyped(n.value, unit).degrees, n.valid, ""};
}
TypedValue Length(const std::string& text) {
    const TypedNumber n = ReadTypedNumber(text);
    return {n.value, n.valid, ""};
}

std::string Joined(const Refusal& r) {
    std::string s;
    for (const std::string& line : r.lines)
        s += (s.empty() ? "" : " ") + line;
    return s;
}

// The columns a page gives for one row: its results, then the status.
using Reference = std::function<std::vector<std::string>(const std::vector<std::string>& fields)>;

// Every row of the file against the page driven by hand; the refused ones
// listed with their lines.
void ExpectRowsAsThePage(const std::string& input, const ConversionOptions& o, size_t inputs,
                         const Reference& reference) {
    const FileResult run = ConvertRows(input, o);
    std::istringstream lines(input);
    size_t k = 0;
    std::vector<RefusedRow> refused;
    for (std::string line; std::getline(lines, line); ++k) {
        ASSERT_LT(k, run.rows.size());
        const std::vector<std::string> fields = Split(line, '\t');
        const std::vector<std::string>& row = run.rows[k];
        ASSERT_GT(row.size(), fields.size()) << line;
        const std::vector<std::string> got(row.begin() + static_cast<std::ptrdiff_t>(1 + inputs), row.end());
        const std::vector<std::string> expected =
            reference(std::vector<std::string>(fields.begin() + 1, fields.begin() + 1 + inputs));
        EXPECT_EQ(got.back(), expected.back()) << line;
        if (expected.back() == "OK") {
            // "*": a column checked on its own.
            ASSERT_EQ(got.size(), expected.size()) << line;
            for (size_t c = 0; c < got.size(); ++c)
                if (expected[c] != "*")
                    EXPECT_EQ(got[c], expected[c]) << line << " column " << c;
        } else
            refused.push_back({k + 1, expected.back()});
    }
    ASSERT_EQ(run.refused.size(), refused.size());
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(run.refused[i].line, refused[i].line);
        EXPECT_EQ(run.refused[i].status, refused[i].status);
    }
    EXPECT_EQ(run.summary.refused, refused.size());
    EXPECT_GT(run.summary.converted, 0u);
}

// The result columns of a run's row, found by the row's name.
std::vector<std::string> RowNamed(const FileResult& run, const std::string& name) {
    for (const auto& row : run.rows)
        if (!row.empty() && row[0] == name)
            return row;
    return {};
}

ConversionOptions Options(Conversion c, System s = System::ROMA40, int unit = 1, int origin = 1) {
    ConversionOptions o;
    o.conversion = c;
    o.system = s;
    o.angleUnit = unit;
    o.longitudeOrigin = origin;
    return o;
}

} // namespace

TEST(ConversionRows, PlaneToGeographicAsThePage) {
    for (const auto& row : {std::tuple{System::ROMA40, PlaneZone::GBOvest, 1},
                            {System::ED50, PlaneZone::UTM33, 2},
                            {System::WGS84, PlaneZone::UTM32, 4}}) {
        const auto system = std::get<0>(row);
        const auto zone = std::get<1>(row);
        const auto unit = std::get<2>(row);
        SCOPED_TRACE(Code(system));
        ConversionOptions o = Options(Conversion::PlaneToGeo, system, unit);
        if (system != System::ROMA40)
            o.zone = zone;
        const std::string input = "P1\t4635367.029\t2280758.619\n"
                                  "P2\t5000000\t1500000\n"
                                  "P3\t4500000\t400000\n"
                                  "P4\t4100000\t600000\n"
                                  "P5\t1\t1\n"
                                  "P6\t4800000\t2600000\n";
        ExpectRowsAsThePage(input, o, 2, [&](const std::vector<std::string>& f) -> std::vector<std::string> {
            PlaneToGeoPage page(PageSettings{unit, 1, "."});
            page.chooseSystem(system);
            page.chooseZone(zone);
            page.setNorth(Length(f[0]));
            page.setEast(Length(f[1]));
            if (auto refused = page.execute())
                return {Joined(*refused)};
            const char* zoneName = page.resultZone() == PlaneZone::GBOvest ? "Ovest"
                                   : page.resultZone() == PlaneZone::GBEst ? "Est"
                                   : page.resultZone() == PlaneZone::UTM32 ? "32"
                                   : page.resultZone() == PlaneZone::UTM33 ? "33"
                                                                           : "34";
            return {Typed(page.latitudeText()), Typed(page.longitudeText()), zoneName, "OK"};
        });
    }
    // The worked example back: Gauss-Boaga Est to 41°30' N, 0°12' W of Monte Mario.
    const FileResult run = ConvertRows("P1\t4635367.029\t2280758.619\n", Options(Conversion::PlaneToGeo));
    EXPECT_EQ(RowNamed(run, "P1"),
              (std::vector<std::string>{"P1", "4635367.029", "2280758.619", "41.5", "-0.2", "Est", "OK"}));
}

TEST(ConversionRows, CartesianBothWaysAsThePages) {
    for (const auto& row : {std::tuple{System::ROMA40, XAxis::ThroughMonteMario, 1},
                            {System::ROMA40, XAxis::ThroughGreenwich, 1},
                            {System::ROMA40, XAxis::ThroughGreenwich, 2},
                            {System::WGS84, XAxis::ThroughMonteMario, 1}}) {
        const auto system = std::get<0>(row);
        const auto axis = std::get<1>(row);
        const auto origin = std::get<2>(row);
        SCOPED_TRACE(std::to_string(Code(system)) + " " + std::to_string(int(axis)) + " " +
                     std::to_string(origin));
        ConversionOptions o = Options(Conversion::GeoToCartesian, system, 1, origin);
        o.xAxis = axis == XAxis::ThroughGreenwich ? "greenwich" : "montemario";
        const PageSettings settings{1, origin, "."};
        ExpectRowsAsThePage(
            "A\t41.5\t-0.2\t100\nB\t45.3012345\t3.1\t-20.5\nC\t91\t0\t0\nD\t38\t2.5\t1234.5678\n", o, 3,
            [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                GeoToCartesianPage page(settings);
                page.chooseSystem(system);
                page.chooseAxis(axis);
                page.setLatitude(Angle(f[0], 1));
                page.setLongitude(Angle(f[1], 1));
                page.setHeight(Length(f[2]));
                if (auto refused = page.execute())
                    return {Joined(*refused)};
                const auto t = page.resultTexts();
                return {Plain(t[0]), Plain(t[1]), Plain(t[2]), Typed(page.greenwichLongitudeText()), "OK"};
            });
        o.conversion = Conversion::CartesianToGeo;
        ExpectRowsAsThePage(
            "A\t4759577.146\t-27690.410\t4231968.194\nB\t0\t0\t0\nC\t4400000\t900000\t4500000\n", o, 3,
            [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                CartesianToGeoPage page(settings);
                page.chooseSystem(system);
                page.chooseAxis(axis);
                page.setX(Length(f[0]));
                page.setY(Length(f[1]));
                page.setZ(Length(f[2]));
                if (auto refused = page.execute())
                    return {Joined(*refused)};
                const auto t = page.resultTexts();
                return {Typed(t[0]), Typed(t[1]), Plain(t[2]), Typed(page.greenwichLongitudeText()), "OK"};
            });
    }
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    // Against the independent geocentric conversion, to the millimetre, and
    // the longitude from Greenwich beside a result on the Greenwich axis.
    const GeographicLib::Geocentric hayford(6378388.0, 1.0 / 297.0);
    double x = 0, y = 0, z = 0;
    const double monteMario = 12.0 + 27.0 / 60.0 + 8.4 / 3600.0;
    hayford.Forward(41.9, -0.2 + monteMario, 1234.5678, x, y, z);
    ConversionOptions o = Options(Conversion::GeoToCartesian, System::ROMA40, 2);
    o.xAxis = "greenwich";
    std::vector<std::string> row = RowNamed(ConvertRows("P\t41.9\t-0.2\t1234.5678\n", o), "P");
    ASSERT_EQ(row.size(), 9u);
    EXPECT_NEAR(std::stod(row[4]), x, 0.0005);
    EXPECT_NEAR(std::stod(row[5]), y, 0.0005);
    EXPECT_NEAR(std::stod(row[6]), z, 0.0005);
    EXPECT_EQ(row[7], "12.25233333");
    o.conversion = Conversion::CartesianToGeo;
    char line[200];
    std::snprintf(line, sizeof line, "P\t%.4f\t%.4f\t%.4f\n", x, y, z);
    row = RowNamed(ConvertRows(line, o), "P");
    ASSERT_EQ(row.size(), 9u);
    EXPECT_EQ((std::vector<std::string>{row[4], row[5], row[6], row[7]}),
              (std::vector<std::string>{"41.9", "-0.2", "1234.568", "12.25233333"}));
#endif
}

TEST(ConversionRows, SingleZoneBothWaysAsThePages) {
    struct Zone {
        System system;
        std::string meridian, falseEast, scale; // empty: the default
        int unit;
    };
    for (const Zone& zone :
         {Zone{System::ROMA40, "", "", "", 1}, Zone{System::WGS84, "12.3", "1000000", "1", 1},
          Zone{System::ED50, "14.5", "500000", "", 2}, Zone{System::WGS84, "", "", "0.9", 3},
          Zone{System::ED50, "", "", "2", 1}}) {
        SCOPED_TRACE(zone.meridian + " " + zone.scale);
        ConversionOptions o = Options(Conversion::SingleZoneGeoToPlane, zone.system, zone.unit);
        o.meridian = zone.meridian;
        o.falseEast = zone.falseEast;
        o.scale = zone.scale;
        const PageSettings settings{zone.unit, 1, "."};
        auto choose = [&](SingleZonePage& page) {
            page.chooseSystem(zone.system);
            if (!zone.meridian.empty()) {
                page.chooseMeridian(ZoneParameter::Typed);
                page.setTypedMeridian(Angle(zone.meridian, zone.unit));
                page.setTypedFalseEast(Length(zone.falseEast));
            }
            if (!zone.scale.empty()) {
                page.chooseScale(ZoneParameter::Typed);
                page.setTypedScale(Length(zone.scale));
            }
        };
        ExpectRowsAsThePage("A\t41.5\t-0.2\nB\t44.1\t12.5\nC\t30\t12\nD\t46.3\t14.45\n", o, 2,
                            [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                                SingleZoneGeoToPlanePage page(settings);
                                choose(page);
                                page.setLatitude(Angle(f[0], zone.unit));
                                page.setLongitude(Angle(f[1], zone.unit));
                                if (auto refused = page.execute())
                                    return {Joined(*refused)};
                                return {Plain(page.northText()), Plain(page.eastText()), "OK"};
                            });
        o.conversion = Conversion::SingleZonePlaneToGeo;
        ExpectRowsAsThePage("A\t4600000\t1500000\nB\t4900000\t1020000\nC\t-1\t0\nD\t4200000\t600000\n", o, 2,
                            [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                                SingleZonePlaneToGeoPage page(settings);
                                choose(page);
                                page.setNorth(Length(f[0]));
                                page.setEast(Length(f[1]));
                                if (auto refused = page.execute())
                                    return {Joined(*refused)};
                                return {Typed(page.latitudeText()), Typed(page.longitudeText()), "OK"};
                            });
    }
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    // A typed zone against the independent projection: WGS84 on 12°18' E,
    // false East 1 000 km, factor 1.
    ConversionOptions o = Options(Conversion::SingleZoneGeoToPlane, System::WGS84, 1);
    o.meridian = "12.18";
    o.falseEast = "1000000";
    o.scale = "1";
    double x = 0, y = 0;
    GeographicLib::TransverseMercatorExact(6378137.0, 1 / 298.257223563, 1.0).Forward(12.3, 41.5, 12.5, x, y);
    const std::vector<std::string> row = RowNamed(ConvertRows("P\t41.3\t12.3\n", o), "P");
    ASSERT_EQ(row.size(), 6u);
    EXPECT_NEAR(std::stod(row[3]), y, 0.0015);
    EXPECT_NEAR(std::stod(row[4]), x + 1000000.0, 0.0015);
#endif
}

TEST(ConversionRows, ChangeOfSystemAsThePagesWithTheCommonPointUsed) {
    // {source, target, notation, longitude origin, the table method's accuracy in metres}
    for (const auto& row : {std::tuple{System::ROMA40, System::WGS84, 1, 1, "5"},
                            {System::ROMA40, System::ED50, 2, 2, "11"},
                            {System::WGS84, System::ROMA40, 1, 2, "5"},
                            {System::ED50, System::WGS84, 4, 1, "10"}}) {
        const auto source = std::get<0>(row);
        const auto target = std::get<1>(row);
        const auto unit = std::get<2>(row);
        const auto origin = std::get<3>(row);
        const std::string accuracy = std::get<4>(row);
        SCOPED_TRACE(std::to_string(Code(source)) + ">" + std::to_string(Code(target)));
        ConversionOptions o = Options(Conversion::SystemChangeGeographic, source, unit, origin);
        o.targetSystem = target == System::ROMA40 ? "roma40" : target == System::ED50 ? "ed50" : "wgs84";
        o.commonPoints = Table();
        const PageSettings settings{unit, origin, "."};
        ExpectRowsAsThePage("A\t41.5\t12.3\nB\t45.3\t9.1\nC\t35\t5\nD\t50\t12\nE\t38.1\t15.5\nF\t42\t-0.3\n",
                            o, 2, [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                                GeographicChangePage page(settings, *Table());
                                page.chooseSource(source);
                                page.chooseTarget(target);
                                page.setLatitude(Angle(f[0], unit));
                                page.setLongitude(Angle(f[1], unit));
                                if (auto refused = page.execute())
                                    return {Joined(*refused)};
                                return {Typed(page.latitudeText()),
                                        Typed(page.longitudeText()),
                                        "*",
                                        "*",
                                        page.notices().empty() ? "sì" : "no",
                                        "tabella dei punti comuni",
                                        accuracy,
                                        "",
                                        "OK"};
                            });
        o.conversion = Conversion::SystemChangePlane;
        const bool zoneColumn = source != System::ROMA40;
        const std::string input = zoneColumn ? "A\t4640000\t300000\t33\nB\t5000000\t500000\t32\n"
                                               "C\t4640000\t300000\t31\nD\t4200000\t600000\t34\n"
                                             : "A\t4640000\t2300000\nB\t5000000\t1500000\n"
                                               "C\t4640000\t300000\nD\t4200000\t2700000\n";
        ExpectRowsAsThePage(input, o, zoneColumn ? 3 : 2,
                            [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                                PlaneChangePage page(settings, *Table());
                                page.chooseSource(source);
                                page.chooseTarget(target);
                                page.setNorth(Length(f[0]));
                                page.setEast(Length(f[1]));
                                if (zoneColumn)
                                    page.setZoneNumber(Length(f[2]));
                                if (auto refused = page.execute())
                                    return {Joined(*refused)};
                                const std::string zone = page.targetHasZone() ? page.zoneText()
                                                         : page.targetZone() == PlaneZone::GBOvest ? "Ovest"
                                                                                                   : "Est";
                                return {Plain(page.northText()),
                                        Plain(page.eastText()),
                                        zone,
                                        "*",
                                        "*",
                                        page.notices().empty() ? "sì" : "no",
                                        "tabella dei punti comuni",
                                        accuracy,
                                        "",
                                        "OK"};
                            });
    }

    // The common point: the table's row, at the distance of its coordinates in
    // the point's zone (Gauss-Boaga Est, columns 3 and 4 of the file), within
    // the search's 300 km; reliable within 30 km.
    ConversionOptions o = Options(Conversion::SystemChangePlane, System::ROMA40);
    o.targetSystem = "wgs84";
    o.commonPoints = Table();
    const FileResult run = ConvertRows("A\t4640000\t2300000\nB\t4100000\t2600000\n", o);
    const int eastColumn = SourcePairColumn(ROMA40, GBEst) - 1;
    for (const char* name : {"A", "B"}) {
        const std::vector<std::string> row = RowNamed(run, name);
        ASSERT_EQ(row.size(), 13u) << name;
        const int found = std::stoi(row[6]);
        ASSERT_GT(found, 0);
        const double north = name[0] == 'A' ? 4640000 : 4100000, east = name[0] == 'A' ? 2300000 : 2600000;
        const double distance =
            std::hypot(Table()->cell(found, eastColumn) - east, Table()->cell(found, eastColumn + 1) - north);
        EXPECT_EQ(row[7], Plain(FormatPattern(distance, Patterns::Metres))) << name;
        EXPECT_EQ(row[8], distance <= 30000 ? "sì" : "no") << name;
        // No row of the file is nearer.
        for (int r = 1; r < RowsScanned; ++r)
            if (Table()->cell(r, eastColumn) != 0)
                EXPECT_GE(
                    std::hypot(Table()->cell(r, eastColumn) - east, Table()->cell(r, eastColumn + 1) - north),
                    distance - 1e-6)
                    << name << " row " << r;
    }

    // Monte Mario, published: ROMA40 41°55'25.51" on its own meridian is WGS84
    // 41°55'27.851" N 12°27'07.658" E; the file's result within the change's 4 m.
    o = Options(Conversion::SystemChangeGeographic, System::ROMA40);
    o.targetSystem = "wgs84";
    o.commonPoints = Table();
    const std::vector<std::string> mm = RowNamed(ConvertRows("MM\t41.552551\t0\n", o), "MM");
    ASSERT_EQ(mm.size(), 12u);
    const double lat = SexagesimalToDegrees(std::stod(mm[3])), lon = SexagesimalToDegrees(std::stod(mm[4]));
    const double k = 6378137.0 * Pi() / 180.0;
    EXPECT_LT(std::hypot((lat - SexagesimalToDegrees(41.5527851)) * k,
                         (lon - SexagesimalToDegrees(12.2707658)) * k * std::cos(lat * Pi() / 180.0)),
              4.0);
    EXPECT_EQ(mm[7], "sì");
    EXPECT_EQ(mm[8], "tabella dei punti comuni");
    EXPECT_EQ(mm[9], "5");
    EXPECT_EQ(mm[10], "");
    EXPECT_EQ(mm[11], "OK");
}

TEST(ConversionRows, CadastreBothWaysAsThePages) {
    for (const std::string centre : {"18", "Monte Etna", "roma", "41.5524399,3.3151131"}) {
        SCOPED_TRACE(centre);
        std::string error;
        const std::optional<CentreChoice> choice = CentreFromText(centre, error);
        ASSERT_TRUE(choice) << error;
        auto choose = [&](CadastralPage& page) {
            if (centre == "18" || centre == "Monte Etna")
                page.chooseCentre(18);
            else if (centre == "roma")
                page.chooseCentre(14);
            else {
                page.chooseCentre(UserDefinedCentre);
                const size_t comma = centre.find(',');
                page.setCentreLatitude(Length(centre.substr(0, comma)));
                page.setCentreLongitude(Length(centre.substr(comma + 1)));
            }
        };
        ConversionOptions o = Options(Conversion::CadastreToGaussBoaga);
        o.centre = centre;
        ExpectRowsAsThePage(
            "A\t-30000\t40000\nB\t0\t0\nC\t12345.678\t-23456.789\nD\t90000000\t0\nE\t0\t-100000\n", o, 2,
            [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                CassiniToGaussBoagaPage page{PageSettings{}};
                choose(page);
                page.setFirst(Length(f[0]));
                page.setSecond(Length(f[1]));
                if (auto refused = page.execute())
                    return {Joined(*refused)};
                const auto t = page.resultTexts();
                return {Plain(t[0]), Plain(t[1]), page.resultZone() == GBEst ? "Est" : "Ovest", "OK"};
            });
        o.conversion = Conversion::GaussBoagaToCadastre;
        ExpectRowsAsThePage("A\t4149711.68\t2558693.33\nB\t4640000\t2300000\nC\t1\t1\nD\t4180000\t2560000\n",
                            o, 2, [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                                GaussBoagaToCassiniPage page{PageSettings{}};
                                choose(page);
                                page.setFirst(Length(f[0]));
                                page.setSecond(Length(f[1]));
                                if (auto refused = page.execute())
                                    return {Joined(*refused)};
                                const auto t = page.resultTexts();
                                return {Plain(t[0]), Plain(t[1]), "OK"};
                            });
    }
    // The reference point about Monte Etna: X -30 000, Y 40 000 is Nord
    // 4 149 711.678, Est 2 558 693.334 in zone Est, shown to the centimetre.
    ConversionOptions o = Options(Conversion::CadastreToGaussBoaga);
    o.centre = "monte etna (p. lucia)";
    EXPECT_EQ(RowNamed(ConvertRows("P\t-30000\t40000\n", o), "P"),
              (std::vector<std::string>{"P", "-30000", "40000", "4149711.68", "2558693.33", "Est", "OK"}));
}

TEST(ConversionRows, CommonPointFileFoundWhereTheProgramLooks) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tervano-table-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "share" / "tervano1");
    fs::create_directories(dir / "built");
    std::ofstream(dir / "built" / CommonPointFileName) << "";
    const std::string bin = (dir / "bin").string(), built = (dir / "built").string();
    // The variable first, whatever exists.
    EXPECT_EQ(CommonPointFilePath("/altrove/punti.tsv", bin, {built}), "/altrove/punti.tsv");
    // Nothing beside the program: the build-time folder.
    EXPECT_EQ(CommonPointFilePath("", bin, {built, "/manca"}),
              (dir / "built" / CommonPointFileName).string());
    // Beside the program, installed: before the build-time folder.
    std::ofstream(dir / "share" / "tervano1" / CommonPointFileName) << "";
    EXPECT_EQ(CommonPointFilePath("", bin, {built}),
              (dir / "share" / "tervano1" / CommonPointFileName).string());
    // Nowhere: the last folder's file, for the message.
    EXPECT_EQ(CommonPointFilePath("", "", {"/manca1", "/manca2"}), "/manca2/common_points.tsv");
    fs::remove_all(dir);
}

TEST(ConversionRows, ChangeOfSystemThroughAGridSaysTheMethodAndSubgrid) {
    ConversionOptions o = Options(Conversion::SystemChangeGeographic, System::ROMA40, 2, 2);
    o.targetSystem = "wgs84";
    o.gridPath = "/dati/grigliati/italia.gsb";
    o.grid = std::make_shared<const Ntv2Grid>(testgrid::Make());
    // No table needed; Rome in the child grid, Milan in the parent, one north of the grid.
    const FileResult run = ConvertRows("R\t41.9\t12.5\nM\t45.4642\t9.19\nN\t48.5\t11\n", o);
    ASSERT_EQ(run.rows.size(), 3u);
    std::vector<std::string> row = RowNamed(run, "R");
    const auto [lat, lon] = testgrid::Forward(41.9, 12.5);
    ASSERT_EQ(row.size(), 12u);
    // Five decimals, as the window shows them.
    EXPECT_NEAR(std::stod(row[3]), lat, 0.5e-5);
    EXPECT_NEAR(std::stod(row[4]), lon, 0.5e-5);
    EXPECT_EQ(std::vector<std::string>(row.begin() + 5, row.end()),
              (std::vector<std::string>{"", "", "", "grigliato NTv2 italia.gsb", "", "ROMA", "OK"}));
    EXPECT_EQ(RowNamed(run, "M")[10], "ITALIA");
    EXPECT_EQ(RowNamed(run, "N").back(), "PUNTO NON CALCOLABILE:  IL PUNTO È FUORI DAL GRIGLIATO NTv2");
    EXPECT_EQ(run.summary.refused, 1u);

    // Plane, with the copies of the converter sharing the grid: each row as the page gives it.
    o.conversion = Conversion::SystemChangePlane;
    o.system = System::WGS84;
    o.targetSystem = "roma40";
    const PageSettings settings{2, 2, "."};
    ExpectRowsAsThePage("A\t4640000\t300000\t33\nB\t5000000\t500000\t32\nC\t4200000\t280000\t34\n"
                        "D\t5400000\t500000\t33\n",
                        o, 3, [&](const std::vector<std::string>& f) -> std::vector<std::string> {
                            static const CommonPointTable none;
                            PlaneChangePage page(settings, none);
                            page.chooseSource(System::WGS84);
                            page.chooseTarget(System::ROMA40);
                            page.chooseMethod(ChangeMethod::Grid);
                            page.setGrid({o.grid, "italia.gsb", System::ROMA40});
                            page.setNorth(Length(f[0]));
                            page.setEast(Length(f[1]));
                            page.setZoneNumber(Length(f[2]));
                            if (auto refused = page.execute())
                                return {Joined(*refused)};
                            return {Plain(page.northText()),
                                    Plain(page.eastText()),
                                    page.targetZone() == PlaneZone::GBOvest ? "Ovest" : "Est",
                                    "",
                                    "",
                                    "",
                                    "grigliato NTv2 italia.gsb",
                                    "",
                                    page.subgridName(),
                                    "OK"};
                        });

    // The grid's source: the option wins over the header; a header that does
    // not tell needs the option; a grid that does not join the systems is refused.
    std::string error;
    o.grid = std::make_shared<const Ntv2Grid>(testgrid::Make("ETRS89?"));
    EXPECT_EQ(MakeRowConverter(o, error), nullptr);
    EXPECT_EQ(error, "Il grigliato NTv2 \"/dati/grigliati/italia.gsb\" non dice da quale sistema parte "
                     "(SYSTEM_F \"ETRS89?\"): indicarlo con --grigliato-sistema roma40 oppure ed50");
    o.gridSystem = "roma40";
    EXPECT_NE(MakeRowConverter(o, error), nullptr) << error;
    o.gridSystem = "ed50";
    EXPECT_EQ(MakeRowConverter(o, error), nullptr);
    EXPECT_EQ(error, "Il grigliato NTv2 \"/dati/grigliati/italia.gsb\" unisce ED50 e WGS84: non porta i "
                     "punti fra i due sistemi scelti");
}
