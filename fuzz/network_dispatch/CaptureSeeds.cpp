// Writes the seeds of the dispatcher's fuzzer: a host and its remotes, each in a thread of its
// own on stand-in links that carry every send to the peer, play whole games (with one transfer
// of the whole game); what the host and the first remote received is saved in the fuzzer's input
// form. Usage: network_dispatch_capture <seed folder>

#include "fuzz/network_dispatch/DispatchSide.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using zarle::fuzzing::DispatchSide;
using Clock = std::chrono::steady_clock;

// One side in its thread; its receiver object lives there, so that a peer's bytes come in through
// this side's own event loop.
struct Player {
    std::unique_ptr<DispatchSide> Side;
    std::unique_ptr<QObject> Receiver;
    std::string Received; // the fuzzer's input: setup byte, then chunks
    std::atomic<bool> Ready{false};
};

void Record(Player& p, char control, std::string_view text) {
    p.Received += '\0';
    p.Received += control;
    p.Received += text;
}

void Post(Player& to, std::function<void()> step) {
    QMetaObject::invokeMethod(to.Receiver.get(), std::move(step), Qt::QueuedConnection);
}

bool Capture(int players, const std::string& folder) {
    std::vector<std::unique_ptr<Player>> all;
    for (int i = 0; i < players; ++i) all.push_back(std::make_unique<Player>());
    std::atomic<bool> stop{false};
    std::atomic<int> finished{0};
    std::atomic<int> quiet{0};
    const auto started = Clock::now();
    std::vector<QThread*> threads;
    for (int i = 0; i < players; ++i) {
        threads.push_back(QThread::create([&, i] {
            Player& me = *all[static_cast<size_t>(i)];
            const bool host = i == 0;
            me.Side = std::make_unique<DispatchSide>(host, players, 1);
            me.Receiver = std::make_unique<QObject>();
            me.Received = std::string(1, host ? static_cast<char>((players - 2) << 1) : '\1');
            DispatchSide& side = *me.Side;
            side.Links->OnSend = [&, host](int index, std::string_view bytes) {
                const std::string text(bytes);
                Player& to = *all[static_cast<size_t>(host ? side.Links->RequestOf(index) : 0)];
                const int from = host ? 0 : i;
                Post(to, [&to, text, from] {
                    const int element = from == 0 ? 0 : [&] {
                        for (int e = 1; e < zarle::MaxSockets; ++e)
                            if (to.Side->Links->RequestOf(e) == from) return e;
                        return 0;
                    }();
                    Record(to, static_cast<char>('@' + (element == 0 ? 0 : element - 1)), text);
                    to.Side->Links->Arrive(element, text);
                });
            };
            if (!host)
                while (!all[0]->Ready && !stop) QThread::msleep(1);
            side.Begin();
            me.Ready = true;
            if (!host) {
                Player& hostPlayer = *all[0];
                Post(hostPlayer, [&hostPlayer, i] {
                    Record(hostPlayer, 'P', "");
                    hostPlayer.Side->Links->Knock(i);
                });
            }
            QTimer watchdog;
            QObject::connect(&watchdog, &QTimer::timeout, [&] {
                if (stop || Clock::now() - started > std::chrono::seconds(30)) side.State.StopWait = true;
            });
            watchdog.start(20);
            int steps = 0;
            bool transferred = false;
            while (!stop && side.State.NetMode != 0 && !side.State.StopWait) {
                if (host && side.Finished()) break;
                if (host && !transferred && steps > 40 && side.State.PTurn == 1 && !side.State.GameBusy) {
                    transferred = true;
                    Record(me, 'X', "");
                    side.Session.SendRecover();
                    continue;
                }
                if (side.Step()) {
                    ++steps;
                    continue;
                }
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            }
            if (host) side.Session.Leave();
            stop = true;
            // Every side hears the last lines, then none sends any more, then they go.
            const auto barrier = [players](std::atomic<int>& count) {
                ++count;
                while (count < players) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            };
            barrier(finished);
            side.Links->OnSend = nullptr;
            barrier(quiet);
            me.Receiver.reset();
            me.Side.reset();
        }));
        threads.back()->start();
    }
    for (QThread* t : threads) {
        t->wait();
        delete t;
    }
    const std::string count = std::to_string(players) + "p";
    for (auto [who, index] : {std::pair{"host_", 0}, std::pair{"remote_", 1}}) {
        std::ofstream(folder + "/" + who + count, std::ios::binary)
            << all[static_cast<size_t>(index)]->Received;
        std::printf("%s%s: %zu bytes\n", who, count.c_str(),
                    all[static_cast<size_t>(index)]->Received.size());
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: network_dispatch_capture <seed folder>\n");
        return 2;
    }
    for (int players = 2; players <= 4; ++players) Capture(players, argv[1]);
    return 0;
}
