#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tv {

namespace {

const std::string kActivate = "activate\n";

// The socket's address; false when the path does not fit in one.
bool address(const QString& name, sockaddr_un& to) {
    const QByteArray path = QFile::encodeName(name);
    std::memset(&to, 0, sizeof to);
    to.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof to.sun_path) return false;
    std::memcpy(to.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

int unixSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0); }

// Waits until `fd` is ready for `events`; false on a timeout or an error.
bool waitFor(int fd, short events, int timeoutMs) {
    pollfd p{fd, events, 0};
    int n;
    do n = ::poll(&p, 1, timeoutMs);
    while (n < 0 && errno == EINTR);
    return n == 1 && (p.revents & events);
}

}  // namespace

QString SingleInstance::defaultSocketName() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    for (QChar& c : display)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != '.' && c != '_' && c != '-') c = '_';
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString dir = !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
    return QDir(dir).filePath(QString("tolvane-%1-%2.socket").arg(getuid()).arg(display));
}

SingleInstance::SingleInstance(QString socketName) : name_(std::move(socketName)) {}

SingleInstance::~SingleInstance() {
    for (auto& [fd, client] : clients_) ::close(fd);
    clients_.clear();
    if (server_ < 0) return;
    serverNotifier_.reset();
    ::close(server_);
    // The socket goes with the program, so that the next start takes it at once.
    ::unlink(QFile::encodeName(name_).constData());
}

bool SingleInstance::activateRunning(int timeoutMs) {
    sockaddr_un to;
    if (!address(name_, to)) return false;
    const int fd = unixSocket();
    if (fd < 0) return false;
    bool sent = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 && waitFor(fd, POLLOUT, timeoutMs))
        sent = ::send(fd, kActivate.data(), kActivate.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(kActivate.size());
    ::close(fd);
    return sent;
}

// Only after activateRunning() found no program: a live one's socket would be
// taken from it.
bool SingleInstance::listen() {
    sockaddr_un at;
    if (server_ >= 0 || !address(name_, at)) return server_ >= 0;
    const QByteArray path = QFile::encodeName(name_);
    auto bindAndListen = [&] {
        const int fd = unixSocket();
        if (fd < 0) return -1;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at) == 0 && ::chmod(path.constData(), 0600) == 0 &&
            ::listen(fd, 8) == 0 && ::fcntl(fd, F_SETFL, O_NONBLOCK) == 0)
            return fd;
        ::close(fd);
        return -1;
    };
    server_ = bindAndListen();
    if (server_ < 0) {
        // A socket left behind by a program that was killed: nobody answers it.
        ::unlink(path.constData());
        server_ = bindAndListen();
    }
    if (server_ < 0) return false;
    serverNotifier_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
    connect(serverNotifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept() {
    int fd;
    while ((fd = ::accept4(server_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0) {
        Client& client = clients_[fd];
        client.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(client.notifier.get(), &QSocketNotifier::activated, this, [this, fd] { read(fd); });
        read(fd);
    }
}

// Reads what a start sent; each whole "activate" line brings the window to
// the front, and the start hanging up ends the connection.
void SingleInstance::read(int fd) {
    auto it = clients_.find(fd);
    if (it == clients_.end()) return;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            std::string& received = it->second.received;
            received.append(buffer, static_cast<size_t>(n));
            for (size_t end; (end = received.find('\n')) != std::string::npos; received.erase(0, end + 1))
                if (received.compare(0, end + 1, kActivate) == 0 && onActivate) onActivate();
            // Nothing a start sends is that long: a stranger's stream is cut off.
            if (received.size() > 1024) return close(fd);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        return close(fd);  // hung up, or failed
    }
}

void SingleInstance::close(int fd) {
    auto it = clients_.find(fd);
    if (it == clients_.end()) return;
    // Called from the notifier's own signal: it goes when the signal is done.
    QSocketNotifier* notifier = it->second.notifier.release();
    notifier->setEnabled(false);
    notifier->deleteLater();
    clients_.erase(it);
    ::close(fd);
}

}  // namespace tv
