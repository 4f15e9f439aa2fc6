#include "tests/support/netplay/NetSide.h"

#include "network/scores/NetScoreFiles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace zarle::testing {

NetSide::NetSide(const std::string& name, int players)
    : Session(SessionPorts{State, Profile, Board, Box, Sound, Waiter, Chat, GamePort}),
      Opponents(State, Game,
                OpponentsPorts{Board, Sound, Waiter, Random, Persistence, Net, Window, Timer, &Session}),
      Game(State, EnginePorts{Board, Sound, Waiter, Box, Random, Opponents, Persistence, Net}),
      GamePort(Game, Opponents, [this] {
          BoardHooks hooks;
          hooks.Beep = [this] { Log.Add("Beep"); };
          return hooks;
      }()) {
    State.PlayerName = name;
    State.NumPlayers = static_cast<int16_t>(players);
    State.NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
    State.DeckSize = static_cast<int16_t>(PackSize * players);
    State.SideSizeM1 = 19;
    State.MoveDelay = 0.5f;
}

void ScoredNet::Scores_Net(std::string_view winnerName) {
    // Without a program folder there is no score file to write.
    if (!state_.AppPath.empty()) zarle::Scores_Net(state_, box_, winnerName, "");
}

std::vector<std::string> NetSide::Boxes() const {
    std::vector<std::string> boxes;
    for (const auto& line : Log.Lines())
        if (line.starts_with("MsgBox")) boxes.push_back(line);
    return boxes;
}

bool RunUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return false;
        // Sleeps as the program's idle loop does; the timer wakes it to look at the clock.
        QTimer wake;
        wake.start(20);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void Settle() {
    RunUntil([] { return false; }, 100);
}

void ScriptedPeer::ConnectTo(int port) {
    own_ = std::make_unique<QTcpSocket>();
    Adopt(own_.get());
    own_->connectToHost("127.0.0.1", static_cast<quint16>(port));
}

int ScriptedPeer::Listen() {
    server_ = std::make_unique<QTcpServer>();
    server_->listen(QHostAddress::LocalHost, 0);
    QObject::connect(server_.get(), &QTcpServer::newConnection, server_.get(), [this] {
        if (QTcpSocket* s = server_->nextPendingConnection()) Adopt(s);
    });
    return server_->serverPort();
}

void ScriptedPeer::Adopt(QTcpSocket* socket) {
    socket_ = socket;
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        partial_ += socket->readAll().toStdString();
        for (size_t lf; (lf = partial_.find('\n')) != std::string::npos;) {
            const std::string line = partial_.substr(0, lf);
            partial_.erase(0, lf + 1);
            Lines.push_back(line);
            if (OnLine) OnLine(line);
        }
    });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [this] { closed_ = true; });
}

void ScriptedPeer::Send(const std::string& bytes) {
    if (!socket_) return;
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
}

void ScriptedPeer::Close() {
    if (socket_) socket_->disconnectFromHost();
}

bool ScriptedPeer::Connected() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

bool ScriptedPeer::Closed() const {
    return closed_;
}

ScriptedJoiner::ScriptedJoiner(const std::string& name, int port, bool helloTwice) {
    Peer.OnLine = [this, name, helloTwice](const std::string& line) {
        if (line.starts_with("IP")) Peer.Send(helloTwice ? "IP ^ 8. 2. 0\nIP ^ 8. 2. 0\n" : "IP ^ 8. 2. 0\n");
        if (line.starts_with("NM")) Peer.Send("NM " + name + "\n");
        if (line.starts_with("LO")) Peer.Send("LO\n");
    };
    Peer.ConnectTo(port);
}

bool ScriptedJoiner::Seated() const {
    return std::ranges::any_of(Peer.Lines, [](const std::string& line) { return line.starts_with("LO"); });
}

bool ScriptedJoiner::Refused() const {
    return std::ranges::any_of(Peer.Lines, [](const std::string& line) {
        return line.find("Sorry I'm busy!") != std::string::npos;
    });
}

} // namespace zarle::testing
