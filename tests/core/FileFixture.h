#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vornel::testing {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

inline void writeBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Puts `bytes` at the start of record `record`, the rest of it unchanged.
inline void putHead(std::string& file, int record, const std::string& bytes)
{
    file.replace(static_cast<std::size_t>(record - 1) * 128, bytes.size(), bytes);
}

// Names in the folder, hidden ones included.
inline std::set<std::string> entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Runs `probe` in a child process that an alarm ends after two seconds and
// that may not use much memory: a call that blocks or reads without end
// fails the test instead of hanging or exhausting the machine. True when the
// probe returned true in time.
template <class Probe> bool passesInChild(Probe probe)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(2);
        const rlimit memory{512u << 20, 512u << 20};
        ::setrlimit(RLIMIT_AS, &memory);
        ::_exit(probe() ? 0 : 1);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A fresh folder for each test, removed with everything in it.
class FileFixture : public ::testing::Test {
protected:
    void SetUp() override { dir = makeFolder(fs::temp_directory_path()); }
    void TearDown() override
    {
        for (const fs::path& folder : folders_) {
            std::error_code ec;
            fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
            fs::remove_all(folder, ec);
        }
    }

    // Another fresh folder, under `base`; removed with the test's own.
    fs::path makeFolder(const fs::path& base)
    {
        std::string pattern = (base / "vornel-files-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder in " + base.string());
        return folders_.emplace_back(pattern);
    }

    fs::path dir;

private:
    std::vector<fs::path> folders_;
};

}  // namespace vornel::testing
