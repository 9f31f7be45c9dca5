#include "files/CommonPointFile.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tervano::files {

std::string CommonPointFilePath(std::string_view chosen, const std::string& programDir,
                                const std::vector<std::string>& builtInFolders) {
    if (!chosen.empty())
        return std::string(chosen);
    std::vector<fs::path> folders;
    if (!programDir.empty()) {
        folders.push_back(fs::path(programDir) / ".." / "share" / "tervano1");
        folders.push_back(fs::path(programDir) / "data");
    }
    for (const std::string& f : builtInFolders)
        folders.emplace_back(f);
    for (const fs::path& folder : folders) {
        const fs::path file = folder / CommonPointFileName;
        std::error_code ec;
        if (fs::is_regular_file(file, ec))
            return fs::absolute(file, ec).lexically_normal().string();
    }
    return builtInFolders.empty() ? std::string(CommonPointFileName)
                                  : (fs::path(builtInFolders.back()) / CommonPointFileName).string();
}

std::string ProgramDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

} // namespace tervano::files
