#include "storage/BackgroundFile.h"

#include <set>
#include <system_error>

#include "storage/Codepage.h"
#include "storage/SafeFile.h"

namespace vornel {

namespace {

bool blank(std::string_view line)
{
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// Lines end with CR LF; a lone LF or CR, as an editor may leave, ends one too.
std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

}  // namespace

std::vector<std::string> readBackgroundFile(const std::filesystem::path& file)
{
    std::vector<std::string> paths;
    const std::optional<std::string> bytes = readRegularFile(file);
    if (!bytes)
        return paths;
    std::set<std::string_view> seen;
    for (std::string_view line : splitLines(*bytes)) {
        if (blank(line) || !seen.insert(line).second)
            continue;
        std::string path = fromAnsi(line);
        if (!fileExists(path))
            continue;
        paths.push_back(std::move(path));
        if (paths.size() == MaxBackgroundPaths)
            break;
    }
    return paths;
}

SaveResult writeBackgroundFile(const std::filesystem::path& file, const std::vector<std::string>& paths)
{
    // A file we could not read (too large, a device) holds something that is
    // not ours to overwrite. A link is read through; one that leads nowhere
    // is as good as missing, and the save replaces it.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::status(file, ec)) && !readRegularFile(file))
        return SaveResult::failed(SaveFailure::NotARegularFile);
    std::string bytes;
    for (const std::string& path : paths) {
        if (path.find_first_of("\r\n") != std::string::npos)
            continue;
        bytes += toAnsi(path);
        bytes += "\r\n";
    }
    return replaceFileContents(file, bytes);
}

}  // namespace vornel
