#pragma once

#include "geodesy/InputCheck.h"

#include <string>
#include <vector>

// An input a page will not compute with: which input (numbered by the page),
// the lines of the message the user reads, and its icon.
namespace tervano {

enum class RefusalIcon { Stop, Exclamation, Information };

struct Refusal {
    int input = 0;
    std::vector<std::string> lines;
    RefusalIcon icon = RefusalIcon::Stop;

    // The message text: its lines joined by carriage returns.
    std::string text() const {
        std::string out;
        for (const std::string& line : lines) {
            if (!out.empty())
                out += '\r';
            out += line;
        }
        return out;
    }
    bool operator==(const Refusal&) const = default;
};

// A range check's outcome as a refusal of the input it names.
inline Refusal RefusalOf(const InputCheck& check) {
    Refusal r;
    r.input = check.failed;
    for (const char* line : {check.line1, check.line2, check.line3})
        if (*line != '\0')
            r.lines.emplace_back(line);
    r.icon = check.icon == CheckIcon::Warning ? RefusalIcon::Exclamation : RefusalIcon::Stop;
    return r;
}

} // namespace tervano
