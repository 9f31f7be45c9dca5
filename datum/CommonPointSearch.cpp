#include "datum/CommonPointSearch.h"

#include "geodesy/ReferenceSystems.h"

namespace tervano {

SearchOutcome CERCA_CRD(const CommonPointTable& table, double east, double north, int pairColumn,
                        int landMass) {
    SearchOutcome out;
    out.FoundRow = 0;
    if (!(pairColumn > 0) || !(pairColumn < ColumnsInUse)) {
        out.internalError = 102;
        return out;
    }
    const bool oneLandMass = landMass >= 0 && table.landMasses != nullptr;
    double best = SearchHalfSide * SearchHalfSide;
    for (int r = 0; r < RowsScanned; ++r) {
        if (oneLandMass && table.landMass[static_cast<size_t>(r)] != landMass)
            continue;
        const double dE = east - table.cell(r, pairColumn - 1);
        if (!(-SearchHalfSide < dE && dE < SearchHalfSide))
            continue;
        const double dN = north - table.cell(r, pairColumn);
        if (!(-SearchHalfSide < dN && dN < SearchHalfSide))
            continue;
        const double d2 = dE * dE + dN * dN;
        if (d2 < best) {
            best = d2;
            out.FoundRow = r;
        }
    }
    out.bestSquared = best;
    out.poorReliability = ReliableDistance * ReliableDistance < best && out.FoundRow > 0;
    return out;
}

int SourcePairColumn(int sourceSystem, int sourceZone) {
    switch (sourceZone) {
    case UTM32:
    case UTM33:
    case UTM34:
        return (sourceSystem == ED50 ? 6 : 12) + 2 * (sourceZone - UTM32) + 1;
    default: // Gauss-Boaga Ovest, Est, the auxiliary zone on 21° E
        return 2 * (sourceZone - GBOvest) + 1;
    }
}

int TargetPairColumn(int sourceSystem, int sourceZone, int targetSystem) {
    switch (sourceZone) {
    case UTM32:
    case UTM33:
    case UTM34: {
        const int offset = 2 * (sourceZone - UTM32) + 1;
        if (targetSystem == ROMA40)
            return offset;
        return (sourceSystem == ED50 ? 12 : 6) + offset;
    }
    default:
        return (targetSystem == ED50 ? 6 : 12) + 2 * (sourceZone - GBOvest) + 1;
    }
}

PreparedSearch PREPARACERCA(const CommonPointTable& table, int sourceSystem, int sourceZone, int targetSystem,
                            double east, double north, int landMass) {
    PreparedSearch out;
    // A zone outside 1..6 has no column pair; for zone 7 the target column
    // would fall past the end of the row.
    if (sourceZone < UTM32 || sourceZone > AuxiliaryZone) {
        out.internalError = 102;
        return out;
    }
    const int source = SourcePairColumn(sourceSystem, sourceZone);
    const int target = TargetPairColumn(sourceSystem, sourceZone, targetSystem);
    if (!(target > 0) || !(target < ColumnsInUse)) {
        out.internalError = 102;
        return out;
    }
    static_cast<SearchOutcome&>(out) = CERCA_CRD(table, east, north, source, landMass);
    if (out.internalError != 0)
        return out;
    out.NodeSourceEast = table.cell(out.FoundRow, source - 1);
    out.NodeSourceNorth = table.cell(out.FoundRow, source);
    out.NodeTargetEast = table.cell(out.FoundRow, target - 1);
    out.NodeTargetNorth = table.cell(out.FoundRow, target);
    return out;
}

std::string PoorReliabilityText() {
    return "RISULTATO DI SCARSA ATTENDIBILITA':\r\rIL PUNTO RISULTA A DISTANZA NOTEVOLE\r"
           "DALLE ZONE PREVISTE DAL PROGRAMMA";
}

std::string InternalErrorText(int code) {
    const int magnitude = code < 0 ? -code : code;
    return " ERRORE " + std::to_string(magnitude) +
           " NEL PROGRAMMA.\r PER FAVORE CONTATTATECI ALL'INDIRIZZO \r RIPORTATO NEL MENU 'Informazioni "
           "su...'";
}

} // namespace tervano
