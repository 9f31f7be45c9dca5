#include "geodesy/ReferenceSystems.h"

namespace tervano {

Ellipsoid EllipsoidFor(int systemCode) {
    if (systemCode == WGS84)
        return {6378137.0, 298.257222101};
    return {6378388.0, 297.0};
}

Zone ZoneFor(int zoneCode) {
    switch (zoneCode) {
    case UTM32:
        return {UTM32, 9.0, 9.0, 500000.0, ScaleFactorUTM};
    case UTM33:
        return {UTM33, 15.0, 15.0, 500000.0, ScaleFactorUTM};
    case UTM34:
        return {UTM34, 21.0, 21.0, 500000.0, ScaleFactorUTM};
    case GBOvest:
        return {GBOvest, 9.0, MeridianOvestMM, 1500000.0, ScaleFactorUTM};
    case GBEst:
        return {GBEst, 15.0, MeridianEstMM, 2520000.0, ScaleFactorUTM};
    default:
        return {AuxiliaryZone, 21.0, MeridianAuxiliaryMM, 3500000.0, ScaleFactorUTM};
    }
}

double GreenwichToMonteMario(double lambdaG) {
    return lambdaG - MonteMario;
}
double MonteMarioToGreenwich(double lambdaMM) {
    return lambdaMM + MonteMario;
}

} // namespace tervano
