#include "network/session/WinsockLinks.h"

#include "platform/net/Winsock.h"

namespace zarle {

WinsockLinks::WinsockLinks() = default;
WinsockLinks::~WinsockLinks() = default;

Winsock& WinsockLinks::Element(int index) {
    auto& slot = elements_.at(static_cast<size_t>(index));
    if (!slot) {
        slot = std::make_unique<Winsock>();
        Winsock* w = slot.get();
        QObject::connect(w, &Winsock::DataArrival, w, [this, w, index](qint64) {
            const QByteArray bytes = w->GetData();
            Sockets().Received(index, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        });
        QObject::connect(w, &Winsock::Closed, w, [this, index] { Sockets().PeerClosed(index); });
        QObject::connect(w, &Winsock::ConnectionRequest, w,
                         [this](qintptr request) { Sockets().Requested(request); });
        QObject::connect(w, &Winsock::Connected, w, [this, index] { Sockets().ConnectedOn(index); });
        QObject::connect(w, &Winsock::Error, w, [this, index](int number, const QString& description) {
            Sockets().Failed(index, number, description.toStdString());
        });
    }
    return *slot;
}

int WinsockLinks::Listen(int port) {
    Winsock& w = Element(0);
    w.Close();
    w.SetLocalPort(0);
    w.SetLocalPort(port);
    return w.Listen();
}

int WinsockLinks::Connect(const std::string& host, int port) {
    Winsock& w = Element(0);
    w.Close();
    w.SetLocalPort(0);
    return w.Connect(QString::fromStdString(host), port);
}

int WinsockLinks::Accept(int index, qintptr request) {
    return Element(index).Accept(request);
}

int WinsockLinks::State(int index) const {
    const auto& slot = elements_.at(static_cast<size_t>(index));
    return slot ? slot->State() : Winsock::StateClosed;
}

int WinsockLinks::ListeningPort() const {
    return elements_[0] ? elements_[0]->LocalPort() : 0;
}

void WinsockLinks::Send(int index, std::string_view bytes) {
    if (Winsock* w = elements_.at(static_cast<size_t>(index)).get())
        w->SendData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void WinsockLinks::Close(int index) {
    if (Winsock* w = elements_.at(static_cast<size_t>(index)).get()) w->Close();
}

} // namespace zarle
