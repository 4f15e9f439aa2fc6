// selfplay --games N --players P --levels L2,L3,L4 --seed S [--side N] [--forced M] [--no-wild-ace]
//          [--repeat R]
// Plays N whole games of the greedy human against computer seats and prints their figures; exits
// with 1 when a game broke an invariant and 2 on a bad command line. With --repeat the same games
// are played R times and each turn is timed by its quickest run, which keeps a busy machine's
// pauses out of the longest turn.

#include "bench/selfplay/MatchRunner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using zarle::selfplay::MatchResult;
using zarle::selfplay::MatchSettings;

constexpr const char* LevelNames[] = {"Average", "Clever", "Ruthless"};

int Usage(const char* why) {
    std::fprintf(stderr,
                 "selfplay: %s\nusage: selfplay --games N --players 2..4 --levels L2[,L3[,L4]] --seed S "
                 "[--side 10|15|20|26] [--forced 0..7] [--no-wild-ace] [--repeat R]\n  levels: 0/Average, "
                 "1/Clever, 2/Ruthless\n",
                 why);
    return 2;
}

bool ParseNumber(const char* text, long long low, long long high, long long& out) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

int ParseLevel(std::string_view text) {
    for (int level = 0; level < 3; ++level) {
        if (text == std::to_string(level) || strcasecmp(std::string(text).c_str(), LevelNames[level]) == 0)
            return level;
    }
    return -1;
}

bool ParseLevels(std::string_view text, MatchSettings& settings) {
    int count = 0;
    while (!text.empty() && count < 3) {
        const size_t comma = text.find(',');
        const int level = ParseLevel(text.substr(0, comma));
        if (level < 0) return false;
        settings.Levels[count++] = level;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    if (count == 0 || !text.empty()) return false;
    for (int i = count; i < 3; ++i) settings.Levels[i] = settings.Levels[count - 1];
    return true;
}

void Print(const MatchSettings& settings, const MatchResult& result) {
    std::printf("games: %d  players: %d  levels:", result.Games, settings.Players);
    for (int seat = 2; seat <= settings.Players; ++seat)
        std::printf(" %s", LevelNames[settings.Levels[seat - 2]]);
    std::printf("  seed: %llu\n", static_cast<unsigned long long>(settings.Seed));
    std::printf("games per second: %.1f\n", result.Seconds > 0 ? result.Games / result.Seconds : 0.0);
    std::printf("mean turns per game: %.1f\n", result.Games > 0 ? double(result.Turns) / result.Games : 0.0);
    std::printf("longest computer turn: %lld us (99.9%% of turns within %lld us)\n",
                zarle::selfplay::ComputerTurnNsWithin(result, 1.0) / 1000,
                zarle::selfplay::ComputerTurnNsWithin(result, 0.999) / 1000);
    std::printf("win share:");
    for (int seat = 1; seat <= settings.Players; ++seat) {
        const double share = result.Games > 0 ? 100.0 * result.Wins[seat] / result.Games : 0.0;
        std::printf("  seat %d %.1f%%", seat, share);
    }
    std::printf("\nstalemates: %d  unfinished: %d\n", result.Stalemates, result.Unfinished);
}

} // namespace

int main(int argc, char** argv) {
    MatchSettings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--no-wild-ace") {
            settings.NoWildAce = true;
            continue;
        }
        if (i + 1 >= argc) return Usage("an option lacks its value");
        const char* value = argv[++i];
        long long number = 0;
        if (option == "--games" && ParseNumber(value, 1, 100000000, number)) {
            settings.Games = static_cast<int>(number);
        } else if (option == "--players" && ParseNumber(value, 2, 4, number)) {
            settings.Players = static_cast<int>(number);
        } else if (option == "--seed" && ParseNumber(value, 0, INT64_MAX, number)) {
            settings.Seed = static_cast<uint64_t>(number);
        } else if (option == "--side" && ParseNumber(value, 10, 26, number) &&
                   (number == 10 || number == 15 || number == 20 || number == 26)) {
            settings.SideSize = static_cast<int>(number);
        } else if (option == "--forced" && ParseNumber(value, 0, 7, number) && number != 4) {
            settings.ForcedMask = static_cast<int>(number);
        } else if (option == "--repeat" && ParseNumber(value, 1, 100, number)) {
            settings.Repeats = static_cast<int>(number);
        } else if (option == "--levels" && ParseLevels(value, settings)) {
        } else {
            return Usage(("bad option or value: " + std::string(option) + " " + value).c_str());
        }
    }
    const MatchResult result = zarle::selfplay::RunMatch(settings);
    Print(settings, result);
    if (!result.Problem.empty()) {
        std::printf("BROKEN: %s\n", result.Problem.c_str());
        return 1;
    }
    return 0;
}
