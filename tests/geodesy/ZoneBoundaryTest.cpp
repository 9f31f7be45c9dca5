// Zone of membership and overlap of a longitude typed exactly on a zone
// boundary, in each of the four angle notations. Each notation reads the same
// angle a few 1e-11 degrees apart (the sexagesimal guard, the Greenwich shift,
// grads); the zone must be the one the inclusive rule gives for the exact value.
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"

#include <gtest/gtest.h>

#include <string>

using namespace tervano;

namespace {

struct BoundaryCase {
    int system;
    int longitudeOrigin;  // ROMA40: 1 from Monte Mario, 2 from Greenwich
    const char* typed[4]; // notations 1 to 4, as a surveyor types the angle
    int zone;
    int overlapZone; // 0: none
};

// The degrees a window computes with for a longitude typed in `unit`.
double TypedLongitude(const BoundaryCase& c, int unit) {
    const double t = ReadTypedNumber(c.typed[unit - 1]).value;
    double lambda = AngleFromTyped(t, unit).degrees;
    if (c.system == ROMA40 && c.longitudeOrigin == 2)
        lambda -= GreenwichShift();
    return lambda;
}

// Notation 3 is grads: 12° is 13.333...; the digits are those of the exact
// value to fifteen significant figures.
const BoundaryCase Cases[] = {
    // UTM 32/33 at 12° E: 32 (12 is not greater than 12), overlap in 33.
    {ED50, 1, {"12", "12", "13.3333333333333", "12"}, UTM32, UTM33},
    {WGS84, 1, {"12", "12", "13.3333333333333", "12"}, UTM32, UTM33},
    // UTM 33/34 at 18° E: 33, overlap in 34.
    {WGS84, 1, {"18", "18", "20", "18"}, UTM33, UTM34},
    {ED50, 1, {"18", "18", "20", "18"}, UTM33, UTM34},
    // Edges of the UTM bands: 11°40' and 12°20', 17°40' and 18°20'.
    {ED50, 1, {"11.40", "11.6666666666667", "12.962962962963", "11.40"}, UTM32, UTM33},
    {ED50, 1, {"12.20", "12.3333333333333", "13.7037037037037", "12.20"}, UTM33, UTM32},
    {WGS84, 1, {"17.40", "17.6666666666667", "19.6296296296296", "17.40"}, UTM33, UTM34},
    {WGS84, 1, {"18.20", "18.3333333333333", "20.3703703703704", "18.20"}, UTM34, UTM33},
    // ROMA40 from Monte Mario: -0°27'08.4'' (12° E) is Est with overlap Ovest.
    {ROMA40, 1, {"-0.27084", "-0.452333333333333", "-0.502592592592593", "-0.2714"}, GBEst, GBOvest},
    // -0°30' (the west edge of the band) keeps its overlap; 0 (east edge) too.
    {ROMA40, 1, {"-0.30", "-0.5", "-0.555555555555556", "-0.30"}, GBOvest, GBEst},
    {ROMA40, 1, {"0", "0", "0", "0"}, GBEst, GBOvest},
    // ROMA40 from Greenwich: 12° is the boundary, Est with overlap Ovest.
    {ROMA40, 2, {"12", "12", "13.3333333333333", "12"}, GBEst, GBOvest},
    // 11°57'08.4'' is half a degree west of Monte Mario: Ovest with overlap Est.
    {ROMA40, 2, {"11.57084", "11.9523333333333", "13.2803703703704", "11.5714"}, GBOvest, GBEst},
    // 12°27'08.4'' is Monte Mario itself: Est with overlap Ovest.
    {ROMA40, 2, {"12.27084", "12.4523333333333", "13.8359259259259", "12.2714"}, GBEst, GBOvest},
};

} // namespace

TEST(ZoneBoundary, TypedBoundaryGivesTheZoneOfItsExactValueInEveryNotation) {
    for (const BoundaryCase& c : Cases) {
        for (int unit = 1; unit <= 4; ++unit) {
            SCOPED_TRACE("system " + std::to_string(c.system) + " origin " +
                         std::to_string(c.longitudeOrigin) + " notation " + std::to_string(unit) + " typed " +
                         c.typed[unit - 1]);
            const double lambda = TypedLongitude(c, unit);
            // The ranges accept the value, and membership and overlap agree with them.
            EXPECT_TRUE(CheckGeographicForPlane(c.system, 42.0, lambda).ok());
            EXPECT_EQ(MembershipZone(c.system, lambda), c.zone);
            EXPECT_EQ(OverlapZone(c.system, lambda, c.zone), c.overlapZone);
            const GeoToPlaneResult r = GeographicToPlane(c.system, 1, 0, 42.0, lambda, 0.9996);
            EXPECT_EQ(r.MembershipZoneCode, c.zone);
            EXPECT_EQ(r.OverlapShown, c.overlapZone != 0);
            EXPECT_EQ(r.OverlapZoneCode, c.overlapZone);
        }
    }
}

TEST(ZoneBoundary, JustPastABoundaryStillChangesZone) {
    // A tenth of a millisecond of arc (3 mm) past each boundary is the next zone:
    // the slack is far below anything a surveyor types on purpose.
    EXPECT_EQ(MembershipZone(ED50, 12.0 + 1e-8), UTM33);
    EXPECT_EQ(MembershipZone(WGS84, 18.0 + 1e-8), UTM34);
    EXPECT_EQ(MembershipZone(ROMA40, -0.45233333333333 - 1e-8), GBOvest);
    EXPECT_EQ(OverlapZone(ROMA40, -0.5 - 1e-8, GBOvest), 0);
    EXPECT_EQ(OverlapZone(ROMA40, 1e-8, GBEst), 0);
    EXPECT_EQ(OverlapZone(ED50, 12.3333334, UTM33), 0);
    EXPECT_EQ(OverlapZone(WGS84, 17.6666666, UTM33), 0);
}
