#include "datum/CommonPointSearch.h"

#include "datum/LandMasses.h"

#include "geodesy/ReferenceSystems.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using namespace tervano;

namespace {

// A table with a few points in the ED50 UTM 33 pair (columns 8, 9) and the
// WGS84 UTM 33 pair (14, 15) shifted by a known amount.
std::unique_ptr<CommonPointTable> SmallTable() {
    auto t = std::make_unique<CommonPointTable>();
    auto put = [&](int row, double east, double north) {
        t->cells[static_cast<size_t>(row)][8] = east;
        t->cells[static_cast<size_t>(row)][9] = north;
        t->cells[static_cast<size_t>(row)][14] = east - 70.0;
        t->cells[static_cast<size_t>(row)][15] = north - 190.0 + row;
    };
    put(3, 400000.0, 4600000.0);
    put(7, 420000.0, 4600000.0);
    put(9, 410000.0, 4650000.0);
    put(664, 410000.0, 4550000.0);
    return t;
}

} // namespace

TEST(CommonPointSearch, NearestRowExactHitsTiesAndTheWindowEdge) {
    const auto t = SmallTable();

    // On a table point: that row, no warning, shift = target - source.
    PreparedSearch s = PREPARACERCA(*t, ED50, UTM33, WGS84, 420000.0, 4600000.0);
    EXPECT_EQ(s.FoundRow, 7);
    EXPECT_EQ(s.bestSquared, 0.0);
    EXPECT_FALSE(s.poorReliability);
    EXPECT_EQ(s.NodeTargetEast - s.NodeSourceEast, -70.0);
    EXPECT_EQ(s.NodeTargetNorth - s.NodeSourceNorth, -183.0);

    // Halfway between rows 3 and 7: the lower row wins.
    EXPECT_EQ(CERCA_CRD(*t, 410000.0, 4600000.0, 9).FoundRow, 3);
    EXPECT_EQ(CERCA_CRD(*t, 510000.0, 4600000.0, 9).FoundRow, 7);
    EXPECT_EQ(CERCA_CRD(*t, 410000.0, 4320000.0, 9).FoundRow, 664); // last scanned row

    // A candidate exactly 300 000 m away on either axis is outside the window.
    EXPECT_EQ(CERCA_CRD(*t, 720000.0, 4600000.0, 9).FoundRow, 0);
    EXPECT_EQ(CERCA_CRD(*t, 710000.0, 4950000.0, 9).FoundRow, 0);
    EXPECT_EQ(CERCA_CRD(*t, 410000.0, 4250000.0, 9).FoundRow, 0);
    const SearchOutcome inside = CERCA_CRD(*t, 719999.99, 4600000.0, 9);
    EXPECT_EQ(inside.FoundRow, 7);
    EXPECT_TRUE(inside.poorReliability);

    // Nothing found: row 0, node values 0.0, no warning.
    s = PREPARACERCA(*t, ED50, UTM33, WGS84, 900000.0, 4600000.0);
    EXPECT_EQ(s.FoundRow, 0);
    EXPECT_FALSE(s.poorReliability);
    EXPECT_EQ(s.NodeSourceEast + s.NodeSourceNorth + s.NodeTargetEast + s.NodeTargetNorth, 0.0);

    // Rows without the pair are never candidates (the pair of UTM 32 is empty).
    EXPECT_EQ(CERCA_CRD(*t, 420000.0, 4600000.0, 7).FoundRow, 0);
}

TEST(CommonPointSearch, ReliabilityWarningBeyondThirtyKilometres) {
    const auto t = SmallTable();
    // Row 9 alone near (410000, 4680000 + d): exactly 30 000 m is still reliable.
    EXPECT_FALSE(CERCA_CRD(*t, 410000.0, 4680000.0, 9).poorReliability);
    const SearchOutcome far = CERCA_CRD(*t, 410000.0, 4680000.01, 9);
    EXPECT_EQ(far.FoundRow, 9);
    EXPECT_TRUE(far.poorReliability);
    EXPECT_FALSE(CERCA_CRD(*t, 410000.0 + 18000.0, 4650000.0 + 24000.0, 9).poorReliability); // 3-4-5

    EXPECT_EQ(PoorReliabilityText(),
              "RISULTATO DI SCARSA ATTENDIBILITA':\r\rIL PUNTO RISULTA A DISTANZA NOTEVOLE\r"
              "DALLE ZONE PREVISTE DAL PROGRAMMA");
}

TEST(CommonPointSearch, PairOutsideTheTableIsAnInternalError) {
    const auto t = SmallTable();
    for (int column : {0, -1, 18, 19})
        EXPECT_EQ(CERCA_CRD(*t, 420000.0, 4600000.0, column).internalError, 102) << column;
    for (int column : {1, 9, 17}) {
        const SearchOutcome s = CERCA_CRD(*t, 420000.0, 4600000.0, column);
        EXPECT_EQ(s.internalError, 0) << column;
    }
    // A zone with no column pair stops before any cell is read (zone 7 would
    // read column 19 of a 19-column row); the valid zones 1..6 search.
    for (int zone : {0, -1, 7, 8, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        for (int target : {ROMA40, ED50, WGS84}) {
            const PreparedSearch s = PREPARACERCA(*t, ED50, zone, target, 420000.0, 4600000.0);
            EXPECT_EQ(s.internalError, 102) << zone << " " << target;
            EXPECT_EQ(s.FoundRow, 0);
            EXPECT_EQ(s.NodeSourceEast + s.NodeSourceNorth + s.NodeTargetEast + s.NodeTargetNorth, 0.0);
        }
    }
    for (int zone = UTM32; zone <= AuxiliaryZone; ++zone)
        EXPECT_EQ(
            PREPARACERCA(*t, zone <= UTM34 ? ED50 : ROMA40, zone, WGS84, 420000.0, 4600000.0).internalError,
            0)
            << zone;
    EXPECT_EQ(InternalErrorText(102), " ERRORE 102 NEL PROGRAMMA.\r PER FAVORE CONTATTATECI ALL'INDIRIZZO \r"
                                      " RIPORTATO NEL MENU 'Informazioni su...'");
}

// With the land masses of its rows, the search keeps to the one given and
// applies its rules among those rows only; without them every row counts.
TEST(CommonPointSearch, KeepsToTheLandMassOfThePoint) {
    const auto t = SmallTable();
    t->landMasses = std::make_shared<LandMassOutline>();
    t->landMass.fill(-1);
    t->landMass[3] = Mainland;
    t->landMass[7] = Sicily;
    t->landMass[9] = Sicily;
    t->landMass[664] = Mainland;

    EXPECT_EQ(CERCA_CRD(*t, 420000.0, 4600000.0, 9).FoundRow, 7);
    EXPECT_EQ(CERCA_CRD(*t, 420000.0, 4600000.0, 9, Sicily).FoundRow, 7);
    const SearchOutcome mainland = CERCA_CRD(*t, 420000.0, 4600000.0, 9, Mainland);
    EXPECT_EQ(mainland.FoundRow, 3);
    EXPECT_EQ(mainland.bestSquared, 20000.0 * 20000.0);
    // Halfway between the mainland rows 3 and 664: the lower row wins.
    EXPECT_EQ(CERCA_CRD(*t, 405000.0, 4575000.0, 9, Mainland).FoundRow, 3);
    // The reliability distance is to the nearest row of the land mass.
    EXPECT_TRUE(CERCA_CRD(*t, 430000.01, 4600000.0, 9, Mainland).poorReliability);
    EXPECT_FALSE(CERCA_CRD(*t, 430000.0, 4600000.0, 9, Sicily).poorReliability);

    const PreparedSearch none = PREPARACERCA(*t, ED50, UTM33, WGS84, 420000.0, 4600000.0, Sardinia);
    EXPECT_EQ(none.FoundRow, 0);
    EXPECT_EQ(none.NodeSourceEast, 0.0);
    const PreparedSearch sicily = PREPARACERCA(*t, ED50, UTM33, WGS84, 412000.0, 4640000.0, Sicily);
    EXPECT_EQ(sicily.FoundRow, 9);
    EXPECT_EQ(sicily.NodeTargetNorth - sicily.NodeSourceNorth, -181.0);

    t->landMasses.reset();
    EXPECT_EQ(CERCA_CRD(*t, 420000.0, 4600000.0, 9, Mainland).FoundRow, 7);
}
