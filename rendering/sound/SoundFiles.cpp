#include "rendering/sound/SoundFiles.h"

#include "base/text/VbText.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace zarle {

namespace fs = std::filesystem;

namespace {

// Extensions are matched without regard to case, as the program's files have always been.
void DeleteFilesEndingWith(const fs::path& folder, std::string_view extension) {
    std::vector<fs::path> doomed;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (name.size() < extension.size() || !it->is_regular_file(kind)) continue;
        if (EqualsNoCase(std::string_view(name).substr(name.size() - extension.size()), extension))
            doomed.push_back(it->path());
    }
    for (const fs::path& file : doomed) fs::remove(file, error);
}

} // namespace

std::string SoundTempPath(const std::string& appPath, int id) {
    return (fs::path(appPath) / "Data" / ("~" + CStr(id) + ".tmp")).string();
}

bool IsPlayableFile(const std::string& path) {
    std::error_code error;
    if (path.empty() || !fs::is_regular_file(path, error)) return false;
    return std::ifstream(path, std::ios::binary).is_open();
}

void DeleteTemporarySoundFiles(const std::string& appPath) {
    DeleteFilesEndingWith(fs::path(appPath) / "Data", ".tmp");
    DeleteFilesEndingWith(fs::path(appPath) / "Sounds", ".pmw");
}

} // namespace zarle
