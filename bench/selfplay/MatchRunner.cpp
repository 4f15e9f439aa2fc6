#include "bench/selfplay/MatchRunner.h"

#include "bench/selfplay/CardCensus.h"
#include "opponents/ComputerPlayer.h"
#include "bench/selfplay/GreedyHuman.h"
#include "bench/selfplay/NullPorts.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace zarle::selfplay {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int TurnLimit = 5000;

// The thread's own processor time: a turn is not charged for the time other programs ran.
long long ThreadNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// One table: the game state, the engine and the computer player behind null ports.
struct Table {
    explicit Table(const MatchSettings& settings)
        : Random(settings.Seed),
          Opponents(State, Game,
                    OpponentsPorts{Board, Sound, Waiter, Random, Persistence, Net, Window, Timer}),
          Game(State, EnginePorts{Board, Sound, Waiter, Box, Random, Opponents, Persistence, Net}) {
        State.NumPlayers = static_cast<int16_t>(settings.Players);
        State.NumCenters = static_cast<int16_t>(settings.Players > 2 ? 4 : 3);
        State.SideSizeM1 = static_cast<int16_t>(settings.SideSize - 1);
        State.DeckSize = static_cast<int16_t>(PackSize * settings.Players);
        State.Seat3Shown = settings.Players > 2;
        State.Seat4Shown = settings.Players == 4;
        State.ForcedMask = static_cast<int16_t>(settings.ForcedMask);
        State.NoWildAce = settings.NoWildAce;
        State.MoveDelay = 0;
        State.SoundLevel = 2;
        State.PlayerName = "Greedy";
        const char* names[] = {"Zarle", "Quenor", "Vova"};
        for (int seat = 2; seat <= MaxPlayers; ++seat) {
            State.Seat(seat).Name = names[seat - 2];
            State.Seat(seat).Level = static_cast<int16_t>(settings.Levels[seat - 2]);
        }
    }

    GameState State;
    NullBoard Board;
    NullSound Sound;
    NullWaiter Waiter;
    YesBox Box;
    SeededRandom Random;
    NoSavedGames Persistence;
    NoNetwork Net;
    WatchingWindow Window;
    NullTimer Timer;
    ComputerPlayer Opponents;
    Engine Game;
};

class Referee {
  public:
    Referee(Table& table, MatchResult& result, const MatchSettings& settings)
        : t_(table), r_(result), onHumanTurn_(settings.OnHumanTurn) {
        t_.Window.OnSeatTurn = [this] { SeatTurnStarts(); };
    }

    void PlayGame() {
        GameState& s = t_.State;
        open_ = false;
        t_.Game.Game_New();
        TurnEnds();
        GreedyHuman human(s, t_.Game);
        int turns = 0;
        while (s.PTurn != 0 && r_.Problem.empty()) {
            if (s.PTurn != 1)
                return Broken("the opponents handed the move to seat " + std::to_string(s.PTurn));
            if (++turns > TurnLimit) {
                ++r_.Unfinished;
                return;
            }
            ++r_.Turns;
            if (onHumanTurn_) onHumanTurn_(s);
            if (!human.PlayTurn()) return Broken("the human could not discard");
            TurnEnds();
        }
        Score();
    }

  private:
    void SeatTurnStarts() {
        TurnEnds();
        // The seat just loaded holds the same piles in its record and its working copy.
        Check(t_.State.PTurn);
        ++r_.Turns;
        open_ = true;
        start_ = ThreadNanoseconds();
    }

    void TurnEnds() {
        if (open_) {
            r_.ComputerTurnNs.push_back(ThreadNanoseconds() - start_);
            open_ = false;
        }
        // A stalemate that was given up leaves the board as it stood.
        if (t_.State.StaleState != 1) Check(0);
    }

    void Check(int workingSeat) {
        if (!r_.Problem.empty()) return;
        const std::string problem = CheckCards(t_.State, workingSeat);
        if (!problem.empty()) Broken(problem);
    }

    void Broken(const std::string& why) {
        if (r_.Problem.empty()) r_.Problem = "game " + std::to_string(r_.Games + 1) + ": " + why;
    }

    void Score() {
        const GameState& s = t_.State;
        if (s.StaleState == 1) {
            ++r_.Stalemates;
            return;
        }
        if (s.SideCount == 0) {
            ++r_.Wins[1];
            return;
        }
        for (int seat = 2; seat <= s.NumPlayers; ++seat) {
            if (s.Seat(seat).SideCount == 0) {
                ++r_.Wins[seat];
                return;
            }
        }
        Broken("the game ended with no side pile empty");
    }

    Table& t_;
    MatchResult& r_;
    const std::function<void(const GameState&)>& onHumanTurn_;
    bool open_ = false;
    long long start_ = 0;
};

MatchResult PlayOnce(const MatchSettings& settings) {
    MatchResult result;
    Table table(settings);
    Referee referee(table, result, settings);
    const auto began = Clock::now();
    for (int g = 0; g < settings.Games && result.Problem.empty(); ++g) {
        referee.PlayGame();
        ++result.Games;
    }
    result.Seconds = std::chrono::duration<double>(Clock::now() - began).count();
    return result;
}

} // namespace

MatchResult RunMatch(const MatchSettings& settings) {
    MatchResult result = PlayOnce(settings);
    for (int again = 1; again < settings.Repeats && result.Problem.empty(); ++again) {
        // The games are the same each time: only the times differ.
        const MatchResult repeat = PlayOnce(settings);
        result.Seconds = std::min(result.Seconds, repeat.Seconds);
        const size_t turns = std::min(result.ComputerTurnNs.size(), repeat.ComputerTurnNs.size());
        for (size_t i = 0; i < turns; ++i)
            result.ComputerTurnNs[i] = std::min(result.ComputerTurnNs[i], repeat.ComputerTurnNs[i]);
    }
    return result;
}

long long ComputerTurnNsWithin(const MatchResult& result, double share) {
    std::vector<long long> sorted = result.ComputerTurnNs;
    if (sorted.empty()) return 0;
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::clamp(share, 0.0, 1.0) * static_cast<double>(sorted.size());
    const size_t index = std::min(sorted.size() - 1, static_cast<size_t>(std::max(rank - 1.0, 0.0)));
    return sorted[index];
}

} // namespace zarle::selfplay
