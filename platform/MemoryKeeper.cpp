#include "platform/MemoryKeeper.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <malloc.h>

namespace vornel {

namespace {

// The help window and the picture windows free megabytes when they close,
// in pieces too small to go back by themselves.
class ClosedWindowTrimmer : public QObject {
public:
    explicit ClosedWindowTrimmer(QObject* parent) : QObject(parent)
    {
        trim_.setSingleShot(true);
        trim_.setInterval(0);  // once the closing has run its course
        connect(&trim_, &QTimer::timeout, [] { malloc_trim(0); });
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Hide && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            trim_.start();
        return false;
    }

private:
    QTimer trim_;
};

}  // namespace

void keepMemoryFlat()
{
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

void keepMemoryFlat(QApplication& app)
{
    app.installEventFilter(new ClosedWindowTrimmer(&app));
}

}  // namespace vornel
