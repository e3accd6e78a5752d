// The game started and played on a data folder that is read-only, full, or
// whose files are truncated, garbage, huge, folders, pipes or endless: it
// neither crashes nor hangs, and a good file beside a bad one keeps what it
// held. Each play runs in a child process that an alarm ends.
#include <QThreadPool>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

#include "UiSupport.h"
#include "storage/ColoursFile.h"
#include "storage/CustomImagesFile.h"
#include "storage/DefaultColoursFile.h"
#include "storage/NamesFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"
#include "text/Messages.h"
#include "ui/windows/HelpWindow.h"
#include "ui/windows/LoseScreen.h"
#include "ui/windows/WinScreen.h"

namespace vornel {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// A way a file is spoilt, or the whole folder.
enum class Bad { Truncated, Garbage, Huge, Folder, Pipe, Zero, Random, FullDisk, ReadOnly };
const char* const badNames[] = {
    "Truncated", "Garbage", "Huge", "Folder", "Pipe", "DevZero", "DevUrandom", "FullDisk", "ReadOnly"};

// Every file the game reads from its data folder, and those a play writes
// (a new player, a score, the settings at closing).
const std::vector<std::string> dataFiles{DataFile::SingleScores, DataFile::ChampionshipScores, DataFile::Names,
    DataFile::Colours, DataFile::DefaultColours, DataFile::CustomImages, DataFile::Background, DataFile::English,
    DataFile::Help, "HelpPictures/game.png", DataFile::WinSound, DataFile::LoseSound,
    std::string(DataFile::Photos) + "/sea.bmp"};
const std::set<std::string> playWrites{DataFile::SingleScores, DataFile::Names, DataFile::Background};
// Larger than any limit of the game's readers; sparse, so it costs no disk.
constexpr std::uintmax_t HugeSize = (std::uintmax_t(256) << 20) + 1;

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void put(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

// What a spoilt file is, to tell it was left alone.
std::string shape(const fs::path& file)
{
    const fs::file_status st = fs::symlink_status(file);
    if (fs::is_symlink(st) || fs::is_fifo(st))
        return fs::is_fifo(st) ? "pipe" : "link to " + fs::read_symlink(file).string();
    if (fs::is_directory(st))
        return "folder keeping " + bytesOf(file / "keep");
    return fs::file_size(file) == HugeSize ? "huge" : bytesOf(file);
}

std::set<std::string> entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        names.insert(e.path().lexically_relative(folder).string());
    return names;
}

// Start-up, a new player, a won game (its animation and sound, the score
// message), a lost one, the best scores, the custom pictures, F1, and
// closing. No or OK to every box, and every other modal window closed.
void play(const QString& folder)
{
    DesktopHost host;
    BoxAnswerer boxes;
    boxes.otherwise = [](const QString&) { return QMessageBox::No; };
    MainWindow w(host, false, folder);
    start(w, "Zoe");
    // A spoilt custom set is refused at start-up and leaves no pictures to
    // deal; the player then picks a set, as anyone would.
    if (w.game().currentPictureSet().at(1) == nullptr)
        child<QAction>(w, "objectsAction")->trigger();

    click(child(w, "newGameCaption"));
    clearBoard(w);
    ASSERT_TRUE(w.winScreen()->isVisible());
    tick(*w.winScreen(), "animationTimer", 17);
    const qsizetype shown = boxes.texts.size();
    click(w.winScreen());
    ASSERT_TRUE(BoxAnswerer::waitFor([&] { return boxes.texts.size() > shown; })) << "no score message";

    click(child(w, "newGameCaption"));
    for (int t = 0; t < 300 && !w.loseScreen()->isVisible(); ++t)
        tick(w, "clockTimer");
    ASSERT_TRUE(w.loseScreen()->isVisible());
    tick(*w.loseScreen(), "animationTimer", 37);
    click(w.loseScreen());

    child<QAction>(w, "bestScoresAction")->trigger();
    child<QAction>(w, "choosePicturesAction")->trigger();
    EXPECT_EQ(boxes.windows, (QStringList{"BestScoresWindow", "CustomPicturesWindow"}));
    child<QAction>(w, "helpContentsAction")->trigger();
    auto* help = w.findChild<HelpWindow*>("HelpWindow");
    EXPECT_TRUE((help && help->isVisible()) || boxes.texts.last().toStdString() == Messages::HelpMissing);
    w.close();
}

// The folder and all in it readable by anyone, and writable by its owner or by none.
void writable(const fs::path& folder, bool on)
{
    const fs::perms write = on ? fs::perms::owner_write : fs::perms::none;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        fs::permissions(e.path(), (e.is_directory() ? fs::perms(0555) : fs::perms(0444)) | write);
    fs::permissions(folder, fs::perms(0555) | write);
}

// One play: every other data file spoilt one way (half 0 or 1), or the whole
// folder full or read-only (half -1).
struct Case { Bad bad; int half; };

std::vector<Case> everyCase()
{
    std::vector<Case> cases;
    for (Bad b : {Bad::Truncated, Bad::Garbage, Bad::Huge, Bad::Folder, Bad::Pipe, Bad::Zero, Bad::Random})
        cases.insert(cases.end(), {{b, 0}, {b, 1}});
    cases.insert(cases.end(), {{Bad::FullDisk, -1}, {Bad::ReadOnly, -1}});
    return cases;
}

class BadDataFolder : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        data = fs::path(tmp.path().toStdString()) / "data";
        const auto file = [&](const char* name) { return data / name; };
        CustomImages custom;
        custom.lastFolder = (data / "pics").string();
        for (int i = 0; i < CustomImages::SlotCount; ++i)
            custom.paths[i] = savePicture(QString::fromStdString(custom.lastFolder) + QStringLiteral("/%1.png").arg(i),
                {12, 10}, QColor::fromHsv(i * 36, 200, 200)).toStdString();
        for (const char* p : {"Photos/sea.bmp", "HelpPictures/game.png"})
            savePicture(QString::fromStdString(file(p).string()), {40, 30});

        using T = TaggedValue;
        ASSERT_TRUE(writeScoreTable(file(DataFile::SingleScores),
            {{T::fromText("300"), T::fromText("200")}, {T::fromText("Ada"), T::fromText("Bob")}}));
        // Card pictures 600 x 700 twips and red, Easy, the player's own pictures, a wallpaper.
        const std::string sea = file("Photos/sea.bmp").string();
        ASSERT_TRUE(writeSettingsRecords(file(DataFile::SingleScores), {600, 700, T::fromInt32(0xFF), 1, 4, sea}));
        ASSERT_TRUE(writeScoreTable(file(DataFile::ChampionshipScores), {{T::fromText("5000")}, {T::fromText("Άννα")}}));
        ASSERT_TRUE(writeNames(file(DataFile::Names), {"Ada", "Νίκος"}));
        ASSERT_TRUE(writeColoursFile(file(DataFile::Colours), {0xFF, 0xFF00, 0xFF0000, 0xC0C0C0, 0x808080}));
        ASSERT_TRUE(writeDefaultColours(
            file(DataFile::DefaultColours), {{0, 0, 0xFF, 0x8000, 0xC0C0C0}, TaggedValue::fromInt32(0x00C000)}));
        ASSERT_TRUE(writeCustomImages(file(DataFile::CustomImages), custom));
        put(file(DataFile::Background), custom.paths[0] + "\r\n" + custom.paths[1] + "\r\n");
        put(file(DataFile::Help), "<html><body><a name=\"en\"></a><p>Help</p><img src=\"HelpPictures/game.png\">"
                                  "<a name=\"el\"></a></body></html>");
        for (const char* asset : {"english.ini", "sounds/Win.SON", "sounds/CRASH1.SON"})
            fs::copy_file(fs::path(VORNEL_ASSETS) / asset, data / fs::path(asset).filename());
        for (const std::string& name : dataFiles)
            good[name] = bytesOf(data / name);
        before = entries(data);
    }

    void spoil(const std::string& name, Bad kind)
    {
        const fs::path file = data / name;
        const std::string& bytes = good[name];
        std::mt19937 random(static_cast<unsigned>(std::hash<std::string>{}(name)));
        std::string noise(bytes.size(), '\0');
        for (char& c : noise)
            c = static_cast<char>(random());
        fs::remove(file);
        if (kind == Bad::Truncated || kind == Bad::Garbage || kind == Bad::Huge)
            put(file, kind == Bad::Truncated ? bytes.substr(0, bytes.size() * 2 / 3) : kind == Bad::Garbage ? noise : bytes);
        if (kind == Bad::Huge)
            fs::resize_file(file, HugeSize);
        else if (kind == Bad::Folder && fs::create_directory(file))
            put(file / "keep", "mine");
        else if (kind == Bad::Pipe)
            ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        else if (kind == Bad::Zero || kind == Bad::Random)
            fs::create_symlink(kind == Bad::Zero ? "/dev/zero" : "/dev/urandom", file);
        spoilt[name] = {kind, shape(file)};
    }

    // Plays in a child process, the disk full or the folder read-only as
    // `bad` says. False when the child failed, crashed, or took more than
    // three seconds or a gigabyte.
    bool playInChild(const std::string& what, Bad bad)
    {
        // A child has none of its parent's threads: Qt's shared pool, which
        // scales large pictures, must have none left to hand work to.
        QThreadPool::globalInstance()->waitForDone();
        const int code = inChild([&] {
            const rlimit memory{rlim_t(1) << 30, rlim_t(1) << 30};
            ::setrlimit(RLIMIT_AS, &memory);
            // On a full disk every write that would add a byte to a file fails.
            rlimit size{};
            ::getrlimit(RLIMIT_FSIZE, &size);
            size.rlim_cur = 0;
            std::signal(SIGXFSZ, SIG_IGN);
            EXPECT_TRUE(bad != Bad::FullDisk || ::setrlimit(RLIMIT_FSIZE, &size) == 0);
            EXPECT_TRUE(bad != Bad::ReadOnly || asNobody());
            play(QString::fromStdString(data.string()));  // an exception out of it ends the child
            return ::testing::Test::HasFailure() ? 1 : 0;
        }, 3);
        std::printf("%s: %s\n", what.c_str(), code == 0 ? "played" : "failed");
        return code == 0;
    }

    // Good files keep what they held; bad ones stay as they were, but for
    // a corrupt one the play writes; nothing is left behind.
    void expectNothingLost(bool writesFailed)
    {
        for (const std::string& name : dataFiles) {
            SCOPED_TRACE(name);
            const fs::path file = data / name;
            if (const auto bad = spoilt.find(name); bad != spoilt.end()) {
                const Bad kind = bad->second.first;
                const bool rewritten = playWrites.count(name) && (kind == Bad::Truncated || kind == Bad::Garbage);
                EXPECT_TRUE(rewritten || shape(file) == bad->second.second);
            } else if (name == DataFile::SingleScores && !writesFailed) {
                const ScoreTable t = readScoreTable(file);
                std::set<std::string> kept;
                for (int p = 0; p < ScoreTable::Places; ++p)
                    kept.insert(t.scores[p].toText() + " " + t.names[p].toText());
                EXPECT_TRUE(kept.count("300 Ada") && kept.count("200 Bob"));
                const SettingsRecords s = readSettingsRecords(file);
                EXPECT_TRUE(s.cardPictureWidth == 700 && s.cardColour == TaggedValue::fromInt32(0xFF));
            } else if (name == DataFile::Names && !writesFailed) {
                const std::vector<std::string> names = readNameRecords(file);
                EXPECT_TRUE(names.size() >= 2 && names[0] == "Ada" && names[1] == "Νίκος");
            } else {
                EXPECT_EQ(bytesOf(file), good[name]);
            }
        }
        std::set<std::string> now = entries(data);
        for (const auto& [name, how] : spoilt)
            if (how.first == Bad::Folder)
                now.erase(name + "/keep");
        EXPECT_EQ(now, before);
    }

    QTemporaryDir tmp;
    fs::path data;
    std::map<std::string, std::string> good;
    std::map<std::string, std::pair<Bad, std::string>> spoilt;  // how, and what it was then
    std::set<std::string> before;
};

TEST_P(BadDataFolder, TheGameStartsAndPlaysAndLosesNothing)
{
    const Case c = GetParam();
    std::string what = badNames[static_cast<int>(c.bad)];
    for (int i = c.half; c.half >= 0 && i < static_cast<int>(dataFiles.size()); i += 2) {
        spoil(dataFiles[i], c.bad);
        what += " " + dataFiles[i];
    }
    if (c.bad == Bad::ReadOnly) {
        fs::permissions(data.parent_path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
        writable(data, false);
    }
    EXPECT_TRUE(playInChild(what, c.bad));
    if (c.bad == Bad::ReadOnly)
        writable(data, true);
    expectNothingLost(c.half < 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BadDataFolder, ::testing::ValuesIn(everyCase()), [](const auto& info) {
    const Case& c = info.param;
    return badNames[static_cast<int>(c.bad)] + (c.half < 0 ? std::string() : "Half" + std::to_string(c.half));
});

}  // namespace
}  // namespace vornel
