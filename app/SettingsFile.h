#pragma once

#include <QString>

// The settings file holds two decimal integers on two lines, each line ended
// by CR LF: the angle notation (1..4) and the origin of ROMA40 longitudes (1..2).

struct SettingsValues {
    int AngleUnit = 1;
    int LongitudeOrigin = 1;
};

// Reads the settings at start-up. Anything unusable gives the defaults 1 and 1:
// a missing file (none is left behind), a file of 1 or 2 bytes (deleted), a
// location that cannot be read, an empty file or one that does not hold two
// 16-bit integers (both left untouched). A value out of range becomes 1 on its own.
SettingsValues ReadSettingsFile(const QString& path);

// The values held by the content of a settings file, by the rules above.
SettingsValues SettingsFromBytes(const QByteArray& content);

// Replaces the file with the two values. The new content is written to a
// temporary file in the same folder and renamed over the old one, so a failure
// leaves the previous file as it was. False when the file could not be written.
bool WriteSettingsFile(const QString& path, const SettingsValues& values);

// "Sessagesimali", "Sessadecimali", "Centesimali", "Gradi Primi Decimi di primo".
QString AngleUnitName(int angleUnit);
// "Unità di misura degli angoli selezionata: " followed by the notation's name.
QString ComposeAngleUnitLine(int angleUnit);
