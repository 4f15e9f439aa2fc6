#include "tests/network/windows/ChatFixture.h"

#include <fstream>

namespace zarle::testing {

void ChatTest::SetUp() {
    s.AppPath = Path("").string();
    s.PlayerName = "Alice";
    s.OppName1 = "Bob";
    s.NetMode = 1;
}

void ChatTest::Touch(const std::string& relative) {
    const auto path = Path("") / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

std::string ChatTest::Under(const std::string& relative) const {
    return (Path("") / relative).string();
}

} // namespace zarle::testing
