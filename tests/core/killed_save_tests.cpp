#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <poll.h>
#include <random>
#include <sys/inotify.h>

#include "FileBytes.h"
#include "TempFolder.h"
#include "storage/BackgroundFile.h"
#include "storage/ColoursFile.h"
#include "storage/CustomImagesFile.h"
#include "storage/DataFiles.h"
#include "storage/DefaultColoursFile.h"
#include "storage/NamesFile.h"
#include "storage/RecordFile.h"
#include "storage/ScoreFile.h"
#include "storage/SettingsRecords.h"

using namespace vornel;
using namespace vornel::testing;

namespace {

using Clock = std::chrono::steady_clock;

// One module's save. Generation 0 and 1 differ in every value and agree in
// every length, so a file that mixes them is told from either. Files are
// made large (records that are not the module's, or many entries) so that
// kills land inside saves.
struct SavingModule {
    const char* name;
    const char* file;
    std::function<SaveResult(const fs::path&, int generation)> write;
};

// Long texts: the time of a save goes to its bytes rather than to the code page.
std::string g(int generation, int i)
{
    return (generation ? "Ωμέγα " : "alpha ") + std::to_string(1000 + i) + std::string(100, 'x');
}

std::vector<std::string> many(int generation, int count)
{
    std::vector<std::string> texts(count);
    for (int i = 0; i < count; ++i)
        texts[i] = "/home/ada/" + g(generation, i);
    return texts;
}

const std::vector<SavingModule> modules{
    {"ScoreFile", DataFile::SingleScores,
        [](const fs::path& f, int gen) {
            ScoreTable t;
            for (int p = 0; p < ScoreTable::Places; ++p) {
                t.scores[p] = TaggedValue::fromText(std::to_string(1000 * (gen + 1) + p));
                t.names[p] = TaggedValue::fromText(g(gen, p));
            }
            return writeScoreTable(f, t);
        }},
    {"NamesFile", DataFile::Names, [](const fs::path& f, int gen) { return writeNames(f, many(gen, 150)); }},
    {"SettingsRecords", DataFile::SingleScores,
        [](const fs::path& f, int gen) {
            const auto n = static_cast<std::int16_t>(gen);
            return writeSettingsRecords(f,
                {600 + gen, 700 + gen, TaggedValue::fromInt32(0x00C000 + gen), std::int16_t(1 + n), std::int16_t(3 + n),
                    g(gen, 0), n});
        }},
    {"CustomImagesFile", DataFile::CustomImages,
        [](const fs::path& f, int gen) {
            CustomImages images;
            std::ranges::copy(many(gen, CustomImages::SlotCount), images.paths.begin());
            images.lastFolder = g(gen, 10);
            return writeCustomImages(f, images);
        }},
    {"ColoursFile", DataFile::Colours,
        [](const fs::path& f, int gen) { return writeColoursFile(f, {gen, -gen - 1, 0x100 + gen, 0xFF0000 + gen, 7 - gen}); }},
    {"DefaultColoursFile", DataFile::DefaultColours,
        [](const fs::path& f, int gen) {
            return writeDefaultColours(f, {{gen, gen + 1, gen + 2, gen + 3, gen + 4}, TaggedValue::fromInt32(-gen - 5)});
        }},
    {"BackgroundFile", DataFile::Background, [](const fs::path& f, int gen) { return writeBackgroundFile(f, many(gen, 150)); }},
};

class KilledSaveTest : public ::testing::TestWithParam<SavingModule> { };

// The child saves the two generations in turn without end. The first save of
// a new process is slower than the others, which the kills are timed on: the
// parent hears when it is done.
[[noreturn]] void saveForever(const SavingModule& m, const fs::path& file, const std::string& first, int ready)
{
    int gen = readBytes(file) == first ? 1 : 0;
    m.write(file, gen);
    if (::write(ready, "x", 1) != 1)
        ::_exit(1);
    for (gen = 1 - gen;; gen = 1 - gen)
        m.write(file, gen);
}

}  // namespace

TEST_P(KilledSaveTest, AKilledSaveLeavesTheOldOrTheNewContent)
{
    const SavingModule& m = GetParam();
    // The kills test the order of a save's steps, not the disk: in memory a
    // save does not wait for one, and many kills fit the time.
    const TempFolder temp(fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path());
    const fs::path folder = temp.path(), file = folder / m.file;
    writeBytes(file, noise(RecordFile::MaxRecord));  // records not the module's; the wallpaper list replaces them

    std::string bytes[2];
    Clock::duration cycle{};
    for (int gen : {0, 1}) {
        const auto start = Clock::now();
        ASSERT_TRUE(m.write(file, gen));
        cycle = Clock::now() - start;
        bytes[gen] = readBytes(file);
    }
    ASSERT_NE(bytes[0], bytes[1]);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> anywhere(0, std::chrono::nanoseconds(4 * cycle).count());
    std::uniform_int_distribution<long> whileWriting(0, 100'000);
    // Every other kill waits for a save to make its temporary file, and so
    // lands while the bytes are written, whatever else a save spends its time on.
    const int created = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_TRUE(created >= 0 && ::inotify_add_watch(created, folder.c_str(), IN_CREATE) >= 0);
    const std::string orphanPrefix = "." + file.filename().string() + ".";

    int kills = 0, seen[2] = {0, 0}, orphans = 0;
    const auto start = Clock::now();
    auto goOn = [&] {
        const auto spent = Clock::now() - start;
        // Until kills have left both contents and one has hit a save half done, a little longer.
        return (kills < 150 && spent < std::chrono::milliseconds(400)) ||
            ((orphans == 0 || seen[0] == 0 || seen[1] == 0) && spent < std::chrono::seconds(2));
    };
    for (; goOn(); ++kills) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(m, file, bytes[0], ready[1]);
        char events[4096];
        const bool started = ::read(ready[0], events, 1) == 1;
        ::close(ready[0]);
        ::close(ready[1]);
        while (::read(created, events, sizeof events) > 0) { }
        long delay = anywhere(random);
        if (kills % 2 == 1) {
            pollfd next{created, POLLIN, 0};
            ::poll(&next, 1, 1000);
            delay = whileWriting(random);
        }
        // A spin, not a sleep: a sleep this short would wake late.
        const auto until = Clock::now() + std::chrono::nanoseconds(delay);
        while (Clock::now() < until) { }
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ASSERT_TRUE(started);

        const std::string now = readBytes(file);
        ASSERT_TRUE(now == bytes[0] || now == bytes[1]) << "kill " << kills << ": " << now.size() << " bytes";
        ++seen[now == bytes[1] ? 1 : 0];
        std::set<std::string> left = entries(folder);
        left.erase(file.filename().string());
        ASSERT_TRUE(left.empty() || (left.size() == 1 && left.begin()->starts_with(orphanPrefix))) << "kill " << kills;
        orphans += !left.empty();
    }
    ::close(created);
    EXPECT_TRUE(seen[0] > 0 && seen[1] > 0 && orphans > 0)
        << kills << " kills: first content " << seen[0] << ", second " << seen[1] << ", half-done saves " << orphans;

    // The next save clears what a killed one left.
    ASSERT_TRUE(m.write(file, readBytes(file) == bytes[0] ? 1 : 0));
    EXPECT_EQ(entries(folder), std::set<std::string>{file.filename().string()});
}

INSTANTIATE_TEST_SUITE_P(EveryModule, KilledSaveTest, ::testing::ValuesIn(modules),
    [](const ::testing::TestParamInfo<SavingModule>& info) { return std::string(info.param.name); });
