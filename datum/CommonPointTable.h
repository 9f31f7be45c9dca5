#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

// Points known in all three systems, with East and North in nine plane zones.
namespace tervano {

inline constexpr int CommonPointRows = 701;   // rows 0..700
inline constexpr int CommonPointColumns = 19; // columns 0..18, 18 never used
inline constexpr int ColumnsInUse = 18;
inline constexpr int RowsScanned = 665;
inline constexpr double SearchHalfSide = 300000.0;
inline constexpr double ReliableDistance = 30000.0;

struct LandMassOutline;

struct CommonPointTable {
    std::array<std::array<double, CommonPointColumns>, CommonPointRows> cells{};
    // The outline of the land masses and each row's land mass (LandMass, -1
    // for no point). Without an outline every row serves every point.
    std::shared_ptr<const LandMassOutline> landMasses;
    std::array<signed char, CommonPointRows> landMass{};
    double cell(int row, int column) const {
        return cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
};

struct CommonPointLoad {
    bool ok = false;
    std::string error; // Italian, in capitals, naming the problem, when !ok
};

// Reads the tab-separated data file and the land-mass outline beside it; on
// any fault the table is left all zero, without an outline.
CommonPointLoad LoadCommonPoints(const std::string& path, CommonPointTable& table);
// The same for the content of such a file, without the land-mass outline.
CommonPointLoad ParseCommonPoints(std::string_view content, CommonPointTable& table);

} // namespace tervano

using tervano::CommonPointTable;
