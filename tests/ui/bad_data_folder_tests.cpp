// The game started and played on a data folder that is read-only, full, or
// whose files are truncated, garbage, huge, folders, pipes or endless: it
// neither crashes nor hangs, and a good file beside a bad one keeps what it
// held. Each play runs in a child process that an alarm ends.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "UiSupport.h"
#include "platform/DesktopHost.h"
#include "storage/ColoursFile.h"
#include "storage/CustomImagesFile.h"
#include "storage/DataFiles.h"
#include "storage/DefaultColoursFile.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"
#include "text/Messages.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form6.h"
#include "ui/HelpWindow.h"

namespace vornel {
namespace {

namespace fs = std::filesystem;
using testing::click;

enum class Bad { Truncated, Garbage, Huge, Folder, Pipe, Zero, Random };
const char* const badNames[] = {"Truncated", "Garbage", "Huge", "Folder", "Pipe", "DevZero", "DevUrandom"};

// Every file the game reads from its data folder.
const std::vector<std::string> dataFiles{DataFile::SingleScores, DataFile::ChampionshipScores, DataFile::Names,
    DataFile::Colours, DataFile::DefaultColours, DataFile::CustomImages, DataFile::Background, DataFile::English,
    DataFile::Help, "HelpPictures/game.png", DataFile::WinSound, DataFile::LoseSound,
    std::string(DataFile::Photos) + "/sea.bmp"};
// The files a play writes: a new player, a score, the settings at closing.
const std::set<std::string> playWrites{DataFile::SingleScores, DataFile::Names, DataFile::Background};
// Larger than any limit of the game's readers; sparse, so it costs no disk.
constexpr std::uintmax_t HugeSize = (std::uintmax_t(256) << 20) + 1;

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::set<std::string> entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        names.insert(e.path().lexically_relative(folder).string());
    return names;
}

// Answers every box the game shows: Yes to the stop question, No or OK to
// anything else, and closes the modal windows a play opens.
class Answerer : public QObject {
public:
    QStringList texts;
    QStringList windows;

    Answerer()
    {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &Answerer::answer);
        timer_.start();
    }

private:
    void answer()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == last_)
            return;
        last_ = w;
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            texts << box->text();
            const bool stop = box->text().toStdString() == Messages::StopGame.english;
            QAbstractButton* b = box->button(stop ? QMessageBox::Yes : QMessageBox::No);
            b = b ? b : box->button(QMessageBox::Ok);
            b ? b->click() : box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
            windows << w->objectName();
            dialog->reject();
        }
    }

    QTimer timer_;
    QPointer<QWidget> last_;
};

template <typename T = QWidget> T* child(QWidget& w, const QString& name)
{
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// Start-up, a new player, a won game, a stopped one, a lost one, the best
// scores, the custom pictures, F1, and closing.
void play(const QString& folder)
{
    DesktopHost host;
    Answerer boxes;
    Form1 w(host, false, folder);
    w.Form_Load();
    auto* form6 = w.findChild<Form6*>("Form6");
    ASSERT_NE(form6, nullptr);
    form6->nameBox()->setEditText("Zoe");
    click(child(*form6, "Command1"));
    ASSERT_TRUE(w.isVisible());
    // A spoiled custom set is refused at start-up and leaves no pictures to
    // deal; the player then picks a set, as anyone would.
    if (w.game().currentPictureSet().at(1) == nullptr)
        child<QAction>(w, "antikeim")->trigger();

    click(child(w, "Label9(0)"));
    ASSERT_TRUE(w.game().playing());
    for (int i = 0; i < 20; ++i)
        for (int j = i + 1; j < 20 && !w.game().board().slot(i).isMatched(); ++j)
            if (w.game().board().sameImage(i, j)) {
                click(child(w, QStringLiteral("Label1(%1)").arg(i)));
                click(child(w, QStringLiteral("Label1(%1)").arg(j)));
            }
    ASSERT_TRUE(w.winScreen()->isVisible());
    const qsizetype shown = boxes.texts.size();
    click(child(*w.winScreen(), "Label1"));
    ASSERT_TRUE(testing::BoxAnswerer::waitFor([&] { return boxes.texts.size() > shown; })) << "no score message";

    click(child(w, "Label9(0)"));
    click(child(w, "Label1(0)"));
    click(child(w, "Label9(2)"));
    EXPECT_FALSE(w.game().playing());

    click(child(w, "Label9(0)"));
    for (int tick = 0; tick < 300 && !w.loseScreen()->isVisible(); ++tick)
        QMetaObject::invokeMethod(child<QTimer>(w, "Timer2"), "timeout", Qt::DirectConnection);
    ASSERT_TRUE(w.loseScreen()->isVisible());
    click(w.loseScreen());
    EXPECT_FALSE(w.loseScreen()->isVisible());

    child<QAction>(w, "skorsTeam")->trigger();
    child<QAction>(w, "SetCustomIcon")->trigger();
    EXPECT_EQ(boxes.windows, (QStringList{"Form50", "Form4"}));
    child<QAction>(w, "periexomena")->trigger();
    auto* help = w.findChild<HelpWindow*>("HelpWindow");
    EXPECT_TRUE((help && help->isVisible()) || boxes.texts.last().toStdString() == Messages::HelpMissing);
    w.close();
}

class BadDataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        data = fs::path(tmp.path().toStdString()) / "data";
        fs::create_directories(data / DataFile::Photos);
        fs::create_directories(data / "pics");
        fs::create_directories(data / "HelpPictures");
        const auto file = [&](const char* name) { return data / name; };

        CustomImages custom;
        for (int i = 0; i < CustomImages::SlotCount; ++i) {
            QImage picture(12, 10, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(i * 36, 200, 200));
            custom.paths[i] = (data / "pics" / (std::to_string(i) + ".png")).string();
            ASSERT_TRUE(picture.save(QString::fromStdString(custom.paths[i])));
        }
        custom.lastFolder = (data / "pics").string();
        QImage sea(40, 30, QImage::Format_RGB32);
        sea.fill(Qt::blue);
        ASSERT_TRUE(sea.save(QString::fromStdString((data / DataFile::Photos / "sea.bmp").string()), "BMP"));
        ASSERT_TRUE(sea.save(QString::fromStdString((data / "HelpPictures/game.png").string())));

        ScoreTable single;
        single.scores[0] = TaggedValue::fromText("300");
        single.names[0] = TaggedValue::fromText("Ada");
        single.scores[1] = TaggedValue::fromText("200");
        single.names[1] = TaggedValue::fromText("Bob");
        ASSERT_TRUE(writeScoreTable(file(DataFile::SingleScores), single));
        SettingsRecords settings;
        settings.cardPictureHeight = 600;
        settings.cardPictureWidth = 700;
        settings.cardColour = TaggedValue::fromInt32(0x0000FF);
        settings.difficulty = 1;
        settings.category = 4;
        settings.wallpaperPath = (data / DataFile::Photos / "sea.bmp").string();
        ASSERT_TRUE(writeSettingsRecords(file(DataFile::SingleScores), settings));
        ScoreTable championship;
        championship.scores[0] = TaggedValue::fromText("5000");
        championship.names[0] = TaggedValue::fromText("Άννα");
        ASSERT_TRUE(writeScoreTable(file(DataFile::ChampionshipScores), championship));
        ASSERT_TRUE(writeNames(file(DataFile::Names), {"Ada", "Νίκος"}));
        ASSERT_TRUE(writeColoursFile(file(DataFile::Colours), {0xFF, 0xFF00, 0xFF0000, 0xC0C0C0, 0x808080}));
        ASSERT_TRUE(writeDefaultColours(
            file(DataFile::DefaultColours), {{0, 0, 0xFF, 0x8000, 0xC0C0C0}, TaggedValue::fromInt32(0x00C000)}));
        ASSERT_TRUE(writeCustomImages(file(DataFile::CustomImages), custom));
        put(file(DataFile::Background), custom.paths[0] + "\r\n" + custom.paths[1] + "\r\n");
        put(file(DataFile::Help),
            "<html><body><a name=\"en\"></a><p>Help</p><img src=\"HelpPictures/game.png\">"
            "<a name=\"el\"></a></body></html>");
        fs::copy_file(VORNEL_ASSETS "/english.ini", file(DataFile::English));
        fs::copy_file(VORNEL_ASSETS "/sounds/Win.SON", file(DataFile::WinSound));
        fs::copy_file(VORNEL_ASSETS "/sounds/CRASH1.SON", file(DataFile::LoseSound));
        for (const std::string& name : dataFiles)
            good[name] = bytesOf(data / name);
        before = entries(data);
    }

    void spoil(const std::string& name, Bad kind)
    {
        const fs::path file = data / name;
        const std::string& bytes = good[name];
        std::mt19937 random(static_cast<unsigned>(std::hash<std::string>{}(name)));
        fs::remove(file);
        switch (kind) {
        case Bad::Truncated:
            put(file, bytes.substr(0, bytes.size() * 2 / 3));
            break;
        case Bad::Garbage: {
            std::string noise(bytes.size(), '\0');
            for (char& c : noise)
                c = static_cast<char>(random());
            put(file, noise);
            break;
        }
        case Bad::Huge:
            put(file, bytes);
            fs::resize_file(file, HugeSize);
            break;
        case Bad::Folder:
            fs::create_directory(file);
            put(file / "keep", "mine");
            break;
        case Bad::Pipe:
            ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
            break;
        case Bad::Zero:
            fs::create_symlink("/dev/zero", file);
            break;
        case Bad::Random:
            fs::create_symlink("/dev/urandom", file);
            break;
        }
        spoilt[name] = kind;
        if (kind == Bad::Truncated || kind == Bad::Garbage)
            spoiltBytes[name] = bytesOf(file);
    }

    // Plays in a child process; `prepare` runs there first. False when the
    // child failed, crashed, or took more than three seconds or a gigabyte.
    bool playInChild(const std::string& what, const std::function<void()>& prepare = {})
    {
        std::fflush(stdout);
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = ::fork();
        if (pid == 0) {
            // A read without end fails at a gigabyte rather than taking the machine.
            ::alarm(3);
            const rlimit memory{rlim_t(1) << 30, rlim_t(1) << 30};
            ::setrlimit(RLIMIT_AS, &memory);
            bool ok = false;
            try {
                if (prepare)
                    prepare();
                play(QString::fromStdString(data.string()));
                ok = !::testing::Test::HasFailure();
            } catch (...) {
                ADD_FAILURE() << "an exception left the play";
            }
            std::fflush(stdout);
            ::_exit(ok ? 0 : 1);
        }
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
            return false;
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s: %lld ms, %s\n", what.c_str(), static_cast<long long>(ms),
            WIFEXITED(status) ? (WEXITSTATUS(status) == 0 ? "played" : "failed")
                              : (WTERMSIG(status) == SIGALRM ? "HUNG" : strsignal(WTERMSIG(status))));
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    // Good files keep what they held; bad ones stay as they were.
    void expectNothingLost(bool writesFailed)
    {
        for (const std::string& name : dataFiles) {
            SCOPED_TRACE(name);
            const fs::path file = data / name;
            const auto bad = spoilt.find(name);
            if (bad == spoilt.end()) {
                if (name == DataFile::SingleScores && !writesFailed) {
                    const ScoreTable t = readScoreTable(file);
                    std::set<std::string> kept;
                    for (int p = 0; p < ScoreTable::Places; ++p)
                        kept.insert(t.scores[p].toText() + " " + t.names[p].toText());
                    EXPECT_TRUE(kept.count("300 Ada") && kept.count("200 Bob"));
                    const SettingsRecords s = readSettingsRecords(file);
                    EXPECT_EQ(s.cardPictureWidth, 700);
                    EXPECT_EQ(s.cardColour, TaggedValue::fromInt32(0x0000FF));
                } else if (name == DataFile::Names && !writesFailed) {
                    const std::vector<std::string> names = readNameRecords(file);
                    ASSERT_GE(names.size(), 2u);
                    EXPECT_EQ(names[0], "Ada");
                    EXPECT_EQ(names[1], "Νίκος");
                } else {
                    EXPECT_EQ(bytesOf(file), good[name]);
                }
                continue;
            }
            const fs::file_status st = fs::symlink_status(file);
            switch (bad->second) {
            case Bad::Truncated:
            case Bad::Garbage:
                // A corrupt file the play writes is written; any other stays.
                if (!playWrites.count(name)) {
                    EXPECT_EQ(bytesOf(file), spoiltBytes[name]);
                }
                break;
            case Bad::Huge:
                EXPECT_EQ(fs::file_size(file), HugeSize);
                break;
            case Bad::Folder:
                EXPECT_EQ(bytesOf(file / "keep"), "mine");
                break;
            case Bad::Pipe:
                EXPECT_TRUE(fs::is_fifo(st));
                break;
            case Bad::Zero:
            case Bad::Random:
                EXPECT_TRUE(fs::is_symlink(st));
                break;
            }
        }
        // Nothing left behind: no temporary file, no file made in a bad one's place.
        std::set<std::string> now = entries(data);
        for (const auto& [name, kind] : spoilt)
            if (kind == Bad::Folder)
                now.erase(name + "/keep");
        EXPECT_EQ(now, before);
    }

    QTemporaryDir tmp;
    fs::path data;
    std::map<std::string, std::string> good;
    std::map<std::string, Bad> spoilt;
    std::map<std::string, std::string> spoiltBytes;
    std::set<std::string> before;
};

// Half the files bad in one way, the other half good; then the other half.
class BadFilesTest : public BadDataFolderTest, public ::testing::WithParamInterface<std::tuple<Bad, int>> { };

std::string caseName(const ::testing::TestParamInfo<std::tuple<Bad, int>>& info)
{
    return std::string(badNames[static_cast<int>(std::get<0>(info.param))]) + "Half" +
        std::to_string(std::get<1>(info.param));
}

TEST_P(BadFilesTest, TheGameStartsAndPlaysAndLosesNothing)
{
    const auto [kind, half] = GetParam();
    std::string which;
    for (std::size_t i = half; i < dataFiles.size(); i += 2) {
        spoil(dataFiles[i], kind);
        which += " " + dataFiles[i];
    }
    EXPECT_TRUE(playInChild(std::string(badNames[static_cast<int>(kind)]) + ":" + which));
    expectNothingLost(false);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BadFilesTest,
    ::testing::Combine(
        ::testing::Values(Bad::Truncated, Bad::Garbage, Bad::Huge, Bad::Folder, Bad::Pipe, Bad::Zero, Bad::Random),
        ::testing::Values(0, 1)),
    caseName);

TEST_F(BadDataFolderTest, AFullDiskLosesNothing)
{
    // Every write that would add a byte to a file fails, as on a full disk.
    EXPECT_TRUE(playInChild("full disk", [] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit size{};
        ::getrlimit(RLIMIT_FSIZE, &size);
        size.rlim_cur = 0;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &size), 0);
    }));
    expectNothingLost(true);
}

// Root ignores permissions; an immutable folder and files bind it too.
class ReadOnly {
public:
    explicit ReadOnly(const fs::path& folder)
    {
        for (const auto& e : fs::recursive_directory_iterator(folder))
            paths_.push_back(e.path());
        paths_.push_back(folder);
        ok_ = true;
        for (const fs::path& p : paths_)
            ok_ = ok_ && protect(p, true);
    }
    ~ReadOnly()
    {
        for (const fs::path& p : paths_)
            protect(p, false);
    }
    bool ok() const { return ok_; }

private:
    static bool protect(const fs::path& p, bool on)
    {
        if (::geteuid() != 0) {
            std::error_code ec;
            fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                on ? fs::perm_options::remove : fs::perm_options::add, ec);
            return !ec;
        }
        const int fd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        int flags = 0;
        const bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
            (flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL,
                ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        if (fd >= 0)
            ::close(fd);
        return done;
    }

    std::vector<fs::path> paths_;
    bool ok_ = false;
};

TEST_F(BadDataFolderTest, AReadOnlyFolderLosesNothing)
{
    ReadOnly readOnly(data);
    if (!readOnly.ok())
        GTEST_SKIP() << "this file system cannot make the folder immutable for root";
    EXPECT_TRUE(playInChild("read-only folder"));
    expectNothingLost(true);
}

}  // namespace
}  // namespace vornel
