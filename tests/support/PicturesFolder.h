#pragma once
// Where tests leave pictures of windows and boards for a person to look at: a folder of the build,
// never the source tree nor the folder the test was started in.

#include <filesystem>
#include <string_view>

namespace zarle::testing {

// <build>/test-pictures/<name>, made if missing.
std::filesystem::path PicturesFolder(std::string_view name);

} // namespace zarle::testing
