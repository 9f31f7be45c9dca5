// The digit-pattern formatter with any double, any pattern and any decimal
// separator. Input: 8 bytes of the double, 1 byte giving the separator's
// length (0-3), the separator, then the pattern.
#include "geodesy/TextNumbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace tervano;

namespace {

[[noreturn]] void Fail(const char* what, double value, std::string_view pattern, std::string_view separator,
                       const std::string& out) {
    std::fprintf(stderr, "%s\nvalue %.17g pattern [%.*s] separator [%.*s]\nout [%s]\n", what, value,
                 static_cast<int>(pattern.size()), pattern.data(), static_cast<int>(separator.size()),
                 separator.data(), out.c_str());
    std::abort();
}

bool IsPlace(char c) {
    return c == '0' || c == '#';
}

bool HasDigitOrMinus(std::string_view s) {
    for (char c : s)
        if ((c >= '0' && c <= '9') || c == '-')
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const size_t sepLength = std::min<size_t>(data[8] % 4, size - 9);
    const std::string_view separator(reinterpret_cast<const char*>(data) + 9, sepLength);
    std::string_view pattern(reinterpret_cast<const char*>(data) + 9 + sepLength, size - 9 - sepLength);
    if (pattern.size() > 80) // longer patterns add nothing but time
        pattern = pattern.substr(0, 80);

    const std::string out = FormatPattern(value, pattern, separator);
    if (!std::isfinite(value)) {
        if (!out.empty())
            Fail("a non-finite value rendered", value, pattern, separator, out);
        return 0;
    }

    // The literals of the pattern, with the separator for the first '.', stay
    // in order once the digits and the sign are taken out.
    const size_t dot = pattern.find('.');
    std::string literals;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (i == dot)
            literals += separator;
        else if (!IsPlace(pattern[i]))
            literals += pattern[i];
    }
    if (!HasDigitOrMinus(literals)) {
        std::string stripped;
        for (char c : out)
            if (!((c >= '0' && c <= '9') || c == '-'))
                stripped += c;
        if (stripped != literals)
            Fail("literals not kept", value, pattern, separator, out);
    }

    // A pattern of digit places only reads back as the value rounded to its
    // decimal places (on 15 significant digits).
    bool placesOnly = dot == std::string_view::npos || pattern.find('.', dot + 1) == std::string_view::npos;
    int decimals = 0;
    for (size_t i = 0; i < pattern.size() && placesOnly; ++i) {
        if (i == dot)
            continue;
        placesOnly = IsPlace(pattern[i]);
        if (i > dot && dot != std::string_view::npos)
            ++decimals;
    }
    if (placesOnly && decimals <= 20 && std::fabs(value) < 1e300 && !HasDigitOrMinus(separator)) {
        std::string text = out;
        if (dot != std::string_view::npos) {
            const size_t at = text.find(separator);
            if (separator.empty() || at == std::string::npos)
                return 0;
            text.replace(at, separator.size(), ".");
        }
        if (text.empty() || text == "-" || text == "." || text == "-.")
            text = "0";
        char* end = nullptr;
        const double back = std::strtod(text.c_str(), &end);
        if (*end != '\0')
            Fail("a pattern of digit places gave other characters", value, pattern, separator, out);
        const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-9) + std::fabs(value) * 1e-14;
        if (!(std::fabs(back - value) <= tolerance))
            Fail("rendered value differs from the value", value, pattern, separator, out);
        if (value < 0 && back > 0)
            Fail("sign lost", value, pattern, separator, out);
    }
    return 0;
}
