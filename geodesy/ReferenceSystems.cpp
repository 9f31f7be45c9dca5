#include "geodesy/ReferenceSystems.h"

#include "geodesy/Angles.h"

namespace tervano {

Ellipsoid EllipsoidFor(int systemCode) {
    if (systemCode == WGS84)
        return {6378137.0, 298.257222101};
    return {6378388.0, 297.0};
}

double GreenwichShift() {
    return SexagesimalToDegrees(MonteMarioSexagesimal);
}

double GreenwichToMonteMario(double lambdaG) {
    return lambdaG - MonteMario;
}
double MonteMarioToGreenwich(double lambdaMM) {
    return lambdaMM + MonteMario;
}

} // namespace tervano
