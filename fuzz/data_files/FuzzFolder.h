#pragma once
// A program folder of the fuzz process's own under the temporary folder, with the data folders
// the loaders look in, removed when the process ends; and a file in it that holds one input.

#include "tests/support/TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace zarle::fuzzing {

inline const testing::TempFolder& FuzzFolder() {
    static const testing::TempFolder folder;
    static const bool dataFolders = [] {
        for (const char* sub : {"Data/PMS", "users", "Sounds"})
            std::filesystem::create_directories(folder.Path(sub));
        return true;
    }();
    static_cast<void>(dataFolders);
    return folder;
}

// Writes one input to `relative` in the folder; returns the file's full path.
inline std::filesystem::path WriteInput(std::string_view relative, const uint8_t* data, size_t size) {
    return FuzzFolder().Write(relative, {reinterpret_cast<const char*>(data), size});
}

} // namespace zarle::fuzzing
