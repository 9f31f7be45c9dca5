#pragma once

// Range tests shared by every input check.
namespace tervano {

// Inclusive: low <= v <= high. A value that did not fit a double (valid
// false) or is not a number is out of range.
constexpr bool InRange(double v, double low, double high, bool valid = true) {
    return valid && v >= low && v <= high;
}

// Reading a sexagesimal angle adds a guard of 1e-11 to the packed value, which
// puts a typed 49° about 3e-11° above 49; the Greenwich shift and grads leave
// errors of the same size. Angles are compared with this much slack so that a
// bound typed exactly is accepted, as the ranges include it, and a zone
// boundary typed in any notation gives the zone of its exact value.
inline constexpr double AngleSlack = 1e-10;

constexpr bool AngleInRange(double v, double low, double high, bool valid = true) {
    return InRange(v, low - AngleSlack, high + AngleSlack, valid);
}

} // namespace tervano
