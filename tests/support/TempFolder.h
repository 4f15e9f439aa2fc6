#pragma once
// A fresh folder of one test (or one fuzz process) under the system's temporary folder, removed
// with the object; and whole files read and written in one call.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zarle::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // `relative` inside the folder; "" gives the folder itself with a closing separator.
    std::filesystem::path Path(std::string_view relative) const { return path_ / relative; }
    // Creates `relative` (and its folders) holding `bytes`; returns its full path.
    std::filesystem::path Write(std::string_view relative, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

std::vector<uint8_t> ReadBytes(const std::filesystem::path& file);
std::string ReadText(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

} // namespace zarle::testing
