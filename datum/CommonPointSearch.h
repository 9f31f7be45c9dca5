#pragma once

#include "datum/CommonPointTable.h"

#include <string>

// The nearest common point to a plane point, and the column pairs that carry a
// point from one reference system to another.
namespace tervano {

struct SearchOutcome {
    int FoundRow = 0;             // nearest row; 0 when no row lies inside the search window
    double bestSquared = 0.0;     // squared distance to FoundRow (SearchHalfSide² when none)
    bool poorReliability = false; // nearest point farther than ReliableDistance: tell the user
    int internalError = 0;        // 102 when the pair does not exist: the program must stop
};

// Scans rows 0..RowsScanned-1 for the point nearest to (east, north) in the
// pair whose North column is pairColumn (East column pairColumn - 1). Only rows
// strictly inside the square of half side SearchHalfSide count; the first row
// at the smallest distance wins. With a landMass (LandMass) and a table that
// knows its rows' land masses, only the rows of that land mass count.
SearchOutcome CERCA_CRD(const CommonPointTable& table, double east, double north, int pairColumn,
                        int landMass = -1);

struct PreparedSearch : SearchOutcome {
    double NodeSourceEast = 0.0;
    double NodeSourceNorth = 0.0;
    double NodeTargetEast = 0.0;
    double NodeTargetNorth = 0.0;
};

// North columns of the pair of a system in a zone (ZoneCode) and of the pair
// of the target system in the zone paired with it.
int SourcePairColumn(int sourceSystem, int sourceZone);
int TargetPairColumn(int sourceSystem, int sourceZone, int targetSystem);

// Searches the source pair and reads the found row's source and target
// coordinates (row 0, all 0.0, when nothing was found); landMass as for
// CERCA_CRD. A zone outside 1..6 gives internal error 102 and reads nothing.
PreparedSearch PREPARACERCA(const CommonPointTable& table, int sourceSystem, int sourceZone, int targetSystem,
                            double east, double north, int landMass = -1);

// Texts of the messages, lines joined by "\r".
std::string PoorReliabilityText();
std::string InternalErrorText(int code);

} // namespace tervano
