#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where the file converter reads the common-point table of the change of
// system, in the order the program looks for it: the file named by
// $TERVANO1_COMMON_POINTS when set; else common_points.tsv in the first
// folder holding it of <program>/../share/tervano1, <program>/data and the
// folders fixed at build time (the sources' data folder, the installed share
// folder); else the file in the last of those.
namespace tervano::files {

inline constexpr const char* CommonPointFileName = "common_points.tsv";

std::string CommonPointFilePath(std::string_view chosen, const std::string& programDir,
                                const std::vector<std::string>& builtInFolders);

// The folder of the running program; empty when it cannot be told.
std::string ProgramDirectory();

} // namespace tervano::files
