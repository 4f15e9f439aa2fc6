#pragma once
// A program folder of the fuzz process's own under the temporary folder, with the data folders
// the loaders look in, and a file in it that holds one input.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace zarle::fuzzing {

inline const std::filesystem::path& FuzzFolder() {
    static const std::filesystem::path folder = [] {
        const auto root = std::filesystem::temp_directory_path() / ("zarle-fuzz-" + std::to_string(::getpid()));
        for (const char* sub : {"Data/PMS", "users", "Sounds"}) std::filesystem::create_directories(root / sub);
        return root;
    }();
    return folder;
}

inline void WriteInput(const std::filesystem::path& file, const uint8_t* data, size_t size) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace zarle::fuzzing
