#pragma once

#include <string>
#include <string_view>

// The settings file Tervano1.ini read without Qt, by the rules the program
// reads it with at start-up: two decimal integers (the angle notation 1..4,
// the origin of ROMA40 longitudes 1..2) separated by line ends or commas,
// blanks around them allowed, nothing but blanks after them. Anything
// unusable gives the defaults 1 and 1; a value out of range becomes 1 on its
// own. The file is only read: unlike the program's start-up, nothing is ever
// removed.
namespace tervano::files {

struct StoredSettings {
    int angleUnit = 1;
    int longitudeOrigin = 1;
};

StoredSettings SettingsFromText(std::string_view content);

// Where the program keeps the file: $TERVANO1_INI when set, otherwise
// Tervano1.ini in $XDG_CONFIG_HOME, otherwise in ~/.config.
std::string SettingsFilePath();

// The settings in the file at `path`; the defaults when it is missing,
// unreadable, empty or longer than a settings file can be.
StoredSettings ReadStoredSettings(const std::string& path);

} // namespace tervano::files
