#include "geodesy/Angles.h"

#include <cmath>

namespace tervano {

namespace {
double Sign(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}
} // namespace

double SexagesimalToDegrees(double x) {
    // 1e-11 keeps a stored value such as 41.5525 from falling just below its decimal form.
    const double y = std::fabs(x) + 0.00000000001;
    const double g = std::floor(y);
    const double m = (std::floor(100.0 * y) - 100.0 * g) / 60.0;
    const double s = (100.0 * y - std::floor(100.0 * y)) / 36.0;
    return Sign(x) * (g + m + s);
}

double MinutesToDegrees(double x) {
    const double y = std::fabs(x);
    const double g = std::floor(y);
    const double m = 100.0 * y - 100.0 * g;
    return Sign(x) * (g + m / 60.0);
}

double DegreesToSexagesimal(double x, int n) {
    const double threshold = 60.0 - 0.5 * std::pow(10.0, -n);
    const double y = std::fabs(x);
    const double f = y - std::floor(y);
    const double mi = std::floor(60.0 * f);
    double se = 60.0 * (60.0 * f - mi);
    const double g = std::floor(y);
    double m = mi;
    if (se >= threshold) {
        se = 0.0;
        m = mi + 1.0;
    }
    double minutes = m;
    double degrees = g;
    if (m == 60.0) {
        minutes = 0.0;
        degrees = g + 1.0;
    }
    return Sign(x) * (degrees + minutes / 100.0 + se / 10000.0);
}

double DegreesToMinutes(double x, int n) {
    const double threshold = 60.0 - 0.5 * std::pow(10.0, -n);
    const double y = std::fabs(x);
    const double g = std::floor(y);
    const double m = 60.0 * (y - std::floor(y)) + 0.0000000001;
    double minutes = m;
    double degrees = g;
    if (m >= threshold) {
        minutes = 0.0;
        degrees = g + 1.0;
    }
    return Sign(x) * (degrees + minutes / 100.0);
}

double DegreesToGrads(double d) {
    return d * 10.0 / 9.0;
}
double GradsToDegrees(double g) {
    return g * 9.0 / 10.0;
}
double DegreesToRadians(double d) {
    return Pi() * d / 180.0;
}
double RadiansToDegrees(double r) {
    return r * 180.0 / Pi();
}

} // namespace tervano
