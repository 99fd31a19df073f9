#include "platform/single_instance.h"

#include <QByteArray>
#include <QDir>
#include <QLocalSocket>
#include <QRegularExpression>
#include <unistd.h>

namespace tv {

namespace {
const QByteArray kActivate = "activate\n";
}

QString SingleInstance::defaultSocketName() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    display.replace(QRegularExpression("[^A-Za-z0-9._-]"), "_");
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString dir = !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
    return QDir(dir).filePath(QString("tolvane-%1-%2.socket").arg(getuid()).arg(display));
}

SingleInstance::SingleInstance(QString socketName) : name_(std::move(socketName)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

bool SingleInstance::activateRunning(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kActivate);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return true;
}

// Only after activateRunning() found no program: a live one's socket would be
// taken from it.
bool SingleInstance::listen() {
    if (server_.listen(name_)) return true;
    // A socket left behind by a program that was killed: nobody answers it.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto drain = [this, socket] {
            while (socket->canReadLine())
                if (socket->readLine() == kActivate && onActivate) onActivate();
        };
        connect(socket, &QLocalSocket::readyRead, this, drain);
        connect(socket, &QLocalSocket::disconnected, this, [socket, drain] {
            drain();
            socket->deleteLater();
        });
        drain();
    }
}

}  // namespace tv
