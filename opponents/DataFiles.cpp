#include "opponents/DataFiles.h"

#include "base/text/VbText.h"

#include <system_error>

namespace zarle {

namespace fs = std::filesystem;

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|') {
            return false;
        }
    }
    return true;
}

std::optional<fs::path> FindDataFile(const fs::path& folder, std::string_view name) {
    if (!IsPlainFileName(name)) return std::nullopt;
    std::error_code error;
    const fs::path exact = folder / fs::path(std::string(name));
    if (fs::is_regular_file(exact, error)) return exact;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (EqualsNoCase(it->path().filename().string(), name) && it->is_regular_file(error))
            return it->path();
    }
    return std::nullopt;
}

} // namespace zarle
