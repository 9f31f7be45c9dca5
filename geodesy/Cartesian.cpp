#include "geodesy/Cartesian.h"

#include "geodesy/Angles.h"
#include "geodesy/ReferenceSystems.h"

#include <cmath>

namespace tervano {

CartesianResult GeographicToCartesian(double phi, double lambda, double h, int systemCode) {
    const Ellipsoid ell = EllipsoidFor(systemCode);
    const double a = ell.a;
    const double b = a - a * ell.f();
    const double e2 = (a * a - b * b) / (a * a);

    const double s = std::sin(phi);
    const double W = std::sqrt(1.0 - e2 * s * s);
    const double N = a / W;

    CartesianResult r;
    r.CartX = (h + N) * std::cos(phi) * std::cos(lambda);
    r.CartY = (h + N) * std::cos(phi) * std::sin(lambda);
    r.CartZ = (h + N * (1.0 - e2)) * s;
    return r;
}

GeographicResult CartesianToGeographic(double x, double y, double z, int systemCode) {
    const Ellipsoid ell = EllipsoidFor(systemCode);
    const double a = ell.a;
    const double b = a - a * ell.f();
    const double e2 = (a * a - b * b) / (a * a);
    const double ep2 = e2 / (1.0 - e2);

    const double p = std::sqrt(x * x + y * y);
    // On the polar axis the longitude is undefined: refuse the point. Any other
    // point, X = 0 included, has a well-defined longitude.
    if (!(p > 0.0))
        return {false, 0.0, 0.0, 0.0};

    // Bowring's closed formula.
    const double theta = std::atan((z * a) / (p * b));
    const double st = std::sin(theta);
    const double ct = std::cos(theta);
    const double lat = std::atan((z + ep2 * b * st * st * st) / (p - e2 * a * ct * ct * ct));

    // Full-circle arctangent: right in all four quadrants, (-pi, pi].
    double lon = std::atan2(y, x);
    if (lon == -Pi())
        lon = Pi();

    const double sl = std::sin(lat);
    const double N = a / std::sqrt(1.0 - e2 * sl * sl);
    // p / cos(lat) - N cancels as cos(lat) goes to zero near the poles; above
    // 45° the height is taken along Z instead, where sin(lat) is well away from zero.
    const double h = std::fabs(lat) > Pi() / 4.0 ? z / sl - N * (1.0 - e2) : p / std::cos(lat) - N;
    return {true, lat, lon, h};
}

} // namespace tervano
