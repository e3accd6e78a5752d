#include "ui/shared/PictureLoader.h"

#include "ui/shared/PictureFile.h"

namespace vornel {

PictureLoader::PictureLoader(QObject* parent) : QObject(parent)
{
    // A superseded decode may still be stopping while the next one starts.
    pool_.setMaxThreadCount(2);
    pool_.setExpiryTimeout(1000);
}

PictureLoader::~PictureLoader()
{
    cancel();
    pool_.waitForDone();
}

void PictureLoader::load(const QString& path, QSize bound, Qt::AspectRatioMode mode)
{
    cancel();
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    cancelled_ = cancelled;
    const quint64 request = ++request_;
    busy_ = true;
    pool_.start([this, path, bound, mode, cancelled, request] {
        const QImage picture = readPictureFile(path, bound, mode, cancelled.get());
        if (cancelled->load())
            return;
        // Handed over on the window's thread; dropped there if superseded
        // meanwhile, and with the loader if it is gone.
        QMetaObject::invokeMethod(this, [this, picture, request] {
            if (request != request_)
                return;
            busy_ = false;
            emit loaded(picture);
        }, Qt::QueuedConnection);
    });
}

void PictureLoader::cancel()
{
    if (cancelled_)
        cancelled_->store(true);
    cancelled_.reset();
    ++request_;
    busy_ = false;
}

}  // namespace vornel
