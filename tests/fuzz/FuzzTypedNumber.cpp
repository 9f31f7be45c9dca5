// Typed numbers and the angle texts made from them. The reading is checked
// against strtod on the same characters (blanks dropped, 'D' as exponent
// letter); every angle text must be free of inf/nan, and a minutes or seconds
// field never shows 60 unless the typed value itself held 60 or more there.
#include "geodesy/TextNumbers.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace tervano;

namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// The longest leading number by the reader's rules, in strtod's syntax.
std::string ReferenceLiteral(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < s.size() && Digit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && Digit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return "0";
    size_t end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t k = i + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-'))
            ++k;
        size_t expDigits = 0;
        while (k < s.size() && Digit(s[k]))
            ++k, ++expDigits;
        if (expDigits > 0) {
            s[i] = 'e';
            end = k;
        }
    }
    return s.substr(0, end);
}

[[noreturn]] void Fail(const char* what, std::string_view input, const std::string& detail) {
    std::fprintf(stderr, "%s\ninput: [%.*s]\n%s\n", what, static_cast<int>(input.size()), input.data(),
                 detail.c_str());
    std::abort();
}

double Field(const std::string& text, size_t from, size_t to, std::string_view separator) {
    std::string f = text.substr(from, to - from);
    const size_t sep = f.find(separator);
    if (sep != std::string::npos)
        f.replace(sep, separator.size(), ".");
    return std::strtod(f.c_str(), nullptr);
}

// Minutes and seconds fields of "d° mm' ss.ssss''" or minutes of "d° mm.mmm'".
void CheckSixty(const std::string& text, std::string_view separator, bool minutesMayShow60,
                bool secondsMayShow60, std::string_view input, const char* what) {
    if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos)
        Fail("inf or nan shown", input, std::string(what) + ": " + text);
    const size_t degree = text.find("° ");
    const size_t prime = text.find('\'');
    if (degree == std::string::npos || prime == std::string::npos)
        Fail("angle text without its fields", input, std::string(what) + ": " + text);
    const size_t minutesStart = degree + std::string_view("° ").size();
    if (!minutesMayShow60 && Field(text, minutesStart, prime, separator) >= 60.0)
        Fail("60 minutes shown", input, std::string(what) + ": " + text);
    const size_t seconds = text.find("''");
    if (seconds != std::string::npos && !secondsMayShow60 &&
        Field(text, prime + 2, seconds, separator) >= 60.0)
        Fail("60 seconds shown", input, std::string(what) + ": " + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const TypedNumber typed = ReadTypedNumber(input);

    const std::string literal = ReferenceLiteral(input);
    errno = 0;
    const double reference = std::strtod(literal.c_str(), nullptr);
    if (std::isinf(reference)) {
        if (typed.valid)
            Fail("a number beyond the double range read as valid", input, literal);
        return 0;
    }
    if (!typed.valid || !std::isfinite(typed.value))
        Fail("a number within the double range read as not valid", input, literal);
    // A result too small for a normal double reads as 0.
    const bool tiny = std::fabs(reference) < DBL_MIN && typed.value == 0.0;
    if (typed.value != reference && !tiny) {
        char detail[160];
        std::snprintf(detail, sizeof detail, "reference %s = %.17g, read %.17g", literal.c_str(), reference,
                      typed.value);
        Fail("reading differs from strtod", input, detail);
    }

    // No angle the windows accept comes near ±1000 (400 grads at most); beyond
    // that the double no longer resolves the packed seconds finely enough for
    // the rule below.
    const double t = typed.value;
    if (!(std::fabs(t) <= 1000.0))
        return 0;
    // The typed digits: the shortest decimal form of |t|, the digits any text
    // reading as this double stands for. Digits 1-2 after the point are the
    // minutes, digits 3-4 and on the seconds (notation 1).
    char shortest[64];
    const auto res =
        std::to_chars(shortest, shortest + sizeof shortest - 1, std::fabs(t), std::chars_format::fixed);
    *res.ptr = '\0';
    std::string frac =
        std::strchr(shortest, '.') ? std::string(std::strchr(shortest, '.') + 1) : std::string();
    frac.resize(std::max<size_t>(frac.size(), 4), '0');
    const double typedMinutes = std::strtod((frac.substr(0, 2) + "." + frac.substr(2)).c_str(), nullptr);
    const double typedSeconds = std::strtod((frac.substr(2, 2) + "." + frac.substr(4)).c_str(), nullptr);
    // Seconds within the display's 1e-8 guard of 60 count as typed 60 (the
    // display adds 1e-8 to the seconds so that 0.29 stored as 0.28999... shows
    // as typed; 12.34599999999995 therefore shows 60'').
    const bool secondsTyped60 = typedSeconds + 2e-8 >= 60.0;
    // Likewise minutes within 1e-9 of 60: 359.59999999999997 is 359.6 to the
    // double, whose packed minutes 100 a come out as exactly 60.
    const bool minutesTyped60 = typedMinutes + 1e-9 >= 60.0;

    for (const char* separator : {".", ","}) {
        for (AngleDetail detail : {AngleDetail::Full, AngleDetail::Reduced}) {
            CheckSixty(FormatTypedAngle(t, Sexagesimal, separator, detail), separator, minutesTyped60,
                       minutesTyped60 || secondsTyped60, input, "typed, notation 1");
            CheckSixty(FormatTypedAngle(t, DegreesMinutes, separator, detail), separator,
                       typedMinutes + 1e-9 >= 60.0, true, input, "typed, notation 4");
            CheckSixty(FormatResultAngle(t, Sexagesimal, separator, detail), separator, false, false, input,
                       "result, notation 1");
            CheckSixty(FormatResultAngle(t, DegreesMinutes, separator, detail), separator, false, false,
                       input, "result, notation 4");
            for (int unit : {DecimalDegrees, Grads}) {
                const std::string a = FormatTypedAngle(t, unit, separator, detail);
                const std::string b = FormatResultAngle(t, unit, separator, detail);
                if (a.empty() || b.empty() || (a + b).find("inf") != std::string::npos ||
                    (a + b).find("nan") != std::string::npos)
                    Fail("decimal angle text empty, inf or nan", input, a + " | " + b);
            }
        }
    }
    return 0;
}
