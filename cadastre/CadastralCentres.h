#pragma once

#include <span>
#include <string>
#include <string_view>

// The built-in centres of the Italian cadastral Cassini-Soldner systems and
// the provinces each one serves. Latitudes and longitudes are on the Bessel
// ellipsoid in gg.ppssdddd, longitudes from the meridian of Genova (positive
// east). Index 0 is the entry for a centre typed by the user.
namespace tervano {

struct CadastralCentre {
    std::string_view name;
    double latitude;
    double longitude;
    std::span<const std::string_view> provinces; // every line begins with "- "
};

inline constexpr int CentreCount = 19;
inline constexpr int UserDefinedCentre = 0;

// The row at index 0..18; any other index gives the user-defined row.
const CadastralCentre& CentreAt(int index);

// The entry shown in the list for index 0..18; empty for any other index.
std::string CentreName(int index);

// The current centre, in gg.ppssdddd as typed or stored.
struct CentreValues {
    double centreLatitude = 0;
    double centreLongitude = 0;
};

struct CentreSelection {
    enum class Action {
        ShowCentre,  // a table centre was set: show it with its provinces
        ClearCentre, // the user-defined entry: empty the centre boxes
        ShowAgain    // no selection: show the current centre again
    };
    Action action;
    std::string provinces; // the row's lines joined by "\r", none at the end
};

// Applies a selection of the centre list to `centre`. A table index sets the
// row's values. The user-defined entry resets the centre to 0, 0, so that a
// computation never runs with a centre the user no longer sees (0 is refused
// by the centre check until a centre is typed). Any other index changes nothing.
CentreSelection SelectCentre(int index, CentreValues& centre);

// Display patterns of a centre value: a typed value and every latitude; the
// longitude of a table centre, written after two blanks.
inline constexpr const char* CentrePattern = "#0° 00' 00.000''";
inline constexpr const char* TableLongitudePattern = "  #0° 00' 00.000''";

// A centre value (gg.ppssdddd) rendered for its display box, seconds to
// three decimals; seconds that would round to 60.000 carry into the minutes.
std::string FormatCentreValue(double v, bool tableLongitude, std::string_view decimalSeparator = ".");

} // namespace tervano
