#pragma once

#include <string>

// Outcome of checking a window's typed values against their ranges: which
// value was refused first, the lines of its message and the icon to show.
namespace tervano {

enum class CheckIcon { Error, Warning };

struct InputCheck {
    int failed = 0; // 0 every value passes; else the refused input, as each check numbers them
    const char* line1 = "";
    const char* line2 = "";
    const char* line3 = ""; // the few three-line messages
    CheckIcon icon = CheckIcon::Error;

    bool ok() const { return failed == 0; }
    // The message text: its non-empty lines joined by carriage returns.
    std::string text() const {
        std::string out = line1;
        for (const char* line : {line2, line3}) {
            if (*line != '\0') {
                out += '\r';
                out += line;
            }
        }
        return out;
    }
};

} // namespace tervano
