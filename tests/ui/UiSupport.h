#pragma once
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <deque>
#include <vector>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

#include "platform/DesktopHost.h"
#include "storage/DataFiles.h"
#include "ui/main_window/MainWindow.h"
#include "ui/shared/Accessible.h"
#include "ui/windows/PlayerWindow.h"

namespace vornel::testing {

// Answers modal boxes as they open, with the answers a test planned, and
// remembers what they said. A box nobody planned for is refused (No,
// Cancel, or closed) and fails the test, unless `otherwise` answers it.
class BoxAnswerer : public QObject {
public:
    struct Answer { QMessageBox::StandardButton button = QMessageBox::Ok; QString typed; /* for an input box */ };
    std::deque<Answer> planned;
    QStringList texts;
    QStringList titles;
    // Looks at the screen while a box is up, before it is answered.
    std::function<void(QWidget* box)> inspect;
    // Acts on the next modal window that is no box, once.
    std::function<void(QDialog* window)> window;
    // When set, picks the button for an unplanned box (OK where it has no such
    // button) and closes any other modal window, noting its name in `windows`.
    std::function<QMessageBox::StandardButton(const QString& text)> otherwise;
    QStringList windows;

    BoxAnswerer()
    {
        connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::answer);
        timer_.start(0);
    }
    ~BoxAnswerer() override
    {
        EXPECT_TRUE(planned.empty()) << "a planned box never opened";
        EXPECT_FALSE(window) << "a planned window never opened";
    }

    void ok() { planned.push_back({}); }
    void yes() { planned.push_back({QMessageBox::Yes, {}}); }
    void no() { planned.push_back({QMessageBox::No, {}}); }

    // Lets events run until `done` holds; fails after a generous limit.
    static bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

private:
    void answer()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == lastAnswered_)
            return;
        auto* box = qobject_cast<QMessageBox*>(w);
        auto* input = qobject_cast<QInputDialog*>(w);
        auto* dialog = qobject_cast<QDialog*>(w);
        if (!box && !input) {
            if (dialog && (window || otherwise)) {
                lastAnswered_ = w;
                windows << w->objectName();
                if (const auto act = std::exchange(window, nullptr))
                    act(dialog);
                else
                    dialog->reject();
            }
            return;
        }
        lastAnswered_ = w;
        if (inspect)
            inspect(w);
        titles << w->windowTitle();
        texts << (box ? box->text() : input->labelText());
        if (planned.empty() && otherwise)
            planned.push_back({otherwise(texts.back()), {}});
        if (planned.empty()) {
            ADD_FAILURE() << "unplanned box: " << texts.back().toStdString();
            return dialog->reject();
        }
        const Answer a = planned.front();
        planned.pop_front();
        QAbstractButton* b = box ? box->button(a.button) : nullptr;
        if (box && !b && otherwise)
            b = box->button(QMessageBox::Ok);
        if (input) {
            input->setTextValue(a.typed);
            input->accept();
        } else if (b) {
            b->click();
        } else {
            ADD_FAILURE() << "the box has no such button: " << texts.back().toStdString();
            box->reject();
        }
    }

    QTimer timer_;
    QPointer<QWidget> lastAnswered_;
};

// A picture of one colour, in the format its name says; returns the path.
inline QString savePicture(const QString& path, QSize size = {8, 6}, QColor colour = Qt::blue)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

// Runs `body` in a child process that an alarm ends after `seconds`; gives its
// exit code, or -1 when it died (and says how).
inline int inChild(const std::function<int()>& body, unsigned seconds = 10)
{
    std::fflush(stdout);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(seconds);
        const int code = body();
        std::fflush(stdout);
        ::_exit(code);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    if (WIFSIGNALED(status))
        std::printf("child %s\n", WTERMSIG(status) == SIGALRM ? "HUNG" : strsignal(WTERMSIG(status)));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Root writes anywhere: a child that must meet a refusal runs as nobody.
inline bool asNobody()
{
    return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0);
}

inline void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton)
{
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, button);
}

// The colour `w`'s window draws at `at`, a point of `w`.
inline QColor drawnAt(QWidget* w, QPoint at)
{
    return w->window()->grab(QRect(w->mapTo(w->window(), at), QSize(1, 1))).toImage().pixelColor(0, 0);
}
inline bool ringOn(QWidget* keys)
{
    return drawnAt(keys, {1, 1}) == QColor(255, 230, 0);
}

// The control `name` of `w` ("cardBack(3)" for an element of an array).
template <typename T = QWidget> T* child(QWidget& w, const QString& name)
{
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

inline QWidget* card(QWidget& w, const char* part, int i)
{
    return child(w, QStringLiteral("%1(%2)").arg(part).arg(i));
}

// The timer's period run out `times` times, without waiting for it.
inline void tick(QWidget& w, const char* timer, int times = 1)
{
    for (int n = 0; n < times; ++n)
        QMetaObject::invokeMethod(child<QTimer>(w, timer), "timeout", Qt::DirectConnection);
}

// Start-up, and the player window answered with `name`.
inline void start(MainWindow& w, const QString& name = "Ada")
{
    w.start();
    auto* player = w.findChild<PlayerWindow*>("PlayerWindow");
    ASSERT_NE(player, nullptr);
    EXPECT_FALSE(w.isVisible());
    player->nameBox()->setEditText(name);
    click(child(*player, "okButton"));
    ASSERT_TRUE(w.isVisible());
}

// Turns every pair up by clicks; `last` is the last card turned.
inline void clearBoard(MainWindow& w, int* last = nullptr)
{
    for (int i = 0; i < 20; ++i)
        for (int j = i + 1; j < 20 && !w.game().board().slot(i).isMatched(); ++j)
            if (w.game().board().sameImage(i, j)) {
                if (last)
                    *last = j;
                click(card(w, "cardBack", i));
                click(card(w, "cardBack", j));
            }
}

// What screen readers are told while it lives: the events the game sends,
// each widget shown and each focus gained, with the name and description its
// control then gives. (Offscreen, Qt calls no update handler: no reader
// bridge is active there.)
struct Heard : QObject {
    struct Event { QObject* object; QAccessible::Event type; QString said; };
    std::vector<Event> events;

    Heard()
    {
        accessible::setWatcher([this](QAccessibleEvent* e) { record(e->object(), e->type()); });
        qApp->installEventFilter(this);
    }
    ~Heard() override { accessible::setWatcher({}); }
    // "name / description" of the last event of `type` from `object` (any when null).
    QString last(QAccessible::Event type, const QObject* object = nullptr) const
    {
        for (auto e = events.rbegin(); e != events.rend(); ++e)
            if (e->type == type && (!object || e->object == object))
                return e->said;
        return {};
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o->isWidgetType() && (e->type() == QEvent::Show || e->type() == QEvent::FocusIn))
            record(o, e->type() == QEvent::Show ? QAccessible::ObjectShow : QAccessible::Focus);
        return false;
    }
    void record(QObject* o, QAccessible::Event type)
    {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
        events.push_back({o, type, i ? i->text(QAccessible::Name) + " / " + i->text(QAccessible::Description) : QString()});
    }
};

// A data folder of its own, the desktop and the box answerer.
template <class Base = ::testing::Test> struct UiFixture : Base {
    QTemporaryDir data;
    DesktopHost host;
    BoxAnswerer boxes;
    std::unique_ptr<MainWindow> mainWindow;  // last, so it goes before the rest

    // The main window, started and with its player chosen.
    MainWindow& open(bool greek, const QString& name = "Ada")
    {
        mainWindow.reset();
        mainWindow = std::make_unique<MainWindow>(host, greek, data.path());
        start(*mainWindow, name);
        return *mainWindow;
    }
    std::filesystem::path file(const char* name) const { return std::filesystem::path(data.path().toStdString()) / name; }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(data.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
};
using UiTest = UiFixture<>;

}  // namespace vornel::testing
