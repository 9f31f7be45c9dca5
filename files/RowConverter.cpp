#include "files/RowConverter.h"

#include "geodesy/ReferenceSystems.h"

#include <cmath>

namespace tervano::files {

std::string StatusOf(const Refusal& r) {
    std::string out;
    for (const std::string& line : r.lines) {
        if (!out.empty())
            out += ' ';
        out += line;
    }
    return out;
}

TypedValue TypedOf(const TypedNumber& n, FieldKind kind, int angleUnit) {
    TypedValue v;
    v.valid = n.valid && std::isfinite(n.value);
    v.value = kind == FieldKind::Angle ? AngleFromTyped(n.value, angleUnit).degrees : n.value;
    if (!std::isfinite(v.value))
        v.valid = false;
    return v;
}

std::string LengthColumn(const std::string& shown) {
    std::string out(shown.size(), '\0');
    size_t k = 0;
    for (char c : shown)
        if (c != ' ')
            out[k++] = c;
    out.resize(k);
    return out;
}

std::string AngleColumn(double degrees, int angleUnit) {
    return AngleColumnOfText(FormatResultAngle(degrees, angleUnit));
}

std::string AngleColumnOfText(const std::string& shown) {
    // The result box's text, e.g. "-41° 55' 24.3990''", "41.92345678°",
    // "46.58172839", "41° 55.406650'": its digit groups packed into one number.
    if (shown.empty())
        return {};
    std::string whole, packed;
    bool negative = false, seenWhole = false, inGroup = false;
    std::string fraction;
    bool afterPoint = false;
    for (char c : shown) {
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            if (!seenWhole)
                whole += c;
            else if (afterPoint)
                fraction += c;
            else
                packed += c;
            inGroup = true;
        } else if (c == '.') {
            if (!seenWhole) {
                // Decimal degrees or grads: the whole part ends at the point.
                seenWhole = true;
            }
            afterPoint = true;
        } else if (inGroup) {
            // The end of a digit group: the degrees end at the first one.
            seenWhole = true;
            inGroup = false;
        }
    }
    std::string out = negative ? "-" : "";
    out += whole.empty() ? "0" : whole;
    std::string decimals = packed + fraction;
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        out += '.' + decimals;
    return out;
}

const char* ZoneColumn(int zoneCode) {
    switch (zoneCode) {
    case UTM32:
        return "32";
    case UTM33:
        return "33";
    case UTM34:
        return "34";
    case GBOvest:
        return "Ovest";
    case GBEst:
        return "Est";
    default:
        return "";
    }
}

} // namespace tervano::files
