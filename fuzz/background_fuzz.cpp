// The wallpaper file of any content: the paths read are its lines, split at
// CR LF, LF or CR, in file order, without the lines that are blank (spaces
// only) or name nothing that exists; written back, they give the file the
// model writes and read the same again.
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "FuzzFile.h"
#include "storage/BackgroundFile.h"
#include "storage/Codepage.h"

using namespace vornel;
using namespace vornel::fuzz;
namespace fs = std::filesystem;

namespace {

// The wallpapers the lines may name: the files are read from their folder,
// so a line that is one of these names refers to it. The seeds use them, and
// "folder.bmp", "dangling.bmp" and "gone.bmp", which name nothing usable.
const std::set<std::string> existing{"sea.bmp", "Ωμέγα.bmp", "two words.bmp", " lead.bmp", "pipe.bmp", "link.bmp"};

const fs::path& wallpaperFolder()
{
    static const fs::path folder = scratchFile("walls");
    return folder;
}

void makeWallpapers()
{
    const fs::path& folder = wallpaperFolder();
    fs::create_directories(folder / "folder.bmp");
    for (const char* name : {"sea.bmp", "Ωμέγα.bmp", "two words.bmp", " lead.bmp"})
        writeFile(folder / name, reinterpret_cast<const std::uint8_t*>("BM"), 2);
    ::mkfifo((folder / "pipe.bmp").c_str(), 0644);
    std::error_code ec;
    fs::create_symlink("sea.bmp", folder / "link.bmp", ec);
    fs::create_symlink("gone.bmp", folder / "dangling.bmp", ec);
}

// Inside the wallpapers' folder for one input; libFuzzer's own paths are
// relative to the folder it was started in.
class InWallpaperFolder {
public:
    InWallpaperFolder() : back_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (back_ < 0 || ::chdir(wallpaperFolder().c_str()) != 0)
            std::abort();
    }
    ~InWallpaperFolder()
    {
        if (::fchdir(back_) != 0)
            std::abort();
        ::close(back_);
    }

private:
    int back_;
};

// A plain name is looked up among the wallpapers made; a path with a folder
// in it is left to the file system.
bool exists(const std::string& path)
{
    if (path.find('/') == std::string::npos && path.find('\0') == std::string::npos)
        return existing.count(path) != 0;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    return path.find('\0') == std::string::npos && fs::exists(st) && !fs::is_directory(st);
}

std::vector<std::string> model(const std::string& bytes)
{
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;  // the LF ends it
        if (c == '\r' || c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    std::vector<std::string> paths;
    std::set<std::string> seen;
    for (const std::string& line : lines) {
        if (line.find_first_not_of(' ') == std::string::npos || !seen.insert(line).second)
            continue;
        const std::string path = fromAnsi(line);
        if (exists(path))
            paths.push_back(path);
        if (paths.size() == MaxBackgroundPaths)
            break;
    }
    return paths;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    makeWallpapers();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InWallpaperFolder here;
    const auto path = scratchFile("background.dat");
    writeFile(path, data, size);
    const std::vector<std::string> paths = readBackgroundFile(path);
    FUZZ_CHECK(paths == model(std::string(reinterpret_cast<const char*>(data), size)));

    FUZZ_CHECK(writeBackgroundFile(path, paths));
    std::string expected;
    for (const std::string& p : paths)
        expected += toAnsi(p) + "\r\n";
    const std::string written = readFile(path);
    FUZZ_CHECK(written == expected);
    FUZZ_CHECK(readBackgroundFile(path) == model(written));
    return 0;
}
