// Timings of the real board window on a virtual screen:
//   - a full Redraw of a dealt four-player board, put on the widgets, and then painted;
//   - the time on screen, with the game's own waits, of one card flight at speeds 2, 45 and 250,
//     of the first deal of the hands for two and four players, and of a computer turn;
//   - the time the board takes to answer the Deal button and a double-click on a card, the first
//     time in a run of the program and later, on a fresh and on a used program folder.
// Run: QT_QPA_PLATFORM=offscreen ./board_bench [runs of the program (default 5)]   (or under
// xvfb-run; a sound server makes the first answers include opening the sound device)

#include "bench/board/FirstAnswers.h"
#include "board/GameWindow.h"

#include <QApplication>
#include <QStringList>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace zarle;

class SilentSound : public SoundPort {
  public:
    void PlayResource(int, SoundPlay) override {}
    void PlayFile(std::string_view, SoundPlay) override {}
    void PlayCardSound(int) override {}
};

// Runs the window's pending events (the paints) at every wait instead of waiting.
class PaintingWaiter : public WaitPort {
  public:
    void Wait(float) override { QCoreApplication::processEvents(); }
    void DoEvents() override { QCoreApplication::processEvents(); }
};

class OkBox : public MessageBoxPort {
  public:
    int MsgBox(std::string_view, int, std::string_view) override { return AnswerOk; }
};

constexpr int16_t UsualSpeed = 45; // a new profile's flight speed

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Max(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// The piles of a dealt game: what Redraw reads.
struct Piles {
    SlotRow human;
    SlotRow seats[3];
    std::array<int16_t, MaxCenters + 1> centerCount;
    CenterTable centers;
};

Piles TakePiles(const GameState& g) {
    return Piles{
        g.PlayerCards, {g.SeatRec1.Slots, g.SeatRec2.Slots, g.SeatRec3.Slots}, g.CenterCount, g.CenterCards};
}

void PutPiles(GameState& g, const Piles& p) {
    g.PlayerCards = p.human;
    g.SeatRec1.Slots = p.seats[0];
    g.SeatRec2.Slots = p.seats[1];
    g.SeatRec3.Slots = p.seats[2];
    g.CenterCount = p.centerCount;
    g.CenterCards = p.centers;
}

// Two different dealt positions, each with a few cards on the centers, so that every Redraw
// changes most piles.
std::array<Piles, 2> TwoPositions(GameWindow& w) {
    std::array<Piles, 2> out;
    for (Piles& p : out) {
        w.Deal();
        GameState& g = w.Game();
        for (int c = 1; c <= 4; ++c) {
            g.CenterCount[c] = static_cast<int16_t>(c);
            for (int k = 1; k <= c; ++k) g.CenterCards[c][k] = CardOfId(13 * (c - 1) + k);
        }
        p = TakePiles(g);
    }
    return out;
}

void BenchRedraw(GameWindow& w) {
    const auto positions = TwoPositions(w);
    QWidget& window = w.Window();
    std::vector<double> apply, paint;
    QElapsedTimer clock;
    for (int i = 0; i < 400; ++i) {
        PutPiles(w.Game(), positions[i % 2]);
        clock.start();
        w.Board().Redraw();
        apply.push_back(clock.nsecsElapsed() / 1e6);
        window.repaint();
        paint.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("Redraw of a dealt 4-player board, put on the widgets: median %.3f ms, max %.3f ms\n",
                Median(apply), Max(apply));
    std::printf("  ... and the whole window painted:                   median %.3f ms, max %.3f ms\n",
                Median(paint), Max(paint));
}

// Seconds on screen of `runs` runs of `run`, the board's events running and its waits real.
template <typename Run> double MedianSeconds(int runs, Run run) {
    std::vector<double> seconds;
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        clock.start();
        run();
        seconds.push_back(clock.nsecsElapsed() / 1e9);
    }
    return Median(seconds);
}

void BenchFlights(GameWindow& w) {
    for (const int speed : {2, 45, 250}) {
        w.Profile().AnimSpeed = static_cast<int16_t>(speed);
        const double seconds = MedianSeconds(7, [&] {
            w.Board().ShowCard(Pics::Picture7, 3, 1, 0); // a flight leaves its pile hidden
            w.Board().AnimateCard(Pics::Picture7, 3, Pics::PicCenter, 2);
        });
        std::printf("Flight of a hand card to a center at speed %3d: median %.3f s on screen\n", speed,
                    seconds);
    }
}

// A new board for `players` with the side piles dealt, ready for the hands.
void SetUpDeal(GameWindow& w, int players) {
    GameState& g = w.Game();
    g.NumPlayers = static_cast<int16_t>(players);
    g.NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
    g.DeckSize = static_cast<int16_t>(players * PackSize);
    w.LayOut(BoardScreen{15360, 11520, false});
    w.TheEngine().ClearBoard();
    w.TheEngine().SetUp();
}

void BenchFirstDeals(GameWindow& w) {
    w.Profile().AnimSpeed = UsualSpeed;
    for (const int players : {2, 4}) {
        std::vector<double> seconds;
        QElapsedTimer clock;
        for (int i = 0; i < 3; ++i) {
            SetUpDeal(w, players);
            clock.start();
            w.TheEngine().Deal_All();
            seconds.push_back(clock.nsecsElapsed() / 1e9);
        }
        std::printf("First deal of the hands, %d players, speed %d: median %.2f s on screen\n", players,
                    UsualSpeed, Median(seconds));
    }
}

// Counts the flights of a computer turn on the side.
class FlightCount : public WaitPort {
  public:
    explicit FlightCount(WaitPort& real) : real_(real) {}
    int Settles = 0;
    void Wait(float seconds) override {
        if (seconds == 0.001f) ++Settles; // each flight ends with this wait
        real_.Wait(seconds);
    }
    void DoEvents() override { real_.DoEvents(); }

  private:
    WaitPort& real_;
};

void BenchComputerTurn(GameWindow& w, const FlightCount& flights) {
    GameState& g = w.Game();
    w.Profile().AnimSpeed = UsualSpeed;
    std::vector<double> seconds;
    std::vector<double> moves;
    QElapsedTimer clock;
    for (int i = 0; i < 5; ++i) {
        SetUpDeal(w, 2);
        w.TheEngine().Deal_All();
        // A hand that runs from the Ace: the seat has plays to make.
        for (int slot = 2; slot <= 6; ++slot) g.SeatRec1.Slots[slot] = CardOfId(13 * (i % 4) + slot - 1);
        g.PTurn = 2;
        w.Opponents().SwapOpponentData(g.Seat(2), false);
        const int before = flights.Settles;
        clock.start();
        w.Opponents().ComputerTurn();
        seconds.push_back(clock.nsecsElapsed() / 1e9);
        moves.push_back(flights.Settles - before);
    }
    std::printf("A computer turn from a hand of Ace to Five, speed %d, move delay %.2f s: median %.2f s on "
                "screen, median %.0f flights\n",
                UsualSpeed, g.MoveDelay, Median(seconds), Median(moves));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args[1] == "--first-answers") return zarle::bench::RunFirstAnswers(args[2]);
    QTemporaryDir folder;
    GameState game;
    ProfileState profile;
    game.AppPath = folder.path().toStdString();
    game.NumPlayers = 4;
    game.NumCenters = 4;
    game.DeckSize = 4 * PackSize;
    SilentSound sound;
    PaintingWaiter waiter;
    OkBox box;
    {
        GameWindow window(game, profile, GameWindowServices{&sound, &waiter, &box});
        window.LayOut(BoardScreen{15360, 11520, false});
        window.Window().show();
        QCoreApplication::processEvents();
        BenchRedraw(window);
    }

    BoardWaiter realWaits(game);
    FlightCount counted(realWaits);
    GameWindow window(game, profile, GameWindowServices{&sound, &counted, &box});
    window.LayOut(BoardScreen{15360, 11520, false});
    window.Window().show();
    window.Deal();
    QCoreApplication::processEvents();
    BenchFlights(window);
    BenchFirstDeals(window);
    BenchComputerTurn(window, counted);
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 5;
    return zarle::bench::BenchFirstAnswers(app.applicationFilePath(), ZARLE_GAME_DIR, runs);
}
