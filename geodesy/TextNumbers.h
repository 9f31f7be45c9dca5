#pragma once

#include <string>
#include <string_view>

// Reading typed numbers and rendering numbers through digit patterns.
// Strings are UTF-8.
namespace tervano {

struct TypedNumber {
    double value; // 0 when the text holds no leading number
    bool valid;   // false when the number does not fit a double (1E400)
};

// The longest leading decimal number of the text: blanks, tabs and line feeds
// ignored anywhere; optional sign, digits, at most one '.', optional exponent
// with 'E' or 'D'; reading stops at the first other character.
TypedNumber ReadTypedNumber(std::string_view text);

// Renders value through a digit pattern such as "# ### ##0.000" or
// "#0° 00' 00.0000''": '0' always written, '#' only when there is a digit,
// '.' the decimal separator (written as decimalSeparator), everything else
// literal. Halves round away from zero; extra integer digits go before the
// first place; a negative value starts with '-'.
std::string FormatPattern(double value, std::string_view pattern, std::string_view decimalSeparator = ".");

// Patterns used across the program.
namespace Patterns {
inline constexpr const char* Metres = "# ### ##0.000";
inline constexpr const char* Height = "# ##0.000";
inline constexpr const char* MetresWhole = "# ### ##0";
inline constexpr const char* MetresCm = "# ### ##0.00";
} // namespace Patterns

// AngleUnit: 1 sexagesimal, 2 decimal degrees, 3 grads, 4 degrees and decimal minutes.
// An angle typed in the edit box of AngleUnit `unit`.
struct TypedAngle {
    double degrees;      // decimal degrees for the computation
    double displayValue; // the value the display pattern renders
    const char* pattern; // input-box pattern of the unit
};
TypedAngle AngleFromTyped(double t, int unit);

// An angle written into an edit box by a paste: decimal degrees d in the
// notation of `unit`.
struct PastedAngle {
    double editValue;    // the number written into the edit box
    double displayValue; // the value the display pattern renders
    const char* pattern; // input-box pattern of the unit
};
PastedAngle AngleForPaste(double d, int unit);

// A computed angle (decimal degrees) rendered in a result box of `unit`,
// with the result patterns ("#0° 00' 00.0000''", "#0.00000000°", ...).
std::string FormatResultAngle(double d, int unit, std::string_view decimalSeparator = ".");

// A number written into an edit box for pasting: decimal point, no grouping,
// up to 15 significant digits, a leading blank when not negative.
std::string PasteText(double value);

// Names of the AngleUnit values ("Sessagesimali", ...).
const char* AngleUnitName(int unit);

} // namespace tervano
