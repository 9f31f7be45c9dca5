#pragma once

#include "datum/CommonPointTable.h"
#include "datum/Ntv2Grid.h"
#include "files/FileRun.h"
#include "files/RowConverter.h"
#include "files/SettingsText.h"
#include "geodesy/ReferenceSystems.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The options of the file converter: which conversion with which choices,
// and how the file is laid out. Parsed from the command line; the converter
// for a row is made from the conversion's options.
namespace tervano::files {

enum class Conversion {
    GeoToPlane,             // "geo-piane"
    PlaneToGeo,             // "piane-geo"
    GeoToCartesian,         // "geo-cart"
    CartesianToGeo,         // "cart-geo"
    SingleZoneGeoToPlane,   // "fuso-geo-piane"
    SingleZonePlaneToGeo,   // "fuso-piane-geo"
    SystemChangeGeographic, // "sistemi-geo"
    SystemChangePlane,      // "sistemi-piane"
    CadastreToGaussBoaga,   // "catasto-gb"
    GaussBoagaToCadastre,   // "gb-catasto"
};

const char* ConversionName(Conversion c);
std::optional<Conversion> ConversionFromName(std::string_view name);
// Every conversion the options can name, in the order of the help.
std::vector<Conversion> AllConversions();

// The choices of a conversion, as the windows offer them. Those a
// conversion does not take are ignored by it.
struct ConversionOptions {
    Conversion conversion = Conversion::GeoToPlane;
    System system = System::ROMA40;
    std::optional<PlaneZone> zone; // nothing: the zone of membership
    int angleUnit = 1;             // 1..4
    int longitudeOrigin = 1;       // 1 Monte Mario, 2 Greenwich (ROMA40 longitudes)
    // Choices of the other conversions, as given; MakeRowConverter reads them.
    std::string xAxis;        // geographic <-> cartesian: "montemario" (default) or "greenwich"
    std::string meridian;     // single zone: central meridian (in the notation), with falseEast
    std::string falseEast;    // single zone: metres
    std::string scale;        // single zone: scale factor
    std::string targetSystem; // change of system: the system to convert to
    std::string centre;       // cadastre: a centre of the table by name or number, or "lat,lon"
    // Change of system: the common-point table, loaded by the caller.
    std::shared_ptr<const CommonPointTable> commonPoints;
    // Change of system through an NTv2 grid instead of the table: the grid's
    // file as given, and the system its source is taken as ("roma40",
    // "ed50"; empty: the one its header names). The caller loads the grid.
    std::string gridPath;
    std::string gridSystem;
    std::shared_ptr<const Ntv2Grid> grid;
};

// Whether the conversion carries points between systems (needs commonPoints,
// or the grid when gridPath is given).
bool NeedsCommonPoints(Conversion c);

// The converter of rows for the options; nothing with a message when the
// options do not make a conversion (a zone of another system, a choice
// missing or not valid).
std::unique_ptr<RowConverter> MakeRowConverter(const ConversionOptions& o, std::string& error);

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string input, output; // "-": standard input or output
    ConversionOptions conversion;
    FileLayout layout;
    bool quiet = false;
};

// Parses the arguments after the program's name; the notation and the
// longitude origin default to `stored`. Nothing with an Italian message on
// a usage error.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const StoredSettings& stored, std::string& error);

// The help the program prints for -h.
std::string HelpText();

} // namespace tervano::files
