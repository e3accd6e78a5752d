#pragma once
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace vornel::testing {

namespace fs = std::filesystem;
using namespace std::string_literals;

inline std::string readBytes(const fs::path& file)
{
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return std::move(bytes).str();
}

inline void writeBytes(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

// `file` with each listed record (from 1) starting with the given bytes, the rest unchanged.
using Heads = std::initializer_list<std::pair<int, std::string>>;
inline std::string patched(std::string file, Heads heads)
{
    for (const auto& [record, bytes] : heads)
        file.replace(static_cast<std::size_t>(record - 1) * 128, bytes.size(), bytes);
    return file;
}
inline std::string records(int count, Heads heads = {}) { return patched(std::string(count * 128, '\0'), heads); }

// Records full of bytes no writer would produce, so a byte changed by mistake shows.
inline std::string noise(int records)
{
    std::string bytes(records * 128, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

// A text as a record holds it: the 16-bit length, then the code-page bytes; tagged, after type 8.
inline std::string text(const std::string& ansi) { return std::string{static_cast<char>(ansi.size()), '\0'} + ansi; }
inline std::string taggedText(const std::string& ansi) { return "\x08\x00"s + text(ansi); }

// Names in the folder, hidden ones included.
inline std::set<std::string> entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// True when `probe` returns true in a child process that an alarm ends after
// two seconds and that may not use much memory: a call that blocks or reads
// without end fails the test instead of hanging or exhausting the machine.
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
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace vornel::testing
