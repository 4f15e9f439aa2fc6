// users/<player>.avt: an opponent's avatar remembered by name, byte by byte.

#include "network/windows/AvatarFile.h"
#include "base/records/OpponentSlot.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zarle {
namespace {

class AvatarFileTest : public ::testing::Test, protected testing::TempFolder {
  protected:
    void SetUp() override {
        app = Path("").string();
        for (const char* picture : {"bob.jpg", "cat.gif"}) {
            std::filesystem::create_directories(Path("Avatars"));
            std::ofstream(Path("Avatars") / picture) << "x";
        }
    }
    std::vector<uint8_t> Expected(std::initializer_list<std::pair<const char*, const char*>> records) {
        std::vector<uint8_t> bytes;
        for (const auto& [name, avatar] : records) {
            const auto r = NewAvatarRecord(name, avatar);
            bytes.insert(bytes.end(), r.begin(), r.end());
        }
        return bytes;
    }
    std::string app;
};

TEST_F(AvatarFileTest, SavedOpponentsAreAppendedOnceAndFoundAgainWithoutRegardToCase) {
    SeatRecord bob;
    bob.Name = "Bob";
    bob.Avatar = "cat.gif";
    ASSERT_TRUE(OpponentAvatarFile(app, "Alice", bob, true));
    SeatRecord carol;
    carol.Name = "Ca|rol";
    carol.Avatar = "gone.jpg";
    ASSERT_TRUE(OpponentAvatarFile(app, "Alice", carol, true));
    bob.Avatar = "bob.jpg";
    ASSERT_TRUE(OpponentAvatarFile(app, "Alice", bob, true));
    const auto bytes = testing::ReadBytes(Path("users") / "Alice.avt");
    EXPECT_EQ(bytes, Expected({{"Bob", "bob.jpg"}, {"Carol", "gone.jpg"}}));
    EXPECT_EQ(bytes.size(), 308u);
    EXPECT_EQ(bytes[50], 0) << "the comments stay zero";

    SeatRecord later;
    later.Name = " BOB ";
    later.Avatar = "seat.jpg";
    OpponentAvatarFile(app, "Alice", later, false);
    EXPECT_EQ(later.Avatar, "bob.jpg");
    SeatRecord carolAgain;
    carolAgain.Name = "carol";
    carolAgain.Avatar = "seat.jpg";
    OpponentAvatarFile(app, "Alice", carolAgain, false);
    EXPECT_EQ(carolAgain.Avatar, "seat.jpg") << "a picture no longer there is passed over";
}

TEST_F(AvatarFileTest, ANamelessSeatIsNeverStored) {
    SeatRecord nobody;
    nobody.Avatar = "cat.gif";
    EXPECT_FALSE(OpponentAvatarFile(app, "Alice", nobody, true));
    EXPECT_FALSE(std::filesystem::exists(Path("users") / "Alice.avt"));
}

} // namespace
} // namespace zarle
