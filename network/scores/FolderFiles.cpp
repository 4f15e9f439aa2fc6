#include "network/scores/FolderFiles.h"

#include "persistence/profiles/ProfileText.h"

#include <algorithm>
#include <system_error>

namespace zarle {

std::vector<std::string> FolderFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
    }
    std::ranges::sort(names, [](const std::string& a, const std::string& b) { return Upper(a) < Upper(b); });
    return names;
}

} // namespace zarle
