#pragma once
// A TCP socket that behaves like the socket control the network code was written for:
// numbered states, Listen/Accept/Connect/SendData/GetData/Close, and the events
// ConnectionRequest, DataArrival, Connected, Closed and Error with the classic error
// numbers (10048 address in use, 10061 refused, 10060 timed out, 11001 host not found...).
//
// Events are raised from the event loop, in the order things happened, and may nest: a
// handler that waits (running events) sees later arrivals on the same socket.

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <functional>

class QTcpServer;
class QTcpSocket;

namespace zarle {

class Winsock : public QObject {
    Q_OBJECT
  public:
    enum : int {
        StateClosed = 0,
        StateOpen = 1,
        StateListening = 2,
        StateConnecting = 6,
        StateConnected = 7,
        // The peer has closed the connection; Close finishes it here.
        StateClosing = 8,
        StateError = 9,
    };
    enum : int {
        ErrAccessDenied = 10013,
        ErrInvalidArgument = 10022,
        ErrAddressInUse = 10048,
        ErrAddressNotAvailable = 10049,
        ErrNetworkUnreachable = 10051,
        ErrConnectionReset = 10054,
        ErrNoBufferSpace = 10055,
        ErrTimedOut = 10060,
        ErrConnectionRefused = 10061,
        ErrHostUnreachable = 10065,
        ErrHostNotFound = 11001,
        // A call the socket's state does not allow (not connected, already in use).
        ErrWrongState = 40006,
        ErrInvalidOperation = 40020,
    };

    explicit Winsock(QObject* parent = nullptr);
    ~Winsock() override;

    int State() const { return state_; }

    // Port to listen on, or to connect from (0 = any). Set while closed.
    int LocalPort() const;
    void SetLocalPort(int port);
    QString RemoteHost() const { return remoteHost_; }
    void SetRemoteHost(const QString& host) { remoteHost_ = host; }
    int RemotePort() const;
    void SetRemotePort(int port);
    // The peer's address while connected.
    QString RemoteHostIP() const;
    // This machine's address, as others reach it.
    QString LocalIP() const;

    // The calls answer 0, or an error number when the call itself is refused; failures
    // found later come as the Error event.
    int Listen();
    int Connect();
    int Connect(const QString& host, int port);
    // Takes over a connection offered by a listening socket's ConnectionRequest; only
    // during that event.
    int Accept(qintptr requestID);
    int SendData(QByteArrayView data);

    qint64 BytesReceived() const;
    // Takes up to `maxLength` received bytes (all when negative).
    QByteArray GetData(qint64 maxLength = -1);

    // Back to closed. Data already sent still goes out before the connection ends.
    void Close();

  signals:
    void ConnectionRequest(qintptr requestID);
    void DataArrival(qint64 bytesTotal);
    void Connected();
    void Closed();
    void Error(int number, const QString& description);

  private:
    void Adopt(QTcpSocket* socket);
    void Later(QTcpSocket* socket, std::function<void()> step);
    void Offer(qintptr requestID);

    int state_ = StateClosed;
    int localPort_ = 0;
    QString remoteHost_;
    int remotePort_ = 0;
    QTcpServer* server_ = nullptr;
    QTcpSocket* socket_ = nullptr;
};

} // namespace zarle
