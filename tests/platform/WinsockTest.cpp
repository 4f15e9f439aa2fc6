#include "platform/net/Winsock.h"
#include "platform/controls/ControlArray.h"
#include "platform/wait/Wait.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zarle;

namespace {

constexpr int PatienceMs = 5000;

// A host: element 0 listens, each joiner is accepted on the next element.
class Host {
  public:
    Host() : sockets_(QStringLiteral("Winsock1"), nullptr) {
        Winsock& listener = sockets_.Load(0);
        QObject::connect(&listener, &Winsock::ConnectionRequest, [this](qintptr request) {
            if (!accept) return;
            Winsock& joiner = sockets_.Load(sockets_.UBound() + 1);
            acceptResult = joiner.Accept(request);
        });
    }
    Winsock& operator[](int index) { return sockets_[index]; }
    bool Has(int index) const { return sockets_.Has(index); }

    bool accept = true;
    int acceptResult = -1;

  private:
    ControlArray<Winsock> sockets_;
};

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::AnyIPv4);
    return probe.serverPort();
}

} // namespace

TEST(Winsock, ListenAcceptTalkBothWaysAndClose) {
    Host host;
    ASSERT_EQ(host[0].Listen(), 0);
    EXPECT_EQ(host[0].State(), Winsock::StateListening);
    const int port = host[0].LocalPort();
    ASSERT_GT(port, 0);

    Winsock remote;
    QSignalSpy connected(&remote, &Winsock::Connected);
    remote.SetRemoteHost(QStringLiteral("127.0.0.1"));
    remote.SetRemotePort(port);
    ASSERT_EQ(remote.Connect(), 0);
    EXPECT_EQ(remote.State(), Winsock::StateConnecting);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.Has(1) && connected.size() == 1; }, PatienceMs));
    EXPECT_EQ(host.acceptResult, 0);
    EXPECT_EQ(host[1].State(), Winsock::StateConnected);
    EXPECT_EQ(remote.State(), Winsock::StateConnected);
    EXPECT_EQ(host[1].RemoteHostIP(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(host[0].State(), Winsock::StateListening) << "the listener keeps listening";

    QSignalSpy atHost(&host[1], &Winsock::DataArrival);
    ASSERT_EQ(remote.SendData(QByteArray("IP 82 Bob\n")), 0);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !atHost.isEmpty() && host[1].BytesReceived() == 10; }, PatienceMs));
    EXPECT_EQ(atHost.last()[0].toLongLong(), 10);
    EXPECT_EQ(host[1].GetData(3), QByteArray("IP "));
    EXPECT_EQ(host[1].GetData(), QByteArray("82 Bob\n"));
    EXPECT_EQ(host[1].BytesReceived(), 0);

    ASSERT_EQ(host[1].SendData(QByteArray("OK\n")), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote.BytesReceived() == 3; }, PatienceMs));
    EXPECT_EQ(remote.GetData(), QByteArray("OK\n"));

    QSignalSpy hostSaw(&host[1], &Winsock::Closed);
    remote.Close();
    EXPECT_EQ(remote.State(), Winsock::StateClosed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostSaw.size() == 1; }, PatienceMs));
    EXPECT_EQ(host[1].State(), Winsock::StateClosing);
    host[1].Close();
    EXPECT_EQ(host[1].State(), Winsock::StateClosed);
}

TEST(Winsock, DataSentJustBeforeCloseStillArrives) {
    Host host;
    ASSERT_EQ(host[0].Listen(), 0);
    Winsock remote;
    ASSERT_EQ(remote.Connect(QStringLiteral("127.0.0.1"), host[0].LocalPort()), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote.State() == Winsock::StateConnected && host.Has(1); },
                                PatienceMs));
    remote.SendData(QByteArray("SY Opponent shut down game!\nGO\n"));
    remote.Close();
    QByteArray got;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            got += host[1].GetData();
            return got.endsWith("GO\n");
        },
        PatienceMs));
    EXPECT_EQ(got, QByteArray("SY Opponent shut down game!\nGO\n"));
}

TEST(Winsock, AHandlerThatWaitsHearsTheNextArrivalOnItsOwnSocket) {
    Host host;
    ASSERT_EQ(host[0].Listen(), 0);
    Winsock remote;
    remote.Connect(QStringLiteral("127.0.0.1"), host[0].LocalPort());
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote.State() == Winsock::StateConnected && host.Has(1); },
                                PatienceMs));

    QList<QByteArray> lines;
    bool replyArrived = false;
    int depth = 0;
    QObject::connect(&host[1], &Winsock::DataArrival, [&] {
        ++depth;
        const QByteArray line = host[1].GetData();
        lines << line;
        if (line.startsWith("RC")) {
            // Waits for the reply the way a sender waits for its acknowledgement.
            remote.SendData(QByteArray("OK\n"));
            bool done = false;
            const bool noDoEvents = false;
            QTimer::singleShot(PatienceMs, [&] { done = true; });
            Wait(PatienceMs / 1000.0, {[&] { return done || replyArrived; }, [&] { return noDoEvents; }});
        } else {
            replyArrived = depth == 2;
        }
        --depth;
    });
    remote.SendData(QByteArray("RC 1#2#3\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines.size() == 2; }, PatienceMs));
    EXPECT_TRUE(replyArrived) << "the reply came in while the first handler was still waiting";
    EXPECT_EQ(lines, (QList<QByteArray>{"RC 1#2#3\n", "OK\n"}));
}

TEST(Winsock, FailuresGiveTheClassicNumbers) {
    Winsock refused;
    QSignalSpy errors(&refused, &Winsock::Error);
    ASSERT_EQ(refused.Connect(QStringLiteral("127.0.0.1"), FreePort()), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return errors.size() == 1; }, PatienceMs));
    EXPECT_EQ(errors[0][0].toInt(), Winsock::ErrConnectionRefused);
    EXPECT_EQ(refused.State(), Winsock::StateError);

    Winsock first, second;
    first.SetLocalPort(FreePort());
    ASSERT_EQ(first.Listen(), 0);
    second.SetLocalPort(first.LocalPort());
    EXPECT_EQ(second.Listen(), Winsock::ErrAddressInUse);
    EXPECT_EQ(second.State(), Winsock::StateClosed);

    Winsock idle;
    EXPECT_EQ(idle.SendData(QByteArray("GO\n")), Winsock::ErrWrongState);
    EXPECT_EQ(idle.Accept(12345), Winsock::ErrInvalidArgument)
        << "only a connection on offer can be accepted";
    EXPECT_EQ(idle.Connect(QString(), 1001), Winsock::ErrAddressNotAvailable);
    EXPECT_EQ(first.Connect(QStringLiteral("127.0.0.1"), 1001), Winsock::ErrInvalidOperation);
    EXPECT_TRUE(idle.GetData().isEmpty());
}

TEST(Winsock, AConnectionNobodyAcceptsIsTurnedAway) {
    Host host;
    host.accept = false;
    ASSERT_EQ(host[0].Listen(), 0);
    Winsock remote;
    QSignalSpy closed(&remote, &Winsock::Closed);
    remote.Connect(QStringLiteral("127.0.0.1"), host[0].LocalPort());
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed.size() == 1 || remote.State() == Winsock::StateError; },
                                PatienceMs));
    EXPECT_FALSE(host.Has(1));
}
