#pragma once

#include "geodesy/ReferenceSystems.h"

#include <QByteArray>
#include <QString>
#include <optional>

class Modulo1;

// The user's NTv2 grid: read into the shared state when the user picks it,
// and remembered across runs in a file of its own beside the settings file,
// "Tervano1-grigliato.ini". That file holds two lines, each ended by CR LF:
// the grid's path in UTF-8, then the system its source is taken as, "ROMA40"
// or "ED50". The two-line settings file is left as it is.

struct RememberedGrid {
    QString path;
    tervano::System source = tervano::System::ROMA40;
};

// "Tervano1-grigliato.ini" in the folder of the settings file.
QString GridMemoryPath(const QString& settingsFilePath);

// The grid named by a memory file's content; nothing when the content is not
// two such lines (an empty path, another system, more lines).
std::optional<RememberedGrid> GridMemoryFromBytes(const QByteArray& content);
QByteArray GridMemoryBytes(const RememberedGrid& g);

// Reads and writes the memory file (written through a temporary file renamed
// over the old one). Reading gives nothing for a file missing, unreadable or
// not holding a grid; writing gives false when the file could not be written.
std::optional<RememberedGrid> ReadGridMemory(const QString& path);
bool WriteGridMemory(const QString& path, const RememberedGrid& g);

// Reads the grid at `path` into m: its path, the grid and the system its
// source is taken as, which is the one the grid's header names or, when the
// header does not tell, `fallback`. A grid that cannot be read leaves m as it
// was, and `error` says why (Italian, capitals).
bool LoadUserGrid(Modulo1& m, const QString& path, tervano::System fallback, QString& error);

// Start-up: the grid remembered from an earlier run, read again. Nothing is
// said here: a grid that no longer loads leaves m without a grid, with
// m.gridError telling why, for the window to show when the user picks the
// grid method. The method stays the table.
void RestoreUserGrid(Modulo1& m);

// The user picked a grid or the system its source is taken as: both are
// remembered for the next run. False when the memory file could not be written.
bool RememberUserGrid(const Modulo1& m);

// "ROMA40" or "ED50".
QString GridSourceName(tervano::System s);
