#include "opponents/PersonalityPacks.h"

#include "opponents/DataFiles.h"
#include "base/text/VbText.h"

#include <system_error>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view InstalledEnding = ".pmw";
constexpr std::string_view PackedEnding = ".wav";

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && EqualsNoCase(text.substr(text.size() - ending.size()), ending);
}

// The folder `name` in `folder`, matched without regard to case when no exact match exists.
std::optional<fs::path> FindFolder(const fs::path& folder, std::string_view name) {
    if (!IsPlainFileName(name)) return std::nullopt;
    std::error_code error;
    const fs::path exact = folder / fs::path(std::string(name));
    if (fs::is_directory(exact, error)) return exact;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (EqualsNoCase(it->path().filename().string(), name) && it->is_directory(error)) return it->path();
    }
    return std::nullopt;
}

} // namespace

std::string PackOwner(std::string_view name) {
    return EqualsNoCase(name, "Zadure") ? "Vova" : std::string(name);
}

std::optional<fs::path> PackFolder(const fs::path& programFolder, std::string_view name) {
    return FindFolder(programFolder / "Data" / "PMS", PackOwner(name));
}

std::optional<fs::path> PackFrame(const fs::path& programFolder, std::string_view name, int frame) {
    if (frame < 1 || frame > WinFrames) return std::nullopt;
    const auto pack = PackFolder(programFolder, name);
    if (!pack) return std::nullopt;
    return FindDataFile(*pack, PackOwner(name) + std::to_string(frame) + ".png");
}

bool InstallPackSounds(const fs::path& programFolder, std::string_view name) {
    const auto pack = PackFolder(programFolder, name);
    if (!pack) return false;
    const std::string owner = PackOwner(name);
    const fs::path sounds = programFolder / "Sounds";
    std::error_code error;
    fs::create_directories(sounds, error);
    // Only "<call><owner>.wav" files: what is installed must be found again by its ending.
    const std::string ending = owner + std::string(PackedEnding);
    for (fs::directory_iterator it(*pack, error), end; !error && it != end; it.increment(error)) {
        const std::string file = it->path().filename().string();
        std::error_code fileError;
        if (!EndsWithNoCase(file, ending) || !it->is_regular_file(fileError)) continue;
        const std::string installed =
            file.substr(0, file.size() - PackedEnding.size()) + std::string(InstalledEnding);
        fs::copy_file(it->path(), sounds / installed, fs::copy_options::overwrite_existing, fileError);
    }
    return true;
}

namespace {

void RemoveSoundsEndingWith(const fs::path& programFolder, const std::string& ending) {
    std::error_code error;
    for (fs::directory_iterator it(programFolder / "Sounds", error), end; !error && it != end;
         it.increment(error)) {
        std::error_code fileError;
        if (EndsWithNoCase(it->path().filename().string(), ending) && it->is_regular_file(fileError))
            fs::remove(it->path(), fileError);
    }
}

} // namespace

void RemovePackSounds(const fs::path& programFolder, std::string_view name) {
    if (name.empty()) return;
    RemoveSoundsEndingWith(programFolder, std::string(name) + std::string(InstalledEnding));
}

void RemoveAllPackSounds(const fs::path& programFolder) {
    RemoveSoundsEndingWith(programFolder, std::string(InstalledEnding));
}

} // namespace zarle
