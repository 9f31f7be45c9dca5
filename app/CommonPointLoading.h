#pragma once

#include <QString>

class Modulo1;

// Fills m.commonPoints from the common-point data file at start-up. On
// failure m.commonPointsLoaded stays false and m.commonPointsError tells the
// user why, in Italian.
void LoadCommonPointTable(Modulo1& m);

// Where the data file is read from: $TERVANO1_COMMON_POINTS when set, else the
// first of <program>/../share/tervano1, <program>/data, the sources' data
// folder and the installed share folder that holds common_points.tsv. The
// land-mass outline land_masses.tsv is read from the same folder.
QString CommonPointFilePath();
