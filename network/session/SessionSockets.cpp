#include "SessionSockets.h"

#include "net/Winsock.h"

#include <QAbstractEventDispatcher>

namespace zarle {

SessionSockets::SessionSockets(SocketEvents events) : events_(std::move(events)) {
    if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance())
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &SessionSockets::Idle);
}

SessionSockets::~SessionSockets() {
    // The owner is going too: the closes must not call back into it.
    events_ = {};
    CloseAll();
}

Winsock& SessionSockets::Element(int index) {
    auto& slot = elements_.at(static_cast<size_t>(index));
    if (!slot) {
        slot = std::make_unique<Winsock>();
        Winsock* w = slot.get();
        connect(w, &Winsock::DataArrival, this, [this, index](qint64) { Arrived(index); });
        connect(w, &Winsock::Closed, this, [this, index] {
            framers_[index].Clear();
            if (events_.Lost) events_.Lost(index);
        });
        connect(w, &Winsock::ConnectionRequest, this, [this](qintptr request) {
            if (events_.Request) events_.Request(request);
        });
        connect(w, &Winsock::Connected, this, [this, index] {
            if (events_.Connected) events_.Connected(index);
        });
        connect(w, &Winsock::Error, this, [this, index](int number, const QString& description) {
            if (events_.Error) events_.Error(index, number, description.toStdString());
        });
    }
    return *slot;
}

int SessionSockets::Listen(int port) {
    Winsock& w = Element(0);
    w.Close();
    w.SetLocalPort(0);
    w.SetLocalPort(port);
    return w.Listen();
}

int SessionSockets::Connect(const std::string& host, int port) {
    Winsock& w = Element(0);
    w.Close();
    w.SetLocalPort(0);
    return w.Connect(QString::fromStdString(host), port);
}

int SessionSockets::Accept(int index, qintptr request) {
    framers_[index].Clear();
    return Element(index).Accept(request);
}

int SessionSockets::State(int index) const {
    if (index < 0 || index >= MaxSockets || !elements_[index]) return Winsock::StateClosed;
    return elements_[index]->State();
}

int SessionSockets::ListeningPort() const {
    return elements_[0] ? elements_[0]->LocalPort() : 0;
}

void SessionSockets::Send(int index, const std::string& bytes) {
    if (index < 0 || index >= MaxSockets || !elements_[index]) return;
    elements_[index]->SendData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void SessionSockets::Close(int index) {
    if (index < 0 || index >= MaxSockets || !elements_[index]) return;
    elements_[index]->Close();
    framers_[index].Clear();
    std::erase_if(queue_, [index](const auto& entry) { return entry.first == index; });
}

void SessionSockets::CloseAll() {
    for (int i = 0; i < MaxSockets; ++i) Close(i);
}

void SessionSockets::Arrived(int index) {
    Winsock& w = *elements_[index];
    const QByteArray bytes = w.GetData();
    std::vector<std::string> lines;
    if (!framers_[index].Append(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                                lines)) {
        Close(index);
        if (events_.Lost) events_.Lost(index);
        return;
    }
    for (auto& line : lines) queue_.emplace_back(index, std::move(line));
    if (!holding_) Pump();
}

bool SessionSockets::TakeOneLine() {
    if (queue_.empty()) return false;
    auto [index, line] = std::move(queue_.front());
    queue_.pop_front();
    if (events_.Line) events_.Line(index, line);
    return true;
}

void SessionSockets::Idle() {
    if (sleepDepth_ > 0 || !holding_) return;
    holding_ = false;
    if (!queue_.empty())
        QMetaObject::invokeMethod(
            this, [this] { Pump(); }, Qt::QueuedConnection);
}

// Lines leave strictly in arrival order: a handler that runs events takes the next waiting line
// here before anything newer.
void SessionSockets::Pump() {
    while (!queue_.empty()) {
        auto [index, line] = std::move(queue_.front());
        queue_.pop_front();
        if (events_.Line) events_.Line(index, line);
    }
}

} // namespace zarle
