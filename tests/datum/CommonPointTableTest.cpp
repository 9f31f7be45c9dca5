#include "datum/CommonPointTable.h"

#include "datum/LandMasses.h"

#include "geodesy/Gauss.h"
#include "geodesy/ReferenceSystems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <vector>

using namespace tervano;

namespace {

const std::string DataFile = std::string(TERVANO_SOURCE_DIR) + "/data/common_points.tsv";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Columns of a group (0 west, 1 east, 2 zone 34) in system order ROMA40, ED50, WGS84.
std::vector<int> GroupColumns(int group) {
    std::vector<int> columns;
    for (int system = 0; system < 3; ++system)
        for (int k = 0; k < 2; ++k)
            columns.push_back(6 * system + 2 * group + k);
    return columns;
}

bool GroupFilled(const CommonPointTable& t, int row, int group) {
    for (int c : GroupColumns(group))
        if (t.cell(row, c) == 0.0)
            return false;
    return true;
}

bool RowEmpty(const CommonPointTable& t, int row) {
    for (int c = 0; c < CommonPointColumns; ++c)
        if (t.cell(row, c) != 0.0)
            return false;
    return true;
}

int CountFromReadme(const std::string& readme, const std::string& group) {
    std::smatch m;
    const std::regex pattern("\\| " + group + " \\| ([0-9]+) \\|");
    return std::regex_search(readme, m, pattern) ? std::stoi(m[1]) : -1;
}

} // namespace

TEST(CommonPointData, CommittedFileKeepsTheTableRulesAndMatchesItsReadme) {
    CommonPointTable t;
    const CommonPointLoad load = LoadCommonPoints(DataFile, t);
    ASSERT_TRUE(load.ok) << load.error;

    EXPECT_TRUE(RowEmpty(t, 0));
    for (int r = 665; r < CommonPointRows; ++r)
        EXPECT_TRUE(RowEmpty(t, r)) << r;
    for (int r = 0; r < CommonPointRows; ++r)
        EXPECT_EQ(t.cell(r, 18), 0.0);

    int west = 0, east = 0, both = 0, zone34 = 0;
    for (int r = 1; r <= 664; ++r) {
        bool any = false;
        for (int g = 0; g < 3; ++g) {
            const bool filled = GroupFilled(t, r, g);
            any = any || filled;
            if (!filled)
                for (int c : GroupColumns(g))
                    EXPECT_EQ(t.cell(r, c), 0.0) << "row " << r << " column " << c;
        }
        EXPECT_TRUE(any) << r;
        west += GroupFilled(t, r, 0);
        east += GroupFilled(t, r, 1);
        both += GroupFilled(t, r, 0) && GroupFilled(t, r, 1);
        zone34 += GroupFilled(t, r, 2);
        if (GroupFilled(t, r, 2))
            EXPECT_TRUE(GroupFilled(t, r, 1)) << "zone-34 row without the east group: " << r;
    }
    const std::string readme = ReadAll(std::string(TERVANO_SOURCE_DIR) + "/data/README.md");
    EXPECT_EQ(west, CountFromReadme(readme, "west group"));
    EXPECT_EQ(east, CountFromReadme(readme, "east group"));
    EXPECT_EQ(both, CountFromReadme(readme, "west and east"));
    EXPECT_EQ(zone34, CountFromReadme(readme, "zone-34 group"));

    // Row 1 west only; row 2 in both zones, each with its own projection.
    EXPECT_TRUE(GroupFilled(t, 1, 0));
    EXPECT_FALSE(GroupFilled(t, 1, 1));
    ASSERT_TRUE(GroupFilled(t, 2, 0) && GroupFilled(t, 2, 1));
    EXPECT_GT(std::abs(t.cell(2, 7) - t.cell(2, 9)), 100.0);
    // Row 476: UTM 33 and 34; row 664 (Capraia): UTM 32.
    EXPECT_NEAR(t.cell(476, 10), 232441.85, 0.05);
    EXPECT_NEAR(t.cell(476, 11), 4510357.34, 0.05);
    EXPECT_TRUE(GroupFilled(t, 476, 1));
    EXPECT_NEAR(t.cell(664, 6), 567000.30, 0.05);
    EXPECT_NEAR(t.cell(664, 7), 4765499.80, 0.05);
    EXPECT_FALSE(GroupFilled(t, 664, 1));
}

TEST(CommonPointData, GridRowsAreNodesInBandOrder) {
    CommonPointTable t;
    ASSERT_TRUE(LoadCommonPoints(DataFile, t).ok);
    const double toDeg = 180.0 / std::acos(-1.0);
    int previousLat = 1 << 30, previousLon = -1;
    for (int r = 1; r <= 652; ++r) {
        // Back from the ED50 UTM coordinates of the row's first group.
        const int group = GroupFilled(t, r, 0) ? 0 : 1;
        const double meridian = group == 0 ? 9.0 : 15.0;
        const GaussInverseResult g =
            GaussInverse(t.cell(r, 7 + 2 * group), t.cell(r, 6 + 2 * group) - 500000.0, ED50, ScaleFactorUTM);
        const double latMinutes = g.GeoLatitude * toDeg * 60.0;
        const double lonMinutes = (g.GeoDeltaLongitude * toDeg + meridian) * 60.0;
        const int lat = static_cast<int>(std::lround(latMinutes));
        const int lon = static_cast<int>(std::lround(lonMinutes));
        ASSERT_NEAR(latMinutes, lat, 1e-5) << r;
        ASSERT_NEAR(lonMinutes, lon, 1e-5) << r;
        EXPECT_EQ((lat - (36 * 60 + 42)) % 12, 0) << r;
        EXPECT_EQ((lon - (6 * 60 + 30)) % 20, 0) << r;
        EXPECT_TRUE(lat < previousLat || (lat == previousLat && lon > previousLon)) << r;
        // West group up to 12°10', east group from 11°50', zone 34 from 17°50' in 39°54'-40°42'.
        EXPECT_EQ(GroupFilled(t, r, 0), lon <= 12 * 60 + 10) << r;
        EXPECT_EQ(GroupFilled(t, r, 1), lon >= 11 * 60 + 50) << r;
        EXPECT_EQ(GroupFilled(t, r, 2), lon >= 17 * 60 + 50 && lat >= 39 * 60 + 54 && lat <= 40 * 60 + 42)
            << r;
        previousLat = lat;
        previousLon = lon;
        if (r == 1)
            EXPECT_EQ(lat * 10000 + lon, (47 * 60 + 6) * 10000 + 11 * 60 + 30);
        if (r == 476)
            EXPECT_EQ(lat * 10000 + lon, (40 * 60 + 42) * 10000 + 17 * 60 + 50);
    }
}

namespace {

class BrokenFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tervano_points_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        // The land-mass outline is read from beside the table.
        std::filesystem::copy_file(std::string(TERVANO_SOURCE_DIR) + "/data/land_masses.tsv",
                                   dir / "land_masses.tsv");
        std::stringstream s(ReadAll(DataFile));
        for (std::string line; std::getline(s, line);)
            lines.push_back(line);
        first = 0;
        while (lines[first].empty() || lines[first][0] == '#')
            ++first;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Write(const std::vector<std::string>& content, const std::string& eol = "\n") {
        const std::string path = (dir / "points.tsv").string();
        std::ofstream out(path, std::ios::binary);
        for (const std::string& l : content)
            out << l << eol;
        return path;
    }
    // Loads into a table full of garbage, so that a partial load would show.
    CommonPointLoad Load(const std::string& path) {
        for (auto& row : table.cells)
            row.fill(7.0);
        return LoadCommonPoints(path, table);
    }
    bool TableAllZero() const {
        for (int r = 0; r < CommonPointRows; ++r)
            if (!RowEmpty(table, r))
                return false;
        return true;
    }
    std::string& PointLine(int row) { return lines[first + static_cast<size_t>(row) - 1]; }

    std::filesystem::path dir;
    std::vector<std::string> lines;
    size_t first = 0;
    CommonPointTable table;
};

} // namespace

TEST_F(BrokenFiles, AnyFaultLeavesTheTableEmptyWithAMessageNamingIt) {
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> edit;
        const char* expected; // part of the message
    };
    auto field = [](std::string& line, int index, const std::string& value) {
        size_t start = 0;
        for (int i = 0; i < index; ++i)
            start = line.find('\t', start) + 1;
        const size_t end = line.find('\t', start);
        line.replace(start, end == std::string::npos ? std::string::npos : end - start, value);
    };
    const size_t f = first;
    const std::vector<Case> cases = {
        {"field missing", [&](auto& l) { l[f + 9].erase(l[f + 9].rfind('\t')); }, "NUMERO DI CAMPI ERRATO"},
        {"field too many", [&](auto& l) { l[f + 9] += "\t1.0"; }, "NUMERO DI CAMPI ERRATO"},
        {"letters", [&](auto& l) { field(l[f + 20], 7, "4510357.3x"); }, "VALORE NON VALIDO NELLA COLONNA 6"},
        {"comma", [&](auto& l) { field(l[f + 20], 7, "4510357,34"); }, "VALORE NON VALIDO"},
        {"exponent", [&](auto& l) { field(l[f + 20], 7, "4.5E6"); }, "VALORE NON VALIDO"},
        {"zero", [&](auto& l) { field(l[f + 20], 7, "0.00"); }, "VALORE NON VALIDO"},
        {"two rows swapped", [&](auto& l) { std::swap(l[f + 3], l[f + 4]); }, "FUORI ORDINE"},
        {"row repeated", [&](auto& l) { l[f + 4] = l[f + 3]; }, "FUORI ORDINE"},
        {"row 0", [&](auto& l) { field(l[f], 0, "0"); }, "FUORI DAI LIMITI"},
        {"row 665", [&](auto& l) { l.push_back(l.back()), field(l.back(), 0, "665"); }, "FUORI DAI LIMITI"},
        {"row not a number", [&](auto& l) { field(l[f + 1], 0, "2a"); }, "NUMERO DEL PUNTO NON VALIDO"},
        {"half group", [&](auto& l) { field(l[f], 13, ""); }, "GRUPPO DI COORDINATE INCOMPLETO NEL PUNTO 1"},
        {"empty row",
         [&](auto& l) {
             l[f + 1] = "2";
             for (int i = 0; i < 18; ++i)
                 l[f + 1] += '\t';
         },
         "PUNTO 2 SENZA COORDINATE"},
        {"truncated", [&](auto& l) { l.pop_back(); }, "FILE INCOMPLETO: 663 PUNTI"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> edited = lines;
        c.edit(edited);
        const CommonPointLoad load = Load(Write(edited));
        EXPECT_FALSE(load.ok) << c.name;
        EXPECT_NE(load.error.find(c.expected), std::string::npos) << c.name << ": " << load.error;
        EXPECT_NE(load.error.find("PUNTI COMUNI"), std::string::npos) << c.name;
        for (char ch : load.error)
            EXPECT_FALSE(ch >= 'a' && ch <= 'z') << c.name << ": " << load.error;
        EXPECT_TRUE(TableAllZero()) << c.name;
    }

    EXPECT_FALSE(Load((dir / "missing.tsv").string()).ok);
    EXPECT_TRUE(TableAllZero());
    const CommonPointLoad onDirectory = Load(dir.string());
    EXPECT_FALSE(onDirectory.ok);
    EXPECT_NE(onDirectory.error.find("MANCANTE O NON LEGGIBILE"), std::string::npos);
    EXPECT_FALSE(Load(Write({})).ok);
}

TEST_F(BrokenFiles, WindowsLineEndsCommentsBlankLinesAndAByteOrderMarkAreRead) {
    std::vector<std::string> edited = lines;
    edited.insert(edited.begin() + static_cast<long>(first) + 10, "");
    edited.insert(edited.begin() + static_cast<long>(first) + 20, "# a note between points");
    edited.front() = "\xEF\xBB\xBF" + edited.front();
    const CommonPointLoad load = Load(Write(edited, "\r\n"));
    ASSERT_TRUE(load.ok) << load.error;
    CommonPointTable reference;
    ASSERT_TRUE(LoadCommonPoints(DataFile, reference).ok);
    EXPECT_EQ(table.cells, reference.cells);
}

// A table that is well formed but damaged: a value outside the band of its
// zone, the pairs of a row describing different places, a row number not
// written plainly. Each refuses the whole file, naming the line and column.
TEST_F(BrokenFiles, DamagedValuesAreRefusedNamingLineAndColumn) {
    auto field = [](std::string& line, int index, const std::string& value) {
        size_t start = 0;
        for (int i = 0; i < index; ++i)
            start = line.find('\t', start) + 1;
        const size_t end = line.find('\t', start);
        line.replace(start, end == std::string::npos ? std::string::npos : end - start, value);
    };
    auto value = [](const std::string& line, int index) {
        size_t start = 0;
        for (int i = 0; i < index; ++i)
            start = line.find('\t', start) + 1;
        return line.substr(start, line.find('\t', start) - start);
    };
    // The row's line in the file, 1-based.
    auto tag = [&](int row) {
        return " (RIGA " + std::to_string(first + static_cast<size_t>(row)) + " DEL FILE)";
    };
    ASSERT_EQ(value(PointLine(119), 13), "538981.77"); // WGS84 UTM 32 East of row 119
    ASSERT_EQ(value(PointLine(2), 10), "5221244.15");  // ED50 UTM 33 North of row 2 (both zones)

    struct Case {
        const char* name;
        int row;
        int fieldIndex; // 1 + column
        std::string text;
        std::string expected;
    };
    const std::string digits300 = "1" + std::string(299, '0') + ".00";
    const std::vector<Case> cases = {
        // One extra digit: 538981.77 -> 5389817.77.
        {"extra digit", 119, 13, "5389817.77",
         "VALORE FUORI DAI LIMITI DELLA ZONA NELLA COLONNA 12" + tag(119)},
        {"300 digits", 119, 13, digits300, "VALORE FUORI DAI LIMITI DELLA ZONA NELLA COLONNA 12" + tag(119)},
        {"North far south", 20, 8, "3899999.99",
         "VALORE FUORI DAI LIMITI DELLA ZONA NELLA COLONNA 7" + tag(20)},
        {"ROMA40 East in the other zone", 5, 1, "2500000.00",
         "VALORE FUORI DAI LIMITI DELLA ZONA NELLA COLONNA 0" + tag(5)},
        // In range, but one kilometre from the row's other systems.
        {"East 1 km off", 119, 13, "539981.77",
         "COORDINATE DEL PUNTO 119 DISCORDANTI NELLA COLONNA 12" + tag(119)},
        {"North 1 km off", 119, 14, "5039514.18",
         "COORDINATE DEL PUNTO 119 DISCORDANTI NELLA COLONNA 13" + tag(119)},
        {"ROMA40 off", 119, 1, "1539510.24",
         "COORDINATE DEL PUNTO 119 DISCORDANTI NELLA COLONNA 0" + tag(119)},
        // Two metres between the two zones of one system: either may be wrong.
        {"zones disagree", 2, 10, "5221246.15",
         "COORDINATE DEL PUNTO 2 DISCORDANTI NELLE COLONNE 7 E 9" + tag(2)},
        {"leading zero", 119, 0, "0119", "NUMERO DEL PUNTO NON VALIDO" + tag(119)},
        {"plus sign", 119, 0, "+119", "NUMERO DEL PUNTO NON VALIDO" + tag(119)},
        {"minus sign", 119, 0, "-119", "NUMERO DEL PUNTO NON VALIDO" + tag(119)},
    };
    for (const Case& c : cases) {
        std::vector<std::string> edited = lines;
        field(edited[first + static_cast<size_t>(c.row) - 1], c.fieldIndex, c.text);
        const CommonPointLoad load = Load(Write(edited));
        EXPECT_FALSE(load.ok) << c.name;
        EXPECT_EQ(load.error, "FILE DEI PUNTI COMUNI DANNEGGIATO: " + c.expected) << c.name;
        EXPECT_TRUE(TableAllZero()) << c.name;
        EXPECT_EQ(table.landMasses, nullptr) << c.name;
    }
}

// The land-mass outline is read with the table, all or nothing.
TEST_F(BrokenFiles, TheLandMassOutlineIsPartOfTheTable) {
    const std::string landPath = (dir / "land_masses.tsv").string();
    std::vector<std::string> land;
    {
        std::stringstream s(ReadAll(landPath));
        for (std::string line; std::getline(s, line);)
            land.push_back(line);
    }
    size_t firstLand = 0;
    while (land[firstLand].empty() || land[firstLand][0] == '#')
        ++firstLand;
    const std::string tablePath = Write(lines);
    auto writeLand = [&](const std::vector<std::string>& content) {
        std::ofstream out(landPath, std::ios::binary | std::ios::trunc);
        for (const std::string& l : content)
            out << l << '\n';
    };

    // The outline as written: three land masses, each row given one.
    CommonPointLoad load = Load(tablePath);
    ASSERT_TRUE(load.ok) << load.error;
    ASSERT_NE(table.landMasses, nullptr);
    EXPECT_EQ(table.landMass[0], -1);
    // Row 1 (Alps), row 652 (south of Sicily), row 657 (Lampedusa: Sicily the nearest).
    EXPECT_EQ(table.landMass[1], Mainland);
    EXPECT_EQ(table.landMass[652], Sicily);
    EXPECT_EQ(table.landMass[657], Sicily);

    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> edit;
        std::string expected;
    };
    const std::string lineTag = " (RIGA " + std::to_string(firstLand + 1) + " DEL FILE)";
    const std::vector<Case> cases = {
        {"letters", [&](auto& l) { l[firstLand] = "1\t1\t1\t7.0218x\t45.92479"; },
         "VALORE NON VALIDO NELLA COLONNA 4" + lineTag},
        {"far away", [&](auto& l) { l[firstLand] = "1\t1\t1\t7.02187\t55.92479"; },
         "VALORE NON VALIDO NELLA COLONNA 5" + lineTag},
        {"unknown land mass", [&](auto& l) { l[firstLand] = "4\t1\t1\t7.02187\t45.92479"; },
         "VALORE NON VALIDO NELLA COLONNA 1" + lineTag},
        {"Sicily missing",
         [&](auto& l) { std::erase_if(l, [](const std::string& x) { return x[0] == '3'; }); },
         "FILE INCOMPLETO"},
        {"ring not closed",
         [&](auto& l) {
             // The last position of the mainland's outer ring dropped.
             const auto hole = std::find_if(
                 l.begin(), l.end(), [](const std::string& x) { return x.rfind("1\t1\t2\t", 0) == 0; });
             l.erase(hole - 1);
         },
         "CONTORNO NON CHIUSO"},
        {"island skipped",
         [&](auto& l) {
             const auto island = std::find_if(
                 l.begin(), l.end(), [](const std::string& x) { return x.rfind("1\t2\t1\t", 0) == 0; });
             island->replace(0, 6, "1\t3\t1\t");
         },
         "CONTORNO FUORI ORDINE"},
        {"a field missing", [&](auto& l) { l[firstLand] = "1\t1\t1\t7.02187"; },
         "NUMERO DI CAMPI ERRATO" + lineTag},
    };
    for (const Case& c : cases) {
        std::vector<std::string> edited = land;
        c.edit(edited);
        writeLand(edited);
        load = Load(tablePath);
        EXPECT_FALSE(load.ok) << c.name;
        EXPECT_NE(load.error.find("FILE DEL CONTORNO DEL TERRITORIO DANNEGGIATO: " + c.expected),
                  std::string::npos)
            << c.name << ": " << load.error;
        EXPECT_TRUE(TableAllZero()) << c.name;
        EXPECT_EQ(table.landMasses, nullptr) << c.name;
    }
    std::filesystem::remove(landPath);
    load = Load(tablePath);
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.error.find("FILE DEL CONTORNO DEL TERRITORIO MANCANTE O NON LEGGIBILE"),
              std::string::npos);
    EXPECT_TRUE(TableAllZero());
}

TEST_F(BrokenFiles, ContentInMemoryReadsLikeTheFile) {
    std::string content;
    for (const std::string& l : lines)
        content += l + "\n";
    for (auto& row : table.cells)
        row.fill(7.0);
    ASSERT_TRUE(ParseCommonPoints(content, table).ok);
    CommonPointTable reference;
    ASSERT_TRUE(LoadCommonPoints(DataFile, reference).ok);
    EXPECT_EQ(table.cells, reference.cells);

    // Bytes a text file would not hold: a NUL inside a value, a cut in mid-line.
    std::string withNul = content;
    withNul[withNul.find('.', content.find("\n1\t"))] = '\0';
    const CommonPointLoad nul = ParseCommonPoints(withNul, table);
    EXPECT_FALSE(nul.ok);
    EXPECT_NE(nul.error.find("VALORE NON VALIDO"), std::string::npos) << nul.error;
    EXPECT_TRUE(TableAllZero());
    ASSERT_TRUE(ParseCommonPoints(content, table).ok);
    EXPECT_FALSE(ParseCommonPoints(std::string_view(content).substr(0, content.size() / 2), table).ok);
    EXPECT_TRUE(TableAllZero());
}
