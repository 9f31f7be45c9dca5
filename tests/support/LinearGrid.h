#pragma once

#include "datum/Ntv2Grid.h"

#include <cmath>
#include <string>
#include <utility>

// An NTv2 grid with a known shift field, built in memory: linear in latitude
// and longitude, so that bilinear interpolation reproduces it exactly and the
// expected result of any point is the formula below. A parent over Italy
// ("ITALIA", 35° to 48° N, 5° to 20° E, nodes every 15') and a child around
// Rome ("ROMA", 41.5° to 42.5° N, 12° to 13° E, every 5') whose field is the
// parent's plus 0.5" in latitude, so that a result tells which one served.
namespace tervano::testgrid {

// Shifts in seconds of arc, the longitude one positive east.
inline double LatitudeShift(double lat, double lon, bool child) {
    return 1.2 + 0.05 * (lat - 40.0) + 0.02 * (lon - 12.0) + (child ? 0.5 : 0.0);
}
inline double LongitudeShift(double lat, double lon) {
    return 2.4 - 0.03 * (lat - 40.0) + 0.04 * (lon - 12.0);
}

inline bool InChild(double lat, double lon) {
    return lat >= 41.5 && lat <= 42.5 && lon >= 12.0 && lon <= 13.0;
}

// Where the grid carries a point of its source system (degrees, longitude east).
inline std::pair<double, double> Forward(double lat, double lon) {
    const bool child = InChild(lat, lon);
    return {lat + LatitudeShift(lat, lon, child) / 3600.0, lon + LongitudeShift(lat, lon) / 3600.0};
}

inline Ntv2Subgrid Subgrid(const std::string& name, const std::string& parent, double south, double north,
                           double westLon, double eastLon, double step, bool child) {
    Ntv2Subgrid s;
    s.name = name;
    s.parent = parent;
    s.south = south * 3600.0;
    s.north = north * 3600.0;
    s.east = -eastLon * 3600.0; // positive west, as in the file
    s.west = -westLon * 3600.0;
    s.latitudeStep = s.longitudeStep = step * 3600.0;
    s.rows = int(std::lround((north - south) / step)) + 1;
    s.columns = int(std::lround((eastLon - westLon) / step)) + 1;
    for (int r = 0; r < s.rows; ++r)
        for (int c = 0; c < s.columns; ++c) {
            const double lat = south + r * step;
            const double lon = eastLon - c * step;
            s.latitudeShift.push_back(float(LatitudeShift(lat, lon, child)));
            s.longitudeShift.push_back(float(-LongitudeShift(lat, lon)));
        }
    return s;
}

// The grid, its source named `sourceName` ("MONTEMAR" tells ROMA40).
inline Ntv2Grid Make(const std::string& sourceName = "MONTEMAR") {
    Ntv2Grid g;
    g.sourceName = sourceName;
    g.targetName = "ETRS89";
    g.sourceMajorAxis = 6378388.0;
    g.sourceMinorAxis = 6356911.946;
    g.targetMajorAxis = 6378137.0;
    g.targetMinorAxis = 6356752.314;
    g.subgrids.push_back(Subgrid("ITALIA", "NONE", 35.0, 48.0, 5.0, 20.0, 0.25, false));
    g.subgrids.push_back(Subgrid("ROMA", "ITALIA", 41.5, 42.5, 12.0, 13.0, 1.0 / 12.0, true));
    return g;
}

} // namespace tervano::testgrid
