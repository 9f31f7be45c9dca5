#include "datum/CommonPointTable.h"

#include "datum/CommonPointChecks.h"
#include "datum/LandMasses.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string_view>
#include <vector>

namespace tervano {

namespace {

constexpr int PointsInFile = 664;
constexpr size_t FieldsPerLine = 1 + ColumnsInUse;

std::string LineTag(int lineNumber) {
    return " (RIGA " + std::to_string(lineNumber) + " DEL FILE)";
}

// A value written with digits, an optional sign and an optional decimal point;
// nothing else, so that a stray character never loads as a number.
bool ParseValue(std::string_view text, double& value) {
    if (text.empty())
        return false;
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (size_t k = i; k < text.size(); ++k) {
        if (text[k] >= '0' && text[k] <= '9')
            digits = true;
        else if (text[k] == '.' && !point)
            point = true;
        else
            return false;
    }
    if (!digits)
        return false;
    if (text[0] == '+')
        text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// A row number written plainly: digits only, no sign, no leading zero.
bool ParseRowNumber(std::string_view text, int& row) {
    if (text.empty() || text.size() > 4 || (text.size() > 1 && text[0] == '0'))
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), row);
    return ec == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

// Reads every point line into `table`; returns the error text, empty when the
// whole file is sound.
std::string Parse(std::string_view content, CommonPointTable& table) {
    std::string_view rest(content);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);

    int lineNumber = 0;
    int lastRow = 0;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;

        const std::vector<std::string_view> fields = SplitTabs(line);
        if (fields.size() != FieldsPerLine)
            return "NUMERO DI CAMPI ERRATO: " + std::to_string(fields.size()) + " INVECE DI " +
                   std::to_string(FieldsPerLine) + LineTag(lineNumber);
        int row = 0;
        if (!ParseRowNumber(fields[0], row))
            return "NUMERO DEL PUNTO NON VALIDO" + LineTag(lineNumber);
        if (row < 1 || row > PointsInFile)
            return "NUMERO DEL PUNTO FUORI DAI LIMITI 1 - " + std::to_string(PointsInFile) +
                   LineTag(lineNumber);
        if (row != lastRow + 1)
            return "PUNTO " + std::to_string(row) + " FUORI ORDINE: ATTESO IL PUNTO " +
                   std::to_string(lastRow + 1) + LineTag(lineNumber);
        lastRow = row;

        bool anyGroup = false;
        auto& cells = table.cells[static_cast<size_t>(row)];
        // Groups: west (columns 0, 1, 6, 7, 12, 13), east (+2), zone 34 (+4).
        for (size_t group = 0; group < 3; ++group) {
            int filled = 0;
            for (size_t system = 0; system < 3; ++system)
                for (size_t k = 0; k < 2; ++k) {
                    const size_t column = 6 * system + 2 * group + k;
                    const std::string_view field = fields[1 + column];
                    if (field.empty())
                        continue;
                    double value = 0.0;
                    if (!ParseValue(field, value) || value <= 0.0)
                        return "VALORE NON VALIDO NELLA COLONNA " + std::to_string(column) +
                               LineTag(lineNumber);
                    cells[column] = value;
                    ++filled;
                }
            if (filled != 0 && filled != 6)
                return "GRUPPO DI COORDINATE INCOMPLETO NEL PUNTO " + std::to_string(row) +
                       LineTag(lineNumber);
            anyGroup = anyGroup || filled == 6;
        }
        if (!anyGroup)
            return "PUNTO " + std::to_string(row) + " SENZA COORDINATE" + LineTag(lineNumber);
        const std::string implausible = CheckCommonPointRow(cells, row);
        if (!implausible.empty())
            return implausible + LineTag(lineNumber);
    }
    if (lastRow != PointsInFile)
        return "FILE INCOMPLETO: " + std::to_string(lastRow) + " PUNTI INVECE DI " +
               std::to_string(PointsInFile);
    return {};
}

} // namespace

CommonPointLoad LoadCommonPoints(const std::string& path, CommonPointTable& table) {
    for (auto& row : table.cells)
        row.fill(0.0);
    table.landMasses.reset();
    table.landMass.fill(-1);
    std::error_code ec;
    std::ifstream in;
    if (std::filesystem::is_regular_file(path, ec))
        in.open(path, std::ios::binary);
    if (!in.is_open())
        return {false, "FILE DEI PUNTI COMUNI MANCANTE O NON LEGGIBILE: " + path};
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return {false, "FILE DEI PUNTI COMUNI NON LEGGIBILE: " + path};
    // Fill a separate table so that a fault never leaves a partial one.
    auto loaded = std::make_unique<CommonPointTable>();
    const CommonPointLoad parsed = ParseCommonPoints(text.str(), *loaded);
    if (!parsed.ok)
        return parsed;
    const std::string landError = AttachLandMasses(LandMassPathFor(path), *loaded);
    if (!landError.empty())
        return {false, landError};
    table = *loaded;
    return {true, {}};
}

CommonPointLoad ParseCommonPoints(std::string_view content, CommonPointTable& table) {
    // Fill a separate table so that a fault never leaves a partial one.
    auto loaded = std::make_unique<CommonPointTable>();
    const std::string error = Parse(content, *loaded);
    if (!error.empty()) {
        for (auto& row : table.cells)
            row.fill(0.0);
        table.landMasses.reset();
        table.landMass.fill(-1);
        return {false, "FILE DEI PUNTI COMUNI DANNEGGIATO: " + error};
    }
    table = *loaded;
    return {true, {}};
}

} // namespace tervano
