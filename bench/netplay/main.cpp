// netplay --players P --games N [--seed S]: plays N network games over loopback with a host and
// P - 1 remotes, checks that every side's board equals the host's after every move, and prints
// games per second and the median and worst time from a move sent to it applied on every side.

#include "tests/support/netplay/NetPlayHarness.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zarle::testing::NetPlayOptions o;
    o.Games = 10;
    o.CheckCards = false;
    o.TimeLimitSeconds = 3600;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--players") == 0)
            o.Players = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--games") == 0)
            o.Games = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            o.Seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
    }
    if (o.Players < 2 || o.Players > 4 || o.Games < 1) {
        std::fprintf(stderr, "usage: netplay --players 2..4 --games N [--seed S]\n");
        return 2;
    }
    zarle::testing::NetPlayReport r = zarle::testing::PlayNetGames(o);
    if (!r.Problem.empty()) {
        std::fprintf(stderr, "FAILED: %s\n", r.Problem.c_str());
        return 1;
    }
    auto& l = r.MoveLatencies;
    std::sort(l.begin(), l.end());
    const double median = l.empty() ? 0 : l[l.size() / 2];
    const double worst = l.empty() ? 0 : l.back();
    std::printf("players %d, games %d, moves %d, reshuffles %d: all boards identical\n", o.Players,
                r.GamesFinished, r.Moves, r.Reshuffles);
    std::printf("%.2f games/s, move sent to applied on every side: median %.3f ms, worst %.3f ms\n",
                r.GamesFinished / r.Seconds, median, worst);
    return 0;
}
