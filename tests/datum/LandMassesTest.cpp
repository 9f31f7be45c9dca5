#include "datum/LandMasses.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace tervano;

namespace {

LandMassOutline ReadOutline() {
    std::ifstream in(std::string(TERVANO_SOURCE_DIR) + "/data/land_masses.tsv", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    LandMassOutline outline;
    EXPECT_EQ(ParseLandMasses(s.str(), outline), "");
    return outline;
}

} // namespace

// Places whose land mass is known: on land, at sea (the nearest), on small
// islands (the one nearest to the island) and in Corsica, outside the territory.
TEST(LandMasses, APlaceTakesTheLandMassItIsOnOrTheNearest) {
    const LandMassOutline outline = ReadOutline();
    ASSERT_EQ(outline.masses[Mainland][0].size(), 3u); // San Marino and the Vatican are holes
    struct Case {
        const char* name;
        double lat, lon;
        int mass;
    };
    const Case cases[] = {
        {"Reggio Calabria", 38.11, 15.66, Mainland},
        {"Capo dell'Armi", 37.99, 15.66, Mainland},
        {"Messina", 38.19, 15.54, Sicily},
        {"Strait, 1 km off Calabria", 38.20, 15.63, Mainland},
        {"Strait, 1 km off Sicily", 38.20, 15.58, Sicily},
        {"Cagliari", 39.23, 9.11, Sardinia},
        {"La Maddalena", 41.22, 9.41, Sardinia},
        {"Bonifacio (Corsica)", 41.39, 9.16, Sardinia},
        {"Cap Corse", 42.95, 9.40, Mainland},
        {"Elba", 42.78, 10.25, Mainland},
        {"Favignana", 37.93, 12.32, Sicily},
        {"Lipari", 38.47, 14.95, Sicily},
        // Stromboli as a whole is nearer Calabria, though its west end is nearer Sicily.
        {"Stromboli, west end", 38.79, 15.19, Mainland},
        {"Stromboli, east end", 38.80, 15.24, Mainland},
        {"Pantelleria", 36.78, 11.99, Sicily},
        {"San Marino", 43.94, 12.45, Mainland},
        {"Rome", 41.9, 12.5, Mainland},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NearestLandMass(outline, {c.lon, c.lat}), c.mass) << c.name;
}
