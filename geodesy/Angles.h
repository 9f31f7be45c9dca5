#pragma once

#include <cmath>

// Angle notations and their conversions to and from decimal degrees.
// Packed notations carry the sign on the whole number: -3°27'08.4" is -3.27084.
namespace tervano {

// 4 x arctan(1), the value every conversion to radians uses. Inline so that
// the compiler folds it to a constant.
inline double Pi() {
    return 4.0 * std::atan(1.0);
}

// Notation 1 (gg.ppssdddd) to decimal degrees.
double SexagesimalToDegrees(double x);
// Notation 4 (gg.ppdddddd) to decimal degrees.
double MinutesToDegrees(double x);
// Decimal degrees to notation 1; n = 1, 2 or 4 decimals of a second decide
// the carry that keeps a rendering from showing 60 seconds.
double DegreesToSexagesimal(double x, int n);
// Decimal degrees to notation 4; n = 3 or 6 decimals of a minute.
double DegreesToMinutes(double x, int n);

double DegreesToGrads(double d);
double GradsToDegrees(double g);
double DegreesToRadians(double d);
double RadiansToDegrees(double r);

} // namespace tervano
