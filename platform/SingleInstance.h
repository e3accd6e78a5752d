#pragma once
#include <QLockFile>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

class QSocketNotifier;

namespace vornel {

// One game per data folder, so that two games never write the same files.
// The first start holds a lock in the folder and listens under a name made
// from the folder's path; a later start finds the lock held, asks that game
// to come to the front, and ends. A lock left by a game that was killed
// does not count.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Claim {
        Ours,      // this start plays on the folder
        Raised,    // another game holds it and was asked to come to the front
        Unreached  // another game holds it and did not answer
    };
    Claim claim();

signals:
    // A later start on the same folder asks this game to come to the front.
    void raiseRequested();

private:
    struct Caller;
    void listen();
    void onConnection();
    void onRequest(int socket);

    QString folder_;
    QLockFile lock_;
    QString serverName_;
    int server_ = -1;  // a listening local socket
    QSocketNotifier* serverNotifier_ = nullptr;
    std::map<int, std::unique_ptr<Caller>> callers_;  // by socket
};

// Brings the program's visible windows to the front, the main window first,
// and activates the window that takes the keys.
void raiseVisibleWindows();

}  // namespace vornel
