#include "datum/LandMasses.h"

#include "datum/CommonPointTable.h"
#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/ReferenceSystems.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace tervano {

bool InsidePolygons(const std::vector<const Polygon*>& polygons, LonLat q) {
    bool in = false;
    for (const Polygon* polygon : polygons)
        for (const Ring& ring : *polygon)
            for (size_t i = 0; i + 1 < ring.size(); ++i) {
                const LonLat a = ring[i];
                const LonLat b = ring[i + 1];
                if ((a.lat > q.lat) != (b.lat > q.lat)) {
                    const double x = a.lon + (q.lat - a.lat) * (b.lon - a.lon) / (b.lat - a.lat);
                    if (q.lon < x)
                        in = !in;
                }
            }
    return in;
}

double DistanceToPolygons(const std::vector<const Polygon*>& polygons, LonLat q) {
    if (InsidePolygons(polygons, q))
        return 0.0;
    const Ellipsoid hayford = EllipsoidFor(ED50);
    const double f = hayford.f();
    const double e2 = f * (2.0 - f);
    const double phi = DegreesToRadians(q.lat);
    const double w = 1.0 - e2 * std::sin(phi) * std::sin(phi);
    const double n = hayford.a / std::sqrt(w);
    const double m = hayford.a * (1.0 - e2) / (w * std::sqrt(w));
    const double kx = DegreesToRadians(1.0) * n * std::cos(phi);
    const double ky = DegreesToRadians(1.0) * m;
    double best = HUGE_VAL;
    for (const Polygon* polygon : polygons)
        for (const Ring& ring : *polygon)
            for (size_t i = 0; i + 1 < ring.size(); ++i) {
                const double ax = (ring[i].lon - q.lon) * kx;
                const double ay = (ring[i].lat - q.lat) * ky;
                const double dx = (ring[i + 1].lon - q.lon) * kx - ax;
                const double dy = (ring[i + 1].lat - q.lat) * ky - ay;
                const double len2 = dx * dx + dy * dy;
                const double t = len2 > 0.0 ? std::clamp(-(ax * dx + ay * dy) / len2, 0.0, 1.0) : 0.0;
                const double px = ax + t * dx;
                const double py = ay + t * dy;
                best = std::min(best, px * px + py * py);
            }
    return std::sqrt(best);
}

int NearestLandMass(const LandMassOutline& outline, LonLat q) {
    int best = Mainland;
    double bestDistance = HUGE_VAL;
    for (int i = 0; i < LandMassCount; ++i)
        for (const Polygon& polygon : outline.masses[static_cast<size_t>(i)]) {
            const double d = DistanceToPolygons({&polygon}, q);
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
    return best;
}

namespace {

constexpr const char* Damaged = "FILE DEL CONTORNO DEL TERRITORIO DANNEGGIATO: ";

std::string LineTag(int lineNumber) {
    return " (RIGA " + std::to_string(lineNumber) + " DEL FILE)";
}

// A small whole number written plainly: digits only, no leading zero.
bool PlainInteger(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4 || (text.size() > 1 && text[0] == '0'))
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return true;
}

// Degrees as "d.ddddd": digits, one point, five decimals, no sign.
bool PlainDegrees(std::string_view text, double& value) {
    const size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 2 || text.size() - point - 1 != 5)
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9'))
            return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace

std::string ParseLandMasses(std::string_view text, LandMassOutline& outline) {
    outline = {};
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int lineNumber = 0;
    int last[3] = {0, 0, 0}; // mass, polygon, ring of the previous line
    Ring* ring = nullptr;
    // The ring being read is closed: at least four positions, the last the first.
    auto closed = [&] {
        return ring == nullptr || (ring->size() >= 4 && ring->front().lon == ring->back().lon &&
                                   ring->front().lat == ring->back().lat);
    };
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;

        constexpr size_t Fields = 5;
        std::string_view fields[Fields];
        size_t count = 0;
        for (size_t start = 0;;) {
            const size_t tab = line.find('\t', start);
            if (count < Fields)
                fields[count] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
            ++count;
            if (tab == std::string_view::npos)
                break;
            start = tab + 1;
        }
        if (count != Fields)
            return Damaged + std::string("NUMERO DI CAMPI ERRATO") + LineTag(lineNumber);
        int key[3] = {0, 0, 0};
        for (size_t i = 0; i < 3; ++i)
            if (!PlainInteger(fields[i], key[i]) || key[i] < 1 || (i == 0 && key[i] > LandMassCount))
                return Damaged + std::string("VALORE NON VALIDO NELLA COLONNA ") + std::to_string(i + 1) +
                       LineTag(lineNumber);
        LonLat q{};
        if (!PlainDegrees(fields[3], q.lon) || q.lon < 5.0 || q.lon > 20.0)
            return Damaged + std::string("VALORE NON VALIDO NELLA COLONNA 4") + LineTag(lineNumber);
        if (!PlainDegrees(fields[4], q.lat) || q.lat < 35.0 || q.lat > 48.0)
            return Damaged + std::string("VALORE NON VALIDO NELLA COLONNA 5") + LineTag(lineNumber);

        // In order: land masses from 1, polygons from 1 in each, rings from 1 in each.
        const bool sameRing = key[0] == last[0] && key[1] == last[1] && key[2] == last[2];
        const bool nextRing = key[0] == last[0] && key[1] == last[1] && key[2] == last[2] + 1;
        const bool nextPolygon = key[0] == last[0] && key[1] == last[1] + 1 && key[2] == 1;
        const bool nextMass = key[0] == last[0] + 1 && key[1] == 1 && key[2] == 1;
        if (!sameRing && !nextRing && !nextPolygon && !nextMass)
            return Damaged + std::string("CONTORNO FUORI ORDINE") + LineTag(lineNumber);
        if (!sameRing) {
            if (!closed())
                return Damaged + std::string("CONTORNO NON CHIUSO") + LineTag(lineNumber);
            std::vector<Polygon>& polygons = outline.masses[static_cast<size_t>(key[0] - 1)];
            if (!nextRing)
                polygons.emplace_back();
            ring = &polygons.back().emplace_back();
        }
        ring->push_back(q);
        std::copy(key, key + 3, last);
    }
    if (!closed())
        return Damaged + std::string("CONTORNO NON CHIUSO") + LineTag(lineNumber);
    if (last[0] != LandMassCount)
        return Damaged + std::string("FILE INCOMPLETO");
    return {};
}

std::string WriteLandMasses(const LandMassOutline& outline) {
    std::string out;
    char line[80];
    for (size_t mass = 0; mass < outline.masses.size(); ++mass)
        for (size_t polygon = 0; polygon < outline.masses[mass].size(); ++polygon)
            for (size_t ring = 0; ring < outline.masses[mass][polygon].size(); ++ring)
                for (const LonLat& q : outline.masses[mass][polygon][ring]) {
                    std::snprintf(line, sizeof line, "%zu\t%zu\t%zu\t%.5f\t%.5f\n", mass + 1, polygon + 1,
                                  ring + 1, q.lon, q.lat);
                    out += line;
                }
    return out;
}
std::string LandMassPathFor(const std::string& tablePath) {
    return (std::filesystem::path(tablePath).parent_path() / "land_masses.tsv").string();
}

std::string AttachLandMasses(const std::string& path, CommonPointTable& table) {
    std::error_code ec;
    std::ifstream in;
    if (std::filesystem::is_regular_file(path, ec))
        in.open(path, std::ios::binary);
    if (!in.is_open())
        return "FILE DEL CONTORNO DEL TERRITORIO MANCANTE O NON LEGGIBILE: " + path;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return "FILE DEL CONTORNO DEL TERRITORIO NON LEGGIBILE: " + path;
    return AssignLandMasses(text.str(), table);
}

std::string AssignLandMasses(std::string_view outlineText, CommonPointTable& table) {
    auto outline = std::make_shared<LandMassOutline>();
    const std::string error = ParseLandMasses(outlineText, *outline);
    if (!error.empty())
        return error;

    // Each row's ED50 position from the pair of its first zone (UTM 32 or 33).
    table.landMass.fill(-1);
    for (int row = 1; row < RowsScanned; ++row) {
        const bool west = table.cell(row, 7) != 0.0;
        const int column = west ? 6 : 8;
        if (table.cell(row, column + 1) == 0.0)
            continue;
        const Zone& zone = ZoneFor(west ? UTM32 : UTM33);
        const GaussInverseResult g = GaussInverse(
            table.cell(row, column + 1), table.cell(row, column) - zone.falseEast, ED50, zone.scaleFactor);
        const LonLat q{RadiansToDegrees(g.GeoDeltaLongitude) + zone.centralMeridianGreenwich,
                       RadiansToDegrees(g.GeoLatitude)};
        table.landMass[static_cast<size_t>(row)] = static_cast<signed char>(NearestLandMass(*outline, q));
    }
    table.landMasses = std::move(outline);
    return {};
}

} // namespace tervano
