#pragma once

#include <string>
#include <utility>
#include <vector>

// Outcome of checking a window's typed values against their ranges: the first
// value out of range, the lines of its message and the icon to show.
namespace tervano {

enum class CheckIcon { Error, Warning };

struct InputCheck {
    bool ok = true;
    int field = 0; // which input failed, numbered by the checking function
    std::vector<std::string> lines;
    CheckIcon icon = CheckIcon::Error;

    // The message text: its lines joined by carriage returns.
    std::string text() const {
        std::string out;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0)
                out += '\r';
            out += lines[i];
        }
        return out;
    }
};

inline InputCheck Passed() {
    return {};
}
inline InputCheck Refused(int field, std::vector<std::string> lines, CheckIcon icon) {
    return {false, field, std::move(lines), icon};
}

// Inclusive range test used by every check.
inline bool Within(double value, double low, double high) {
    return value >= low && value <= high;
}

} // namespace tervano
