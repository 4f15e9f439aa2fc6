// Timings of the real board window, offscreen:
//   - a full Redraw of a dealt four-player board, put on the widgets, and then painted;
//   - a card flight: each step's move, apply and paint.
// Run: QT_QPA_PLATFORM=offscreen ./board_bench

#include "GameWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
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
    std::function<void(float)> OnWait;
    void Wait(float seconds) override {
        QCoreApplication::processEvents();
        if (OnWait) OnWait(seconds);
    }
    void DoEvents() override { QCoreApplication::processEvents(); }
};

class OkBox : public MessageBoxPort {
  public:
    int MsgBox(std::string_view, int, std::string_view) override { return AnswerOk; }
};

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

void BenchFlight(GameWindow& w, PaintingWaiter& waiter, int animSpeed, Pics src, int srcIndex, Pics dst,
                 int dstIndex, const char* what) {
    w.Game().AnimSpeed = static_cast<int16_t>(animSpeed);
    w.Board().ShowCard(src, srcIndex, 1, 0); // a flight leaves its pile hidden: show a card on it again
    QCoreApplication::processEvents();
    std::vector<double> steps;
    QElapsedTimer clock;
    clock.start();
    waiter.OnWait = [&](float seconds) {
        if (seconds == FlightStepSeconds) steps.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
    };
    w.Board().AnimateCard(src, srcIndex, dst, dstIndex);
    waiter.OnWait = nullptr;
    std::printf("Flight %s at speed %d: %zu steps, each moved, applied and painted in median %.3f ms, "
                "max %.3f ms\n  steps (ms):",
                what, animSpeed, steps.size(), Median(steps), Max(steps));
    for (const double s : steps) std::printf(" %.2f", s);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    GameState game;
    game.AppPath = folder.path().toStdString();
    game.NumPlayers = 4;
    game.NumCenters = 4;
    game.DeckSize = 4 * PackSize;
    SilentSound sound;
    PaintingWaiter waiter;
    OkBox box;
    GameWindow window(game, GameWindowServices{&sound, &waiter, &box});
    window.LayOut(BoardScreen{15360, 11520, false});
    window.Window().show();
    QCoreApplication::processEvents();

    BenchRedraw(window);
    window.Deal();
    QCoreApplication::processEvents();
    BenchFlight(window, waiter, 10, Pics::Picture7, 3, Pics::PicCenter, 2, "hand card to a center");
    BenchFlight(window, waiter, 45, Pics::Picture7, 3, Pics::PicCenter, 2, "hand card to a center");
    BenchFlight(window, waiter, 45, Pics::Picture3, 1, Pics::PicCenter, 4,
                "seat 4's side card across the board");
    return 0;
}
