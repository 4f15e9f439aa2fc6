#pragma once
// The plain files of a folder by name, sorted without regard to case; a missing folder has none.

#include <filesystem>
#include <string>
#include <vector>

namespace zarle {

std::vector<std::string> FolderFiles(const std::filesystem::path& folder);

} // namespace zarle
