#include "tests/support/PicturesFolder.h"

#include <system_error>

namespace zarle::testing {

std::filesystem::path PicturesFolder(std::string_view name) {
    const std::filesystem::path folder = std::filesystem::path(ZARLE_TEST_PICTURES) / name;
    std::error_code ignored; // made by a test running beside this one: as good
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

} // namespace zarle::testing
