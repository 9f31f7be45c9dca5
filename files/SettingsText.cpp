#include "files/SettingsText.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

namespace tervano::files {

namespace {

// The blanks Qt's trimmed() removes around a field.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// A decimal integer of one to six digits with an optional sign, in the 16-bit range.
std::optional<int> Integer16(std::string_view s) {
    size_t i = 0;
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        i = 1;
    }
    const size_t digits = s.size() - i;
    if (digits < 1 || digits > 6)
        return std::nullopt;
    long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        v = v * 10 + (s[i] - '0');
    }
    if (negative)
        v = -v;
    if (v < -32768 || v > 32767)
        return std::nullopt;
    return static_cast<int>(v);
}

} // namespace

StoredSettings SettingsFromText(std::string_view content) {
    StoredSettings result;
    // Fields between runs of CR, LF and commas; empty ones skipped.
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t i = 0; i <= content.size(); ++i) {
        if (i == content.size() || content[i] == '\r' || content[i] == '\n' || content[i] == ',') {
            if (i > start)
                fields.push_back(content.substr(start, i - start));
            start = i + 1;
        }
    }
    if (fields.size() < 2)
        return result;
    std::optional<int> values[2];
    for (int k = 0; k < 2; ++k) {
        values[k] = Integer16(Trimmed(fields[static_cast<size_t>(k)]));
        if (!values[k])
            return result;
    }
    for (size_t k = 2; k < fields.size(); ++k)
        if (!Trimmed(fields[k]).empty())
            return result;
    if (*values[0] >= 1 && *values[0] <= 4)
        result.angleUnit = *values[0];
    if (*values[1] >= 1 && *values[1] <= 2)
        result.longitudeOrigin = *values[1];
    return result;
}

std::string SettingsFilePath() {
    const char* explicitPath = std::getenv("TERVANO1_INI");
    if (explicitPath != nullptr && *explicitPath != '\0')
        return explicitPath;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config != nullptr && *config != '\0') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.config";
    }
    return base + "/Tervano1.ini";
}

StoredSettings ReadStoredSettings(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    // A valid file is a few bytes long; anything beyond 4096 is not one.
    std::string content(4097, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    const auto got = static_cast<size_t>(in.gcount());
    if (got > 4096 || got < 3)
        return {};
    content.resize(got);
    return SettingsFromText(content);
}

} // namespace tervano::files
