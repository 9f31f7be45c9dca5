#pragma once

#include "datum/LandMasses.h"

#include <cstdlib>
#include <string>
#include <vector>

// The polygons of a GeoJSON MultiPolygon as Natural Earth writes it: the
// numbers after "coordinates", a position closed at bracket depth 4, a ring at
// 3, a polygon at 2. Used by the accuracy tool and test, which read the
// outline the common-point table was made from.
inline std::vector<tervano::Polygon> ParseGeoJsonMultiPolygon(const std::string& text) {
    std::vector<tervano::Polygon> polygons;
    size_t p = text.find(':', text.find("\"coordinates\"")) + 1;
    int depth = 0;
    std::vector<double> numbers;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c == '[') {
            ++depth;
            if (depth == 2)
                polygons.emplace_back();
            if (depth == 3)
                polygons.back().emplace_back();
        } else if (c == ']') {
            if (depth == 4) {
                polygons.back().back().push_back({numbers.at(0), numbers.at(1)});
                numbers.clear();
            }
            if (--depth == 0)
                break;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            char* end = nullptr;
            numbers.push_back(std::strtod(text.c_str() + p, &end));
            p = static_cast<size_t>(end - text.c_str()) - 1;
        }
    }
    return polygons;
}
