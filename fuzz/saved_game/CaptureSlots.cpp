// Writes the seeds of the saved-game fuzzer: whole games of the greedy human against the computer
// seats on tables of every size and rule, with the record the game saves as the human's turn
// starts (its turn-start copy) taken at the deal, a third and two thirds into the game and at the
// last turn. Every seed is a whole record the check passes. Usage: saved_game_capture <seed folder>

#include "engine/GameState.h"
#include "bench/selfplay/MatchRunner.h"
#include "persistence/games/SavedGameCheck.h"
#include "persistence/games/SavedGameCopy.h"
#include "base/records/SavedGameRecord.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using zarle::SavedGameRecord;

struct Table {
    const char* Name;
    int Players;
    int SideSize;
    int ForcedMask;
    bool NoWildAce;
};

constexpr Table Tables[] = {
    {"2p", 2, 20, 0, false},
    {"2p-side26-forced-ace-two", 2, 26, 3, false},
    {"3p-side15-no-wild-ace", 3, 15, 0, true},
    {"4p-side10-forced-ace-visible", 4, 10, 5, false},
    {"4p", 4, 20, 0, false},
};

bool Write(const std::filesystem::path& file, const SavedGameRecord& record) {
    if (!zarle::SavedGameProblem(record).empty()) {
        std::fprintf(stderr, "%s: the check refuses it: %s\n", file.c_str(),
                     zarle::SavedGameProblem(record).c_str());
        return false;
    }
    const auto bytes = record.Encode();
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: saved_game_capture <seed folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    bool written = true;
    for (const Table& table : Tables) {
        std::vector<SavedGameRecord> turns;
        zarle::selfplay::MatchSettings settings;
        settings.Games = 1;
        settings.Players = table.Players;
        settings.Levels = {2, 1, 0};
        settings.SideSize = table.SideSize;
        settings.ForcedMask = table.ForcedMask;
        settings.NoWildAce = table.NoWildAce;
        settings.OnHumanTurn = [&turns](const zarle::GameState& s) {
            SavedGameRecord record;
            record.Name = "AutoSave";
            zarle::FillSavedGame(s, record);
            turns.push_back(record);
        };
        const auto result = zarle::selfplay::RunMatch(settings);
        if (!result.Problem.empty() || turns.size() < 4) {
            std::fprintf(stderr, "%s: no whole game: %s\n", table.Name, result.Problem.c_str());
            return 1;
        }
        const std::string name = table.Name;
        const SavedGameRecord& early = turns[turns.size() / 3];
        written &= Write(folder / (name + "-deal"), turns.front());
        written &= Write(folder / (name + "-early"), early);
        written &= Write(folder / (name + "-late"), turns[turns.size() * 2 / 3]);
        written &= Write(folder / (name + "-last-turn"), turns.back());
        if (table.SideSize == 20 && table.Players == 2) {
            // A record of the versions before the side-pile size was saved: 0 there.
            SavedGameRecord old = early;
            old.SideSizeM1 = 0;
            old.Name = "Before the side-pile size";
            written &= Write(folder / (name + "-early-without-side-size"), old);
        }
    }
    return written ? 0 : 1;
}
