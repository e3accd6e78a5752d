#include "platform/SingleInstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace vornel {

namespace {

constexpr char RaiseRequest[] = "raise\n";

// In the user's private runtime folder, so no other user can take the name.
QString serverNameFor(const QString& folder)
{
    const QString canonical = QDir(folder).canonicalPath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? folder : canonical).toUtf8(), QCryptographicHash::Sha1);
    const QString name = "vornel-" + QString::fromLatin1(hash.toHex().left(16));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

// The game that holds the lock listens right after taking it; a start in
// that moment tries again for a while.
bool askToRaise(const QString& serverName)
{
    const QDeadlineTimer deadline(3000);
    do {
        QLocalSocket socket;
        socket.connectToServer(serverName);
        if (socket.waitForConnected(500)) {
            socket.write(RaiseRequest);
            return socket.waitForBytesWritten(1000);
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), folder_(dataFolder), lock_(QDir(dataFolder).filePath("vornel.lock"))
{
    // Only a dead holder makes a lock stale, however long the game runs.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim()
{
    serverName_ = serverNameFor(folder_);
    if (!lock_.tryLock()) {
        // A folder that takes no lock cannot be written either: play as before.
        if (lock_.error() != QLockFile::LockFailedError)
            return Claim::Ours;
        return askToRaise(serverName_) ? Claim::Raised : Claim::Unreached;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A name left by a game that was killed; the lock says none listens on it.
    QLocalServer::removeServer(serverName_);
    server_->listen(serverName_);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    return Claim::Ours;
}

void SingleInstance::onConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->canReadLine() && socket->readLine(64) == RaiseRequest)
                emit raiseRequested();
        });
    }
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
