#pragma once
// A program folder of its own for each test, with the profile code wired to a recording host.

#include "tests/persistence/profiles/FakeProfileHost.h"
#include "engine/GameState.h"
#include "base/records/PlayerRecord.h"
#include "persistence/profiles/Profiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zarle::testing {

class ProfilesTest : public ::testing::Test, protected TempFolder {
  protected:
    void SetUp() override;

    std::filesystem::path Root() const { return root_; }
    // A game state and a profile state as a fresh start has them, on this program folder.
    void FreshState();
    // An empty file (or one with the given text) under the program folder.
    void Touch(const std::string& relative, const std::string& text = "");

    // A sound starting profile: two players, three centers, the lead personality in every seat.
    static PlayerRecord Header(const std::string& lastPlayer);
    static PlayerRecord Player(const std::string& name);
    void WritePlayers(const std::vector<PlayerRecord>& records);
    std::vector<uint8_t> PlayersBytes() const;
    // Fields of record `recNo` (from 1) of a record file's bytes.
    static int16_t Int16At(const std::vector<uint8_t>& file, size_t recordLength, int recNo, size_t offset);
    static std::string TextAt(const std::vector<uint8_t>& file, size_t recordLength, int recNo, size_t offset,
                              size_t width);
    PlayerRecord StoredPlayer(int recNo) const;

    GameState state;
    ProfileState profile;
    FakeProfileHost host;
    Profiles profiles{state, profile, host.Ports()};

  private:
    std::filesystem::path root_;
};

} // namespace zarle::testing
