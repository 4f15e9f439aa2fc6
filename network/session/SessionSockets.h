#pragma once
// The connections of a network game: element 0 listens on the host or talks to the host on a
// remote; a host's joiners get elements 1..4. Every element cuts its stream into lines with its
// own framer; the lines of all elements wait in arrival order and are handed on one by one, also
// when a handler runs events and more data arrives meanwhile.
//
// While the session waits for an answer, lines are held and the wait takes them one per pass, so
// that it sees what each message did before the next one changes it (an "OK" followed at once by
// a "DK" must not hide the "OK"). Once this thread's event loop goes idle outside a wait, the held
// lines flow on their own again.

#include "LineFramer.h"

#include <QObject>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace zarle {

class Winsock;

inline constexpr int MaxSockets = 5; // elements 0..4

struct SocketEvents {
    std::function<void(int index, const std::string& line)> Line;
    // The peer closed, the connection broke, or a line grew past the limit.
    std::function<void(int index)> Lost;
    // A joiner knocks at the listening element (host).
    std::function<void(qintptr request)> Request;
    std::function<void(int index, int number, const std::string& description)> Error;
    std::function<void(int index)> Connected;
};

class SessionSockets : public QObject {
  public:
    explicit SessionSockets(SocketEvents events);
    ~SessionSockets() override;

    // 0, or the socket error number.
    int Listen(int port);
    int Connect(const std::string& host, int port);
    // Takes a joiner's request on element index (1..4).
    int Accept(int index, qintptr request);
    // 0 closed, 7 connected, 8 the peer has closed...
    int State(int index) const;
    int ListeningPort() const;
    void Send(int index, const std::string& bytes);
    void Close(int index);
    void CloseAll();
    // Lines received but not yet handed on.
    bool LinesWaiting() const { return !queue_.empty(); }
    // A wait begins a pass: lines are held until the wait takes them.
    void HoldLines() { holding_ = true; }
    // Hands on the oldest held line; false when none waits.
    bool TakeOneLine();
    // The wait's own sleep for events: the loop going idle there does not release the lines.
    void SleepInWait(bool sleeping) { sleepDepth_ += sleeping ? 1 : -1; }

  private:
    Winsock& Element(int index);
    void Arrived(int index);
    void Pump();
    void Idle();

    SocketEvents events_;
    std::array<std::unique_ptr<Winsock>, MaxSockets> elements_;
    std::array<LineFramer, MaxSockets> framers_;
    std::deque<std::pair<int, std::string>> queue_;
    bool holding_ = false;
    int sleepDepth_ = 0;
};

} // namespace zarle
