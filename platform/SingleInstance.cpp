#include "platform/SingleInstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

// The hand-over runs over a plain local socket rather than Qt Network, whose
// loading (and the Kerberos and proxy libraries it pulls in) cost every
// start-up more than the rest of the game's own set-up before its first
// window.
namespace vornel {

namespace {

constexpr std::string_view RaiseRequest = "raise\n";
constexpr std::size_t LongestRequest = 64;

// In the user's private runtime folder, so no other user can take the name.
QString serverNameFor(const QString& folder)
{
    const QString canonical = QDir(folder).canonicalPath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? folder : canonical).toUtf8(), QCryptographicHash::Sha1);
    const QString name = "vornel-" + QString::fromLatin1(hash.toHex().left(16));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(runtime.isEmpty() ? QDir::tempPath() : runtime).filePath(name);
}

// False when the path does not fit a socket address.
bool addressOf(const QString& path, sockaddr_un& address)
{
    const QByteArray bytes = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), bytes.size());
    return true;
}

class Socket {
public:
    explicit Socket(int flags = 0) : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0)) {}
    ~Socket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool sendRaise(const sockaddr_un& address)
{
    const Socket socket;
    if (socket.fd() < 0)
        return false;
    // A game too busy to take the call does not hold this start for long.
    const timeval timeout{0, 500'000};
    ::setsockopt(socket.fd(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    return ::send(socket.fd(), RaiseRequest.data(), RaiseRequest.size(), MSG_NOSIGNAL) ==
        static_cast<ssize_t>(RaiseRequest.size());
}

// The game that holds the lock listens right after taking it; a start in
// that moment tries again for a while.
bool askToRaise(const QString& serverName)
{
    sockaddr_un address;
    if (!addressOf(serverName, address))
        return false;
    const QDeadlineTimer deadline(3000);
    do {
        if (sendRaise(address))
            return true;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}

}  // namespace

// A later start that called: what it sent so far.
struct SingleInstance::Caller {
    QSocketNotifier* notifier;
    std::string received;
};

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), folder_(dataFolder), lock_(QDir(dataFolder).filePath("vornel.lock"))
{
    // Only a dead holder makes a lock stale, however long the game runs.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    for (auto& [fd, caller] : callers_) {
        delete caller->notifier;
        ::close(fd);
    }
    if (server_ >= 0) {
        delete serverNotifier_;
        ::close(server_);
        ::unlink(QFile::encodeName(serverName_).constData());
    }
}

SingleInstance::Claim SingleInstance::claim()
{
    serverName_ = serverNameFor(folder_);
    if (!lock_.tryLock()) {
        // A folder that takes no lock cannot be written either: play as before.
        if (lock_.error() != QLockFile::LockFailedError)
            return Claim::Ours;
        return askToRaise(serverName_) ? Claim::Raised : Claim::Unreached;
    }
    listen();
    return Claim::Ours;
}

// A game that cannot listen still plays; a later start on its folder then
// finds nobody to hand over to and says so.
void SingleInstance::listen()
{
    sockaddr_un address;
    if (!addressOf(serverName_, address))
        return;
    Socket socket(SOCK_NONBLOCK);
    if (socket.fd() < 0)
        return;
    // A name left by a game that was killed; the lock says none listens on it.
    ::unlink(address.sun_path);
    // The name takes the socket's mode as it is made: only this user may call.
    ::fchmod(socket.fd(), S_IRUSR | S_IWUSR);
    if (::bind(socket.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return;
    if (::listen(socket.fd(), 8) != 0) {
        ::unlink(address.sun_path);
        return;
    }
    server_ = socket.release();
    serverNotifier_ = new QSocketNotifier(server_, QSocketNotifier::Read, this);
    connect(serverNotifier_, &QSocketNotifier::activated, this, &SingleInstance::onConnection);
}

void SingleInstance::onConnection()
{
    for (;;) {
        const int fd = ::accept4(server_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { onRequest(fd); });
        callers_[fd] = std::make_unique<Caller>(Caller{notifier, {}});
    }
}

// Each whole line "raise" asks once; a caller that hangs up, fails, or sends
// more than a request's length without one is let go.
void SingleInstance::onRequest(int fd)
{
    const auto it = callers_.find(fd);
    if (it == callers_.end())
        return;
    std::string& received = it->second->received;
    char buffer[LongestRequest];
    ssize_t n = 0;
    // A caller that never stops writing gets a few reads a turn, so the
    // window's events still run between them.
    for (int reads = 0; reads < 16; ++reads) {
        if ((n = ::read(fd, buffer, sizeof buffer)) <= 0)
            break;
        received.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t end; (end = received.find('\n')) != std::string::npos;) {
            const bool raise = std::string_view(received).substr(0, end + 1) == RaiseRequest;
            received.erase(0, end + 1);
            if (raise)
                emit raiseRequested();
        }
        if (received.size() > LongestRequest)
            break;
    }
    if (received.size() <= LongestRequest && (n > 0 || (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))))
        return;  // more to come, or still to be read on the next turn
    // Its notifier is the one calling.
    it->second->notifier->setEnabled(false);
    it->second->notifier->deleteLater();
    callers_.erase(it);
    ::close(fd);
}

void raiseVisibleWindows()
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (!w->isVisible() || type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen)
            continue;
        if (qobject_cast<QMainWindow*>(w))
            windows.prepend(w);
        else
            windows.append(w);
    }
    if (QWidget* modal = QApplication::activeModalWidget(); modal && windows.removeOne(modal))
        windows.append(modal);
    for (QWidget* w : windows) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->raise();
    }
    if (!windows.isEmpty())
        windows.last()->activateWindow();
}

}  // namespace vornel
