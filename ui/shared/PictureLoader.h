#pragma once
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

namespace vornel {

// Decodes picture files off the window's thread, so that a large one never
// holds the window: the picture is handed over when it is ready. A newer
// request supersedes an older one, whose decode stops at its next read and
// whose result is dropped. Destroying the loader stops its decode the same
// way and waits only for that.
class PictureLoader : public QObject {
    Q_OBJECT
public:
    explicit PictureLoader(QObject* parent = nullptr);
    ~PictureLoader() override;

    // As readPictureFile; `loaded` follows.
    void load(const QString& path, QSize bound, Qt::AspectRatioMode mode);
    // The last request is no longer wanted: nothing follows it.
    void cancel();
    // A request is being decoded.
    bool busy() const { return busy_; }

signals:
    // The picture of the latest request: null when the file holds none.
    void loaded(const QImage& picture);

private:
    QThreadPool pool_;
    std::shared_ptr<std::atomic_bool> cancelled_;
    quint64 request_ = 0;
    bool busy_ = false;
};

}  // namespace vornel
