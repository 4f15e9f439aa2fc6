#include "platform/net/Winsock.h"

#include "platform/net/HostAddresses.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <set>
#include <utility>

namespace zarle {

namespace {

// How long a closed connection may take to send what is still queued.
constexpr int FlushLimitMs = 3000;

// Hands every incoming connection to its listening socket as a request to accept or leave.
class RequestServer : public QTcpServer {
  public:
    RequestServer(std::function<void(qintptr)> offer, QObject* parent)
        : QTcpServer(parent), offer_(std::move(offer)) {}

  protected:
    void incomingConnection(qintptr handle) override { offer_(handle); }

  private:
    std::function<void(qintptr)> offer_;
};

// Connections offered and not yet accepted; only these may be accepted.
std::set<qintptr>& OpenRequests() {
    static std::set<qintptr> open;
    return open;
}

void Refuse(qintptr handle) {
    QTcpSocket socket;
    if (socket.setSocketDescriptor(handle)) socket.abort();
}

int ErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return Winsock::ErrConnectionRefused;
    case QAbstractSocket::RemoteHostClosedError: return Winsock::ErrConnectionReset;
    case QAbstractSocket::HostNotFoundError: return Winsock::ErrHostNotFound;
    case QAbstractSocket::SocketAccessError: return Winsock::ErrAccessDenied;
    case QAbstractSocket::SocketResourceError: return Winsock::ErrNoBufferSpace;
    case QAbstractSocket::SocketTimeoutError: return Winsock::ErrTimedOut;
    case QAbstractSocket::AddressInUseError: return Winsock::ErrAddressInUse;
    case QAbstractSocket::SocketAddressNotAvailableError: return Winsock::ErrAddressNotAvailable;
    default: return Winsock::ErrNetworkUnreachable;
    }
}

bool ValidPort(int port) {
    return port >= 0 && port <= 65535;
}

// IPv4 peers show as dotted quads, also when they came in over a dual-stack socket.
QString PlainAddress(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

} // namespace

Winsock::Winsock(QObject* parent) : QObject(parent) {}

// The children go with this object; they must not report to it on the way.
Winsock::~Winsock() {
    if (socket_) socket_->disconnect(this);
}

int Winsock::LocalPort() const {
    if (server_) return server_->serverPort();
    if (socket_ && socket_->localPort()) return socket_->localPort();
    return localPort_;
}

void Winsock::SetLocalPort(int port) {
    if (ValidPort(port)) localPort_ = port;
}

int Winsock::RemotePort() const {
    if (socket_ && socket_->peerPort()) return socket_->peerPort();
    return remotePort_;
}

void Winsock::SetRemotePort(int port) {
    if (ValidPort(port)) remotePort_ = port;
}

QString Winsock::RemoteHostIP() const {
    return socket_ ? PlainAddress(socket_->peerAddress()) : QString();
}

QString Winsock::LocalIP() const {
    return LocalIPv4Addresses().value(0);
}

int Winsock::Listen() {
    if (state_ != StateClosed) return ErrInvalidOperation;
    auto* server = new RequestServer([this](qintptr handle) { Offer(handle); }, this);
    if (!server->listen(QHostAddress::AnyIPv4, quint16(localPort_))) {
        const int number = ErrorNumber(server->serverError());
        delete server;
        return number;
    }
    server_ = server;
    state_ = StateListening;
    return 0;
}

void Winsock::Offer(qintptr requestID) {
    OpenRequests().insert(requestID);
    emit ConnectionRequest(requestID);
    // Nobody took it: the caller is turned away rather than left hanging.
    if (OpenRequests().erase(requestID)) Refuse(requestID);
}

int Winsock::Accept(qintptr requestID) {
    if (!OpenRequests().count(requestID)) return ErrInvalidArgument;
    Close();
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(requestID)) {
        delete socket;
        return ErrInvalidArgument;
    }
    OpenRequests().erase(requestID);
    Adopt(socket);
    state_ = StateConnected;
    return 0;
}

int Winsock::Connect() {
    return Connect(remoteHost_, remotePort_);
}

int Winsock::Connect(const QString& host, int port) {
    if (state_ != StateClosed) return ErrInvalidOperation;
    if (host.trimmed().isEmpty() || port < 1 || port > 65535) return ErrAddressNotAvailable;
    remoteHost_ = host;
    remotePort_ = port;
    auto* socket = new QTcpSocket(this);
    if (localPort_ != 0 && !socket->bind(QHostAddress::AnyIPv4, quint16(localPort_))) {
        const int number = ErrorNumber(socket->error());
        delete socket;
        return number;
    }
    Adopt(socket);
    state_ = StateConnecting;
    socket->connectToHost(host.trimmed(), quint16(port));
    return 0;
}

int Winsock::SendData(QByteArrayView data) {
    if (state_ != StateConnected || !socket_) return ErrWrongState;
    socket_->write(data.data(), data.size());
    return 0;
}

qint64 Winsock::BytesReceived() const {
    return socket_ ? socket_->bytesAvailable() : 0;
}

QByteArray Winsock::GetData(qint64 maxLength) {
    if (!socket_) return {};
    return maxLength < 0 ? socket_->readAll() : socket_->read(maxLength);
}

void Winsock::Close() {
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    if (QTcpSocket* socket = std::exchange(socket_, nullptr)) {
        socket->disconnect(this);
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(FlushLimitMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
    }
    state_ = StateClosed;
}

// The socket's signals are turned into events from the event loop, so that they keep their
// order and a handler that runs events itself sees the ones that follow.
void Winsock::Later(QTcpSocket* socket, std::function<void()> step) {
    QMetaObject::invokeMethod(
        this,
        [this, socket, step = std::move(step)] {
            if (socket == socket_) step();
        },
        Qt::QueuedConnection);
}

void Winsock::Adopt(QTcpSocket* socket) {
    socket_ = socket;
    // A game sends short lines and waits for each answer: no waiting to fill a packet.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        Later(socket, [this] {
            state_ = StateConnected;
            emit Connected();
        });
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        Later(socket, [this] {
            if (const qint64 waiting = socket_->bytesAvailable()) emit DataArrival(waiting);
        });
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        Later(socket, [this] {
            if (state_ != StateConnected) return;
            state_ = StateClosing;
            emit Closed();
        });
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // The peer closing is the Closed event, not an error.
        if (error == QAbstractSocket::RemoteHostClosedError) return;
        const QString description = socket->errorString();
        Later(socket, [this, error, description] {
            state_ = StateError;
            emit Error(ErrorNumber(error), description);
        });
    });
}

} // namespace zarle
