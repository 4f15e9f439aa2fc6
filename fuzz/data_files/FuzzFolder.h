#pragma once
// A program folder of the fuzz process's own under the temporary folder, with the data folders
// the loaders look in, removed when the process ends; and a file in it that holds one input.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace zarle::fuzzing {

class ProgramFolder {
  public:
    ProgramFolder()
        : root_(std::filesystem::temp_directory_path() / ("zarle-fuzz-" + std::to_string(::getpid()))) {
        for (const char* sub : {"Data/PMS", "users", "Sounds"})
            std::filesystem::create_directories(root_ / sub);
    }
    ~ProgramFolder() {
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    const std::filesystem::path& Root() const { return root_; }

  private:
    std::filesystem::path root_;
};

inline const std::filesystem::path& FuzzFolder() {
    static const ProgramFolder folder;
    return folder.Root();
}

inline void WriteInput(const std::filesystem::path& file, const uint8_t* data, size_t size) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace zarle::fuzzing
