// Times what a player waits for, through the real window on an X server
// (the xcb platform; bench/play.sh runs it under a private Xvfb):
//
//   name   from Return in the player window to the main window drawn
//   first  from the press on a face-down card to its face drawn
//   wrong  from the press on the second card of a wrong pair to both faces drawn
//
// The presses and the key are real X input, sent through the server's XTEST
// extension on a connection of the program's own, as a second input device
// would. "Drawn" is the end of the flush of the window's backing store after
// the paint of the face (or of the main window's client area), plus one
// round trip on Qt's own connection, so the server has drawn the picture.
//
// The window is built as main.cpp builds it, on a scratch data folder that
// links the shipped files of the program's folder. With --wallpaper the
// first built-in wallpaper is saved as the player's, so start-up restores it
// and every paint of the board happens over it.
//
// usage: play_latency [--wallpaper] [ROUNDS]
// Prints one line per sample, "KIND MICROSECONDS", and nothing else on stdout.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sys/uio.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include "platform/DataFolder.h"
#include "platform/DesktopHost.h"
#include "platform/LanguageStore.h"
#include "storage/DataFiles.h"
#include "storage/SettingsRecords.h"
#include "ui/main_window/MainWindow.h"
#include "ui/windows/PlayerWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

long long microseconds(Clock::duration d)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(d).count();
}

// One round trip on `c`: every request sent before it has been carried out.
void roundTrip(xcb_connection_t* c)
{
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

xcb_extension_t xtestExtension = {"XTEST", 0};

// Real pointer and key input through XTEST. Debian's libxcb1-dev has no
// header for the extension, and its one request needed here is short.
class FakeInput {
public:
    FakeInput() : c_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(c_))
            return;
        const xcb_setup_t* setup = xcb_get_setup(c_);
        root_ = xcb_setup_roots_iterator(setup).data->root;
        const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(c_, &xtestExtension);
        present_ = xtest && xtest->present;
        // The key that gives the keysym Return (0xff0d) unshifted.
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
            c_, xcb_get_keyboard_mapping(c_, setup->min_keycode, count), nullptr);
        if (map) {
            const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
            for (int k = 0; k < count && !returnKey_; ++k)
                if (syms[k * map->keysyms_per_keycode] == 0xff0d)
                    returnKey_ = static_cast<std::uint8_t>(setup->min_keycode + k);
            std::free(map);
        }
    }
    ~FakeInput() { xcb_disconnect(c_); }
    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    bool ok() const { return present_ && returnKey_ != 0; }
    void moveTo(QPoint p) { send(MotionNotify, 0, p); }
    void button(bool press) { send(press ? ButtonPress : ButtonRelease, 1, {}); }
    void returnKey(bool press) { send(press ? KeyPress : KeyRelease, returnKey_, {}); }

private:
    enum : std::uint8_t { KeyPress = 2, KeyRelease = 3, ButtonPress = 4, ButtonRelease = 5, MotionNotify = 6 };

    // XTestFakeInput: xcb fills in the opcodes and the length.
    void send(std::uint8_t type, std::uint8_t detail, QPoint at)
    {
        struct {
            std::uint8_t major, minor;
            std::uint16_t length;
            std::uint8_t type, detail;
            std::uint16_t pad0;
            std::uint32_t time, root, pad1, pad2;
            std::int16_t rootX, rootY;
            std::uint8_t pad3[7];
            std::uint8_t deviceId;
        } request{};
        static_assert(sizeof request == 36);
        request.type = type;
        request.detail = detail;
        request.root = root_;
        request.rootX = static_cast<std::int16_t>(at.x());
        request.rootY = static_cast<std::int16_t>(at.y());
        iovec parts[4] = {};
        parts[2] = {&request, sizeof request};
        xcb_protocol_request_t protocol = {1, &xtestExtension, 2, 1};
        xcb_send_request(c_, 0, parts + 2, &protocol);
        xcb_flush(c_);
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
    bool present_ = false;
    std::uint8_t returnKey_ = 0;
};

// Sees every event of the program. Armed with a widget and its window, it
// notes the end of the first window update (an expose or an update request)
// during which that widget was painted.
class BenchApplication : public QApplication {
public:
    using QApplication::QApplication;

    void arm(QWidget* painted, QWidget* window)
    {
        painted_ = painted;
        window_ = window;
        seen_ = done_ = false;
    }
    bool done() const { return done_; }
    Clock::time_point doneAt() const { return doneAt_; }

    bool notify(QObject* receiver, QEvent* e) override
    {
        const QEvent::Type type = e->type();
        if (type == QEvent::Paint && receiver == painted_ && painted_)
            seen_ = true;
        const bool result = QApplication::notify(receiver, e);
        if (seen_ && !done_ && (type == QEvent::UpdateRequest || type == QEvent::Expose) &&
            (receiver == window_ || receiver == window_->windowHandle())) {
            // The backing store is flushed; one round trip later the server has it.
            roundTrip(nativeInterface<QNativeInterface::QX11Application>()->connection());
            doneAt_ = Clock::now();
            done_ = true;
        }
        return result;
    }

private:
    QWidget* painted_ = nullptr;
    QWidget* window_ = nullptr;
    bool seen_ = false;
    bool done_ = false;
    Clock::time_point doneAt_;
};

// Lets events run for `ms` milliseconds.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets events run until `condition` holds; false after `ms` without it.
// It sleeps between events: polling would take a core from the X server.
bool waitFor(const std::function<bool()>& condition, int ms = 3000)
{
    QElapsedTimer t;
    t.start();
    QTimer wake;  // for the time limit when no event comes
    wake.start(100);
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

QPoint centre(const QWidget* w)
{
    return w->mapToGlobal(w->rect().center());
}

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "play_latency: %s\n", what);
    std::exit(1);
}

}  // namespace

int main(int argc, char* argv[])
{
    BenchApplication app(argc, argv);
    if (QGuiApplication::platformName() != "xcb")
        fail("needs an X server (the xcb platform)");
    QApplication::setOrganizationName("Kelbar");
    QApplication::setApplicationName("vornel");
    QApplication::setFont(QFont("Liberation Sans", 8));

    bool wallpaper = false;
    int rounds = 40;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--wallpaper")
            wallpaper = true;
        else if ((rounds = std::atoi(argv[i])) <= 0)
            fail("usage: play_latency [--wallpaper] [ROUNDS]");
    }
    FakeInput input;
    if (!input.ok())
        fail("the X server has no XTEST extension, or no Return key");

    QTemporaryDir data;
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& name : vornel::shippedFileNames())
        QFile::link(program.filePath(name), data.filePath(name));
    if (wallpaper) {
        const QStringList photos =
            QDir(data.filePath(vornel::DataFile::Photos)).entryList({"*.bmp"}, QDir::Files, QDir::Name);
        if (photos.isEmpty())
            fail("no built-in wallpaper beside the program");
        vornel::SettingsRecords saved;
        saved.wallpaperPath = QDir(data.filePath(vornel::DataFile::Photos)).filePath(photos.first()).toStdString();
        vornel::writeSettingsRecords(
            std::filesystem::path(data.filePath(vornel::DataFile::SingleScores).toStdString()), saved);
    }

    vornel::DesktopHost host;
    auto* window = new vornel::MainWindow(host, vornel::LanguageStore::load(), data.path());
    window->start();
    auto* playerWindow = window->findChild<vornel::PlayerWindow*>("PlayerWindow");
    if (!playerWindow || !waitFor([&] { return playerWindow->windowHandle() && playerWindow->windowHandle()->isExposed(); }))
        fail("the player window did not show");
    settle(200);

    // Keys reach a window only after a click in it: there is no window manager.
    input.moveTo(centre(playerWindow->nameBox()));
    input.button(true);
    input.button(false);
    if (!waitFor([&] { return playerWindow->isActiveWindow(); }))
        fail("the player window did not take the keyboard");
    settle(100);
    app.arm(window->findChild<QWidget*>("clientArea"), window);
    const Clock::time_point keyAt = Clock::now();
    input.returnKey(true);
    if (!waitFor([&] { return app.done(); }))
        fail("the main window was not drawn after Return");
    std::printf("name %lld\n", microseconds(app.doneAt() - keyAt));
    input.returnKey(false);
    settle(300);
    if (wallpaper != window->wallpaperShown())
        fail(wallpaper ? "the saved wallpaper is not shown" : "a wallpaper is shown");

    // New Game, by its picture button.
    const vornel::Game& game = window->game();
    input.moveTo(centre(window->findChild<QWidget*>("newGameButton")));
    settle(30);
    input.button(true);
    input.button(false);
    if (!waitFor([&] { return game.playing(); }))
        fail("New Game did not start a game");
    settle(300);

    auto card = [&](const char* kind, int i) -> QWidget* {
        return window->findChild<QWidget*>(QStringLiteral("%1(%2)").arg(kind).arg(i));
    };
    // Presses card `i` and prints the time to its face drawn as `kind`.
    auto press = [&](const char* kind, int i) {
        input.moveTo(centre(card("cardBack", i)));
        settle(30);
        app.arm(card("cardFace", i), window);
        const Clock::time_point pressAt = Clock::now();
        input.button(true);
        if (!waitFor([&] { return app.done(); }))
            fail("a card's face was not drawn");
        std::printf("%s %lld\n", kind, microseconds(app.doneAt() - pressAt));
        input.button(false);
        settle(30);
    };
    auto* flipBack = window->findChild<QTimer*>("flipBackTimer", Qt::FindDirectChildrenOnly);
    QRandomGenerator random(2026);
    for (int r = 0; r < rounds && game.playing(); ++r) {
        std::vector<int> down;
        for (int i = 0; i < vornel::Board::SlotCount; ++i)
            if (!game.board().slot(i).faceVisible)
                down.push_back(i);
        const int a = down[random.bounded(static_cast<int>(down.size()))];
        std::vector<int> others;
        for (int i : down)
            if (game.board().slot(i).picture->name != game.board().slot(a).picture->name)
                others.push_back(i);
        const int b = others[random.bounded(static_cast<int>(others.size()))];
        press("first", a);
        press("wrong", b);
        // The flip-back's three ticks, without their second and a half.
        for (int tick = 0; tick < 3; ++tick)
            QMetaObject::invokeMethod(flipBack, "timeout", Qt::DirectConnection);
        if (!waitFor([&] { return !game.board().slot(a).faceVisible && game.mainWindowEnabled(); }))
            fail("the wrong pair did not turn back");
        settle(50);
    }
    std::fflush(stdout);
    delete window;
    return 0;
}
