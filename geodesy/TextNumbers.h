#pragma once

#include <string>
#include <string_view>

// Reading typed numbers and rendering numbers through digit patterns.
// Strings are UTF-8.
namespace tervano {

struct TypedNumber {
    double value; // 0 when the text holds no leading number (and when not valid)
    bool valid;   // false when the number does not fit a double (1E400)
};

// The longest leading decimal number of the text: blanks, tabs and line feeds
// ignored anywhere; optional sign, digits, at most one '.', optional exponent
// with 'E' or 'D' (either case) and an optionally signed integer; reading stops
// at the first other character. Empty or non-numeric text gives 0. A number too
// large for a double is reported not valid, never as an infinity; one too small
// reads as 0.
TypedNumber ReadTypedNumber(std::string_view text);

// Renders value through a digit pattern such as "# ### ##0.000" or
// "#0° 00' 00.0000''": '0' always written, '#' only when there is a digit,
// '.' the decimal separator (written as decimalSeparator), everything else
// literal, written also when no digit stands before it. Halves round away from
// zero (on the value's 15 significant decimal digits); extra integer digits go
// before the first place; a negative value starts with '-' unless it rounds to
// zero. A non-finite value renders as an empty string.
std::string FormatPattern(double value, std::string_view pattern, std::string_view decimalSeparator = ".");

// Patterns used across the program.
namespace Patterns {
inline constexpr const char* Metres = "# ### ##0.000";
inline constexpr const char* Height = "# ##0.000";
inline constexpr const char* MetresWhole = "# ### ##0";
inline constexpr const char* MetresCm = "# ### ##0.00";
inline constexpr const char* ZoneNumber = "##";
} // namespace Patterns

// AngleUnit values.
enum AngleUnits : int { Sexagesimal = 1, DecimalDegrees = 2, Grads = 3, DegreesMinutes = 4 };

// How finely an angle is shown. Full: seconds to 4 decimals, minutes to 6,
// degrees and grads to 8 (conversion windows). Reduced: seconds to 1 decimal,
// minutes to 3, degrees and grads to 5 (change of reference system).
enum class AngleDetail { Full, Reduced };

// Display value of a typed notation-1 number t (gg.ppssdddd), packed as
// ggppss.dddd: the seconds carry into the minutes (and the minutes into the
// degrees) when they would round to 60 with secondsDecimals decimals.
double SexagesimalDisplayValue(double t, int secondsDecimals);

// An angle typed in the edit box of AngleUnit `unit`.
struct TypedAngle {
    double degrees;      // decimal degrees for the computation
    double displayValue; // the value the display pattern renders
    const char* pattern; // input-box pattern of the unit
};
TypedAngle AngleFromTyped(double t, int unit, AngleDetail detail = AngleDetail::Full);

// The formatted display text of an angle typed as t.
std::string FormatTypedAngle(double t, int unit, std::string_view decimalSeparator = ".",
                             AngleDetail detail = AngleDetail::Full);

// An angle written into an edit box by a paste: decimal degrees d in the
// notation of `unit`.
struct PastedAngle {
    double editValue;    // the number written into the edit box
    double displayValue; // the value the display pattern renders
    const char* pattern; // input-box pattern of the unit
};
PastedAngle AngleForPaste(double d, int unit);

// A computed angle (decimal degrees) rendered in a result box of `unit`, with
// the result patterns ("#0° 00' 00.0000''", "#0.00000000°", "#0.00000000",
// "#0° 00.000000'" in full detail; "#0° 00' 00.0''", "#0.00000°", "#0.00000",
// "#0° 00.000'" reduced).
std::string FormatResultAngle(double d, int unit, std::string_view decimalSeparator = ".",
                              AngleDetail detail = AngleDetail::Full);

// A number written into an edit box for pasting: decimal point, no grouping,
// up to 15 significant digits, a leading blank when not negative.
std::string PasteText(double value);

// Names of the AngleUnit values ("Sessagesimali", ...); empty for other values.
const char* AngleUnitName(int unit);

} // namespace tervano
