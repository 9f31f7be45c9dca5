#include "geodesy/TextNumbers.h"

#include "geodesy/Angles.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace tervano {

namespace {

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
double Sign(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// Exponents beyond this are far outside any double; capping keeps the
// accumulation from overflowing on absurdly long exponents.
constexpr long ExponentCap = 1000000;

// Decimal digits of v >= 0 rounded to `decimals` places, halves away from zero,
// working on the 15 significant digits a double holds. intDigits has no
// leading zeros (empty for a value below 1); fracDigits has `decimals` digits.
void RoundToDecimals(double v, int decimals, std::string& intDigits, std::string& fracDigits) {
    intDigits.clear();
    fracDigits.assign(static_cast<size_t>(decimals), '0');
    if (v == 0.0)
        return;

    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<size_t>(res.ptr - buf)); // d.ddddddddddddde±XX
    std::string digits;
    digits += sci[0];
    digits += sci.substr(2, 14);
    int exponent = std::atoi(std::string(sci.substr(sci.find('e') + 1)).c_str());

    // digits[k] stands at the place 10^(exponent - k); keep the places down to 10^-decimals.
    const int keep = exponent + decimals + 1;
    std::string kept;
    if (keep >= static_cast<int>(digits.size())) {
        kept = digits + std::string(static_cast<size_t>(keep) - digits.size(), '0');
    } else if (keep < 0) {
        return; // rounds to zero
    } else {
        kept = digits.substr(0, static_cast<size_t>(keep));
        if (digits[static_cast<size_t>(keep)] >= '5') {
            int i = keep - 1;
            for (; i >= 0; --i) {
                char& ch = kept[static_cast<size_t>(i)];
                if (ch == '9') {
                    ch = '0';
                } else {
                    ++ch;
                    break;
                }
            }
            if (i < 0) {
                kept.insert(kept.begin(), '1');
                ++exponent;
            }
        }
    }
    if (kept.empty())
        return;

    if (exponent >= 0) {
        intDigits = kept.substr(0, static_cast<size_t>(exponent) + 1);
        fracDigits = kept.substr(static_cast<size_t>(exponent) + 1);
    } else {
        fracDigits = std::string(static_cast<size_t>(-exponent - 1), '0') + kept;
    }
    const size_t firstNonZero = intDigits.find_first_not_of('0');
    intDigits.erase(0, firstNonZero == std::string::npos ? intDigits.size() : firstNonZero);
}

bool IsPlace(char c) {
    return c == '0' || c == '#';
}

// The last four digits before the decimal point of a packed angle (minutes
// and seconds in gg.ppss, degrees and minutes in gg.pp) once the value is
// rounded to `decimals` places exactly as it will be shown.
int ShownLastFourDigits(double packed, int decimals) {
    std::string intDigits, fracDigits;
    RoundToDecimals(std::fabs(packed), decimals, intDigits, fracDigits);
    int digits = 0;
    for (size_t i = intDigits.size() > 4 ? intDigits.size() - 4 : 0; i < intDigits.size(); ++i)
        digits = 10 * digits + (intDigits[i] - '0');
    return digits;
}

// A computed angle packed for display (gg.ppss or gg.pp times 10000 or 100),
// with each of its `fields` lowest fields (seconds, then minutes) that the
// display's rounding brings to 60 carried into the next one. A computed field
// lies below 60, but one a binary remainder below half a shown unit from 60
// can still be rounded up to it.
double CarryShownSixties(double packed, int decimals, int fields) {
    std::string intDigits, fracDigits;
    RoundToDecimals(std::fabs(packed), decimals, intDigits, fracDigits);
    if (intDigits.size() > 15)
        return packed;
    double whole = intDigits.empty() ? 0.0 : std::strtod(intDigits.c_str(), nullptr);
    bool carried = false;
    double unit = 1.0;
    for (int i = 0; i < fields; ++i, unit *= 100.0) {
        if (std::fmod(std::floor(whole / unit), 100.0) >= 60.0) {
            whole += 40.0 * unit;
            carried = true;
        }
    }
    return carried ? std::copysign(whole, packed) : packed;
}

} // namespace

TypedNumber ReadTypedNumber(std::string_view text) {
    const size_t n = text.size();
    size_t i = 0;
    auto skipBlanks = [&](size_t& k) {
        while (k < n && IsIgnoredBlank(text[k]))
            ++k;
    };

    skipBlanks(i);
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    std::string mantissa;
    bool anyDigit = false;
    bool seenPoint = false;
    // Position of the first significant digit relative to the decimal point,
    // to tell an overflow from an underflow.
    long intDigits = 0;     // significant digits before the point
    long zerosAfterDot = 0; // zeros after the point before the first significant digit
    bool significant = false;
    for (;;) {
        skipBlanks(i);
        if (i >= n)
            break;
        const char c = text[i];
        if (IsDigit(c)) {
            anyDigit = true;
            if (c != '0' || significant) {
                significant = true;
                if (!seenPoint)
                    ++intDigits;
            } else if (seenPoint) {
                ++zerosAfterDot;
            }
            if (significant || seenPoint)
                mantissa += c;
            ++i;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            mantissa += '.';
            ++i;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return {0.0, true};

    long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t k = i + 1;
        skipBlanks(k);
        bool expNegative = false;
        if (k < n && (text[k] == '+' || text[k] == '-')) {
            expNegative = text[k] == '-';
            ++k;
        }
        bool expDigit = false;
        for (;;) {
            skipBlanks(k);
            if (k >= n || !IsDigit(text[k]))
                break;
            expDigit = true;
            if (exponent < ExponentCap)
                exponent = exponent * 10 + (text[k] - '0');
            ++k;
        }
        // "12E" or "12E+" end before the letter.
        if (expDigit && expNegative)
            exponent = -exponent;
    }

    if (!significant)
        return {0.0, true};

    std::string literal = mantissa.empty() || mantissa == "." ? std::string("0") : mantissa;
    literal += 'e';
    literal += std::to_string(exponent);

    double value = 0.0;
    const auto res = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Decimal order of magnitude of the first significant digit.
        const long order = (intDigits > 0 ? intDigits - 1 : -(zerosAfterDot + 1)) + exponent;
        if (order > 0)
            return {0.0, false};
        return {0.0, true};
    }
    if (res.ec != std::errc() || !std::isfinite(value))
        return {0.0, false};
    return {negative ? -value : value, true};
}

std::string FormatPattern(double value, std::string_view pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        return {};

    const size_t dot = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, dot);
    const std::string_view fracPattern =
        dot == std::string_view::npos ? std::string_view() : pattern.substr(dot + 1);

    int decimals = 0;
    for (char c : fracPattern)
        if (IsPlace(c))
            ++decimals;
    int intPlaces = 0;
    for (char c : intPattern)
        if (IsPlace(c))
            ++intPlaces;

    std::string intDigits;
    std::string fracDigits;
    RoundToDecimals(std::fabs(value), decimals, intDigits, fracDigits);
    const bool isZero = intDigits.empty() && fracDigits.find_first_not_of('0') == std::string::npos;

    std::string out;
    if (value < 0 && !isZero)
        out += '-';

    const int len = static_cast<int>(intDigits.size());
    int place = intPlaces - 1; // index of the next digit place, counted from the right
    bool firstPlace = true;
    for (char c : intPattern) {
        if (!IsPlace(c)) {
            out += c;
            continue;
        }
        if (firstPlace && len > intPlaces)
            out += intDigits.substr(0, static_cast<size_t>(len - intPlaces));
        firstPlace = false;
        if (place < len)
            out += intDigits[static_cast<size_t>(len - 1 - place)];
        else if (c == '0')
            out += '0';
        --place;
    }
    if (intPlaces == 0)
        out += intDigits;

    if (dot != std::string_view::npos) {
        out += decimalSeparator;
        size_t k = 0;
        for (char c : fracPattern) {
            if (!IsPlace(c)) {
                out += c;
                continue;
            }
            // A '#' decimal place drops a trailing zero.
            if (c == '0' || fracDigits.find_first_not_of('0', k) != std::string::npos)
                out += fracDigits[k];
            ++k;
        }
    }
    return out;
}

double SexagesimalDisplayValue(double t, int secondsDecimals) {
    const double a = std::fabs(t);
    double g = std::floor(a);
    double p = std::floor(100.0 * a) - 100.0 * g;
    double sec = 100.0 * (100.0 * a - std::floor(100.0 * a)) + 0.00000001;
    // Seconds that would be shown as 60 carry into the minutes, and so do
    // seconds whose rounding reaches the next minute (a fraction just below
    // the next hundredth because of its binary form: 0.29 is stored as
    // 0.28999...). Both are judged on the digits as the display rounds them,
    // so no binary remainder slips between a threshold and the shown digits.
    // Other seconds of 60 or more typed as such are shown as typed.
    const int shown = ShownLastFourDigits(10000.0 * g + 100.0 * p + sec, secondsDecimals);
    const bool roundsTo60 = sec < 60.0 && shown % 100 >= 60;
    const bool reachesNextMinute = std::isfinite(p) && shown / 100 != static_cast<int>(std::fmod(p, 100.0));
    if (roundsTo60 || reachesNextMinute) {
        sec = 0.0;
        p += 1.0;
        if (p == 60.0) {
            p = 0.0;
            g += 1.0;
        }
    }
    return Sign(t) * (10000.0 * g + 100.0 * p + sec);
}

TypedAngle AngleFromTyped(double t, int unit, AngleDetail detail) {
    const bool full = detail == AngleDetail::Full;
    switch (unit) {
    case Sexagesimal:
        return {SexagesimalToDegrees(t), SexagesimalDisplayValue(t, full ? 4 : 1),
                full ? "#0° 00' 00.0000''" : "#0° 00' 00.0''"};
    case Grads:
        return {t * 9.0 / 10.0, t, full ? "##0.00000000" : "##0.00000"};
    case DegreesMinutes: {
        const double a = std::fabs(t);
        const double g = std::floor(a);
        const double m = 100.0 * a - 100.0 * g;
        // Minutes that would be shown as 60 show as the next degree. m carries
        // the binary error of 100 a (59.9995 typed gives 59.99949999...), which
        // the display's rounding removes again: the test rounds as the display
        // does, or 359.599995 would show as 359° 60.000'.
        const bool roundsTo60 = m < 60.0 && ShownLastFourDigits(100.0 * g + m, full ? 6 : 3) % 100 >= 60;
        const double display = roundsTo60 ? 100.0 * (g + 1.0) : 100.0 * g + m;
        return {Sign(t) * (g + m / 60.0), Sign(t) * display, full ? "##0° 00.000000'" : "##0° 00.000'"};
    }
    default:
        return {t, t, full ? "##0.00000000°" : "##0.00000°"};
    }
}

std::string FormatTypedAngle(double t, int unit, std::string_view decimalSeparator, AngleDetail detail) {
    const TypedAngle a = AngleFromTyped(t, unit, detail);
    return FormatPattern(a.displayValue, a.pattern, decimalSeparator);
}

PastedAngle AngleForPaste(double d, int unit) {
    switch (unit) {
    case Sexagesimal: {
        const double e = DegreesToSexagesimal(d, 4);
        return {e, CarryShownSixties(e * 10000.0, 4, 2), "#0° 00' 00.0000''"};
    }
    case Grads:
        return {d * 10.0 / 9.0, d * 10.0 / 9.0, "##0.00000000"};
    case DegreesMinutes: {
        const double e = DegreesToMinutes(d, 6);
        return {e, CarryShownSixties(e * 100.0, 6, 1), "##0° 00.000000'"};
    }
    default:
        return {d, d, "##0.00000000°"};
    }
}

std::string FormatResultAngle(double d, int unit, std::string_view decimalSeparator, AngleDetail detail) {
    const bool full = detail == AngleDetail::Full;
    switch (unit) {
    case Sexagesimal: {
        const int decimals = full ? 4 : 1;
        return FormatPattern(CarryShownSixties(DegreesToSexagesimal(d, decimals) * 10000.0, decimals, 2),
                             full ? "#0° 00' 00.0000''" : "#0° 00' 00.0''", decimalSeparator);
    }
    case Grads:
        return FormatPattern(d * 10.0 / 9.0, full ? "#0.00000000" : "#0.00000", decimalSeparator);
    case DegreesMinutes: {
        const int decimals = full ? 6 : 3;
        return FormatPattern(CarryShownSixties(DegreesToMinutes(d, decimals) * 100.0, decimals, 1),
                             full ? "#0° 00.000000'" : "#0° 00.000'", decimalSeparator);
    }
    default:
        return FormatPattern(d, full ? "#0.00000000°" : "#0.00000°", decimalSeparator);
    }
}

std::string PasteText(double value) {
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        value = 0.0; // no "-0"
    char buf[64];
    std::string text;
    if (std::fabs(value) < 1e-4) {
        // Small values in plain decimals (an angle of 5E-06 would read as a
        // formula in an edit box), to the fifteenth decimal, trailing zeros cut.
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 15);
        text.assign(buf, res.ptr);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        if (text == "-0")
            text = "0";
    } else {
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
        text.assign(buf, res.ptr);
        for (char& c : text)
            if (c == 'e')
                c = 'E';
    }
    if (text[0] != '-')
        text.insert(text.begin(), ' ');
    return text;
}

const char* AngleUnitName(int unit) {
    switch (unit) {
    case Sexagesimal:
        return "Sessagesimali";
    case DecimalDegrees:
        return "Sessadecimali";
    case Grads:
        return "Centesimali";
    case DegreesMinutes:
        return "Gradi Primi Decimi di primo";
    default:
        return "";
    }
}

} // namespace tervano
