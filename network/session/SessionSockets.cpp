#include "network/session/SessionSockets.h"

#include "network/session/WinsockLinks.h"

#include "base/text/VbText.h"

#include <QAbstractEventDispatcher>

namespace zarle {

SessionSockets::SessionSockets(SocketEvents events, std::unique_ptr<SocketLinks> links)
    : events_(std::move(events)), links_(links ? std::move(links) : std::make_unique<WinsockLinks>()) {
    links_->sockets_ = this;
    if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance())
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &SessionSockets::Idle);
}

SessionSockets::~SessionSockets() {
    // The owner is going too: the closes must not call back into it.
    events_ = {};
    CloseAll();
}

int SessionSockets::Listen(int port) {
    return links_->Listen(port);
}

int SessionSockets::Connect(const std::string& host, int port) {
    return links_->Connect(host, port);
}

int SessionSockets::Accept(int index, qintptr request) {
    framers_[index].Clear();
    return links_->Accept(index, request);
}

int SessionSockets::State(int index) const {
    if (index < 0 || index >= MaxSockets) return 0; // closed
    return links_->State(index);
}

int SessionSockets::ListeningPort() const {
    return links_->ListeningPort();
}

// The wire carries single-byte text (Latin-1) both ways; a character outside it goes out as "?".
void SessionSockets::Send(int index, const std::string& text) {
    if (index < 0 || index >= MaxSockets) return;
    links_->Send(index, Utf8ToLatin1(text));
}

void SessionSockets::Close(int index) {
    if (index < 0 || index >= MaxSockets) return;
    links_->Close(index);
    framers_[index].Clear();
    std::erase_if(arrivals_, [index](const Arrival& a) { return a.Index == index; });
}

void SessionSockets::CloseAll() {
    for (int i = 0; i < MaxSockets; ++i) Close(i);
}

void SessionSockets::Received(int index, std::string_view bytes) {
    arrivals_.push_back(Arrival{index, std::string(bytes), 0});
    if (!holding_) Pump();
}

void SessionSockets::PeerClosed(int index) {
    framers_[index].Clear();
    if (events_.Lost) events_.Lost(index);
}

void SessionSockets::Requested(qintptr request) {
    if (events_.Request) events_.Request(request);
}

void SessionSockets::ConnectedOn(int index) {
    if (events_.Connected) events_.Connected(index);
}

void SessionSockets::Failed(int index, int number, const std::string& description) {
    if (events_.Error) events_.Error(index, number, description);
}

bool SessionSockets::SliceSpent() {
    if (!sinceEvents_.isValid()) sinceEvents_.start();
    return sinceEvents_.elapsed() >= sliceMs_;
}

// Cutting a line happens as it is handed on, so that a large arrival is cut a slice at a time too.
bool SessionSockets::TakeOneLine() {
    std::string line;
    while (!arrivals_.empty()) {
        Arrival& a = arrivals_.front();
        const int index = a.Index;
        std::string_view rest = std::string_view(a.Bytes).substr(a.Taken);
        const LineFramer::Cut cut = framers_[index].Next(rest, line);
        a.Taken = a.Bytes.size() - rest.size();
        if (rest.empty()) arrivals_.pop_front();
        if (cut == LineFramer::Cut::TooLong) {
            Close(index);
            if (events_.TooLong) events_.TooLong(index);
            return true;
        }
        if (cut == LineFramer::Cut::Line) {
            if (events_.Line) events_.Line(index, Latin1ToUtf8(line));
            return true;
        }
    }
    return false;
}

void SessionSockets::Idle() {
    if (sleepDepth_ > 0 || !holding_) return;
    holding_ = false;
    if (!arrivals_.empty()) PumpLater();
}

// The rest of the lines follow from the event loop, unless a wait has begun to take them itself.
void SessionSockets::PumpLater() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!holding_) Pump();
        },
        Qt::QueuedConnection);
}

// Lines leave strictly in arrival order: a handler that runs events takes the next waiting line
// here before anything newer.
void SessionSockets::Pump() {
    QElapsedTimer slice;
    slice.start();
    while (TakeOneLine()) {
        if (!arrivals_.empty() && slice.elapsed() >= sliceMs_) {
            PumpLater();
            return;
        }
    }
}

} // namespace zarle
