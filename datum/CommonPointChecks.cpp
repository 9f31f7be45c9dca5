#include "datum/CommonPointChecks.h"

#include "datum/LandMasses.h"
#include "geodesy/Angles.h"
#include "geodesy/Gauss.h"
#include "geodesy/InRange.h"
#include "geodesy/ReferenceSystems.h"

#include <cmath>
#include <vector>

namespace tervano {

namespace {

// Positions of one place in the three systems differ by the datum shifts,
// about 200 m at most over the territory; in one system, by its two zones,
// only by the centimetre rounding.
constexpr double AcrossSystems = 400.0;
constexpr double WithinSystem = 0.5;

// The same place, seen from a Gauss-Boaga or UTM zone, may lie up to a few
// hundred metres beyond the accepted range when the range's edge is typed.
constexpr double ResultSlack = 1000.0;

struct Place {
    int column; // East column of the pair
    int system;
    LonLat q;
};

double Metres(const Place& a, const Place& b, double& alongLatitude, double& alongLongitude) {
    const double k = 6371000.0 * Pi() / 180.0;
    alongLatitude = (a.q.lat - b.q.lat) * k;
    alongLongitude = (a.q.lon - b.q.lon) * k * std::cos(DegreesToRadians(a.q.lat));
    return std::hypot(alongLatitude, alongLongitude);
}

bool SamePlace(const Place& a, const Place& b) {
    double dLat = 0.0;
    double dLon = 0.0;
    return Metres(a, b, dLat, dLon) <= (a.system == b.system ? WithinSystem : AcrossSystems);
}

} // namespace

PlaneBand TerritoryBand(int zoneCode) {
    // From 35.2° to 47.35° N; East over the longitudes the territory has in
    // the zone (about 6.4° to 12.3° E in the west zone, 11.7° to 18.6° E in
    // the east zone, 17.6° to 18.6° E on 21° E), the same band for the three
    // systems.
    constexpr double north[2] = {3900000.0, 5250000.0};
    switch (zoneCode) {
    case UTM32:
        return {280000.0, 797000.0, north[0], north[1]};
    case UTM33:
        return {210000.0, 810000.0, north[0], north[1]};
    case UTM34:
        return {215000.0, 301000.0, north[0], north[1]};
    case GBOvest:
        return {1280000.0, 1797000.0, north[0], north[1]};
    case GBEst:
        return {2230000.0, 2830000.0, north[0], north[1]};
    default:
        return {3215000.0, 3301000.0, north[0], north[1]};
    }
}

PlaneBand ResultBand(int zoneCode) {
    const double s = ResultSlack;
    switch (zoneCode) {
    case UTM32:
    case UTM33:
    case UTM34:
        return {50000.0 - s, 1000000.0 + s, 3800000.0 - s, 5500000.0 + s};
    case AuxiliaryZone: // the UTM 34 range on the ROMA40 false east
        return {3050000.0 - s, 4000000.0 + s, 3800000.0 - s, 5500000.0 + s};
    default:
        return {1100000.0 - s, 3000000.0 + s, 3800000.0 - s, 5500000.0 + s};
    }
}

bool InsideBand(const PlaneBand& band, double east, double north) {
    return InRange(east, band.eastLow, band.eastHigh) && InRange(north, band.northLow, band.northHigh);
}

int ColumnZone(int column) {
    const int group = (column % 6) / 2;
    return column < 6 ? GBOvest + group : UTM32 + group;
}

std::string CheckCommonPointRow(const std::array<double, CommonPointColumns>& cells, int row) {
    std::vector<Place> places;
    for (int group = 0; group < 3; ++group)
        for (int system = ROMA40; system <= WGS84; ++system) {
            const int column = 6 * (system - 1) + 2 * group;
            const double east = cells[static_cast<size_t>(column)];
            const double north = cells[static_cast<size_t>(column) + 1];
            if (east == 0.0 && north == 0.0)
                continue;
            const int zone = ColumnZone(column);
            const PlaneBand band = TerritoryBand(zone);
            if (!InRange(east, band.eastLow, band.eastHigh))
                return "VALORE FUORI DAI LIMITI DELLA ZONA NELLA COLONNA " + std::to_string(column);
            if (!InRange(north, band.northLow, band.northHigh))
                return "VALORE FUORI DAI LIMITI DELLA ZONA NELLA COLONNA " + std::to_string(column + 1);
            const Zone& z = ZoneFor(zone);
            const GaussInverseResult g = GaussInverse(north, east - z.falseEast, system, z.scaleFactor);
            places.push_back({column,
                              system,
                              {RadiansToDegrees(g.GeoDeltaLongitude) + z.centralMeridianGreenwich,
                               RadiansToDegrees(g.GeoLatitude)}});
        }

    // The pair that disagrees with the most others is named, by the
    // coordinate that differs more; when another pair disagrees with it as
    // often, nothing tells which of the two is wrong and both are named.
    std::vector<int> disagreeing(places.size(), 0);
    for (size_t i = 0; i < places.size(); ++i)
        for (size_t j = 0; j < places.size(); ++j)
            disagreeing[i] += SamePlace(places[i], places[j]) ? 0 : 1;
    size_t worst = 0;
    for (size_t i = 1; i < places.size(); ++i)
        if (disagreeing[i] > disagreeing[worst])
            worst = i;
    if (places.empty() || disagreeing[worst] == 0)
        return {};
    size_t other = 0;
    while (SamePlace(places[worst], places[other]))
        ++other;
    double dLat = 0.0;
    double dLon = 0.0;
    Metres(places[worst], places[other], dLat, dLon);
    const int inPair = std::abs(dLon) >= std::abs(dLat) ? 0 : 1;
    const std::string start = "COORDINATE DEL PUNTO " + std::to_string(row) + " DISCORDANTI NELL";
    if (disagreeing[other] == disagreeing[worst]) {
        const int a = std::min(places[worst].column, places[other].column) + inPair;
        const int b = std::max(places[worst].column, places[other].column) + inPair;
        return start + "E COLONNE " + std::to_string(a) + " E " + std::to_string(b);
    }
    return start + "A COLONNA " + std::to_string(places[worst].column + inPair);
}

} // namespace tervano
