#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace zarle::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    // mkdtemp picks a name no other process holds, so tests running side by side never meet.
    std::string pattern = (fs::temp_directory_path() / "zarle-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder under " + pattern);
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path TempFolder::Write(std::string_view relative, std::string_view bytes) const {
    const fs::path file = Path(relative);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return file;
}

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> ReadBytes(const fs::path& file) {
    const std::string bytes = ReadText(file);
    return {bytes.begin(), bytes.end()};
}

void WriteBytes(const fs::path& file, const std::vector<uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace zarle::testing
