// chatflood [--lines N]: a host with its chat window open takes N chat lines (100000 by default,
// some 2.3 MB) from one joiner over loopback in one go, then one protocol line. It prints the
// longest pause of the host's event loop while the flood was handled, the time it took and how many
// lines the chat showed. The window stays responsive when no pause comes near 100 ms.

#include "network/windows/BoardChatView.h"
#include "tests/support/engine/FakeBoard.h"
#include "network/windows/InternetWindows.h"
#include "tests/support/netplay/NetSide.h"
#include "network/windows/SessionChatLink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

using namespace zarle;
using namespace zarle::testing;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int lines = 100000;
    for (int i = 1; i + 1 < argc; i += 2)
        if (std::strcmp(argv[i], "--lines") == 0) lines = std::atoi(argv[i + 1]);

    NetSide host("Hal", 2);
    SessionChatLink link(host.State, host.Session);
    ChatLog log;
    BoardChatView view(host.Board, {});
    QWidget board;
    InternetWindows windows(ChatServices{host.State, link, log, view, host.Sound, host.Waiter, host.Box},
                            host.Profile, &board, {});
    host.Session.SetChat(windows.Chat());
    if (!host.Session.BeginHost(0)) return 1;
    windows.ShowChat();
    // The joiner runs in a thread of its own, as another program would: its writing is not the
    // host's work.
    std::string flood;
    for (int i = 1; i <= lines; ++i) flood += "SY " + std::to_string(i % 30000) + "#Ann: hello there\n";
    flood += "GS\n";
    std::atomic<bool> seated{false}, go{false};
    QThread* joiner = QThread::create([&] {
        ScriptedJoiner ann("Ann", host.Session.ListeningPort());
        RunUntil([&] { return ann.Seated(); }, 10000);
        seated = true;
        while (!go) QThread::msleep(1);
        ann.Peer.Send(flood);
        RunUntil([&] { return ann.Peer.Closed(); }, 600000);
    });
    joiner->start();
    if (!RunUntil([&] { return seated && host.State.AckCount == 2; }, 10000)) {
        std::fprintf(stderr, "the joiner was not seated\n");
        return 1;
    }
    const auto handled = [&] { return host.State.LastCmd[1] == NetNewGame; };
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start(5);
    clock.start();
    go = true;
    if (!RunUntil(handled, 600000)) {
        std::fprintf(stderr, "the flood was not handled\n");
        return 1;
    }
    const qint64 took = clock.elapsed();
    const auto shown = std::ranges::count(log.Text(), '\n');
    host.Session.NetCleanUp();
    joiner->wait();
    delete joiner;
    std::printf(
        "%d chat lines (%.1f MB) from one joiner: handled in %.2f s, longest pause %lld ms, %lld lines "
        "shown\n",
        lines, static_cast<double>(flood.size()) / 1e6, static_cast<double>(took) / 1000.0,
        static_cast<long long>(longest), static_cast<long long>(shown));
    return 0;
}
