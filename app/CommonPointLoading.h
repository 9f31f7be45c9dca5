#pragma once

class Modulo1;

// Fills m.commonPoints from the common-point data file at start-up. On
// failure m.commonPointsLoaded stays false and m.commonPointsError tells the
// user why, in Italian.
void LoadCommonPointTable(Modulo1& m);
