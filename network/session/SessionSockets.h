#pragma once
// The connections of a network game: element 0 listens on the host or talks to the host on a
// remote; a host's joiners get elements 1..4. What arrives waits in arrival order; every element
// cuts its stream into lines with its own framer as they are handed on, one by one, also when a
// handler runs events and more data arrives meanwhile.
//
// Lines are handed on for a slice of time; then the event loop runs before the rest follow, so that
// no flood holds the window up.
//
// While the session waits for an answer, lines are held and the wait takes them one per pass, so
// that it sees what each message did before the next one changes it (an "OK" followed at once by
// a "DK" must not hide the "OK"). Once this thread's event loop goes idle outside a wait, the held
// lines flow on their own again.
//
// The connections themselves are links: Winsock elements in the program (WinsockLinks); a test
// or fuzzer may stand in for them and hand bytes to Received as if they had arrived.

#include "network/protocol/LineFramer.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zarle {

class SessionSockets;

inline constexpr int MaxSockets = 5; // elements 0..4

struct SocketEvents {
    std::function<void(int index, const std::string& line)> Line;
    // The peer closed or the connection broke.
    std::function<void(int index)> Lost;
    // A line grew past the limit: the connection has been closed.
    std::function<void(int index)> TooLong;
    // A joiner knocks at the listening element (host).
    std::function<void(qintptr request)> Request;
    std::function<void(int index, int number, const std::string& description)> Error;
    std::function<void(int index)> Connected;
};

// The connections under the sockets, elements 0..MaxSockets-1, in Winsock's states and error
// numbers. A link reports what happens on an element to the sockets that own it.
class SocketLinks {
  public:
    virtual ~SocketLinks() = default;
    virtual int Listen(int port) = 0;
    virtual int Connect(const std::string& host, int port) = 0;
    virtual int Accept(int index, qintptr request) = 0;
    virtual int State(int index) const = 0;
    virtual int ListeningPort() const = 0;
    virtual void Send(int index, std::string_view bytes) = 0;
    virtual void Close(int index) = 0;

  protected:
    SessionSockets& Sockets() { return *sockets_; }

  private:
    friend class SessionSockets;
    SessionSockets* sockets_ = nullptr;
};

class SessionSockets : public QObject {
  public:
    // Without links the elements are Winsocks.
    explicit SessionSockets(SocketEvents events, std::unique_ptr<SocketLinks> links = nullptr);
    ~SessionSockets() override;

    // 0, or the socket error number.
    int Listen(int port);
    int Connect(const std::string& host, int port);
    // Takes a joiner's request on element index (1..4).
    int Accept(int index, qintptr request);
    // 0 closed, 7 connected, 8 the peer has closed...
    int State(int index) const;
    int ListeningPort() const;
    // Text in this program's UTF-8; what arrives is handed on in it too.
    void Send(int index, const std::string& text);
    void Close(int index);
    void CloseAll();
    // Bytes received but not yet handed on.
    bool LinesWaiting() const { return !arrivals_.empty(); }
    // A wait begins a pass: lines are held until the wait takes them.
    void HoldLines() { holding_ = true; }
    // Hands on the oldest line that has come whole; false when none has.
    bool TakeOneLine();
    // The wait's own sleep for events: the loop going idle there does not release the lines.
    void SleepInWait(bool sleeping) { sleepDepth_ += sleeping ? 1 : -1; }
    // How long lines are handed on before the event loop runs again.
    void SetSliceMs(int milliseconds) { sliceMs_ = milliseconds; }
    // A wait has handed on lines for a whole slice since the event loop last ran.
    bool SliceSpent();
    void EventsRan() { sinceEvents_.start(); }

    // What the links report. Bytes that arrived on an element wait to be cut into lines.
    void Received(int index, std::string_view bytes);
    void PeerClosed(int index);
    void Requested(qintptr request);
    void ConnectedOn(int index);
    void Failed(int index, int number, const std::string& description);

  private:
    void Pump();
    void PumpLater();
    void Idle();

    SocketEvents events_;
    std::unique_ptr<SocketLinks> links_;
    struct Arrival {
        int Index = 0;
        std::string Bytes;
        size_t Taken = 0; // bytes of it already cut into lines
    };
    std::array<LineFramer, MaxSockets> framers_;
    std::deque<Arrival> arrivals_;
    bool holding_ = false;
    int sleepDepth_ = 0;
    int sliceMs_ = 20;
    QElapsedTimer sinceEvents_;
};

} // namespace zarle
