#include "game/HelpFile.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <vector>

#include "storage/DataFiles.h"
#include "storage/SafeFile.h"
#include "text/HtmlShape.h"
#include "text/Messages.h"

namespace vornel {

namespace {

// The help viewer reads the file whole and lays it all out at once: a pipe
// would hold it, a device or a huge file would never end, and a page of
// deeply nested tables or lists would take minutes, or the whole stack.
// Such a file is no help file.
bool isHelpFile(const std::filesystem::path& file)
{
    const std::optional<std::string> text = readRegularFile(file, ManualBounds::Bytes);
    return text && withinManualBounds(*text);
}

bool isHelpFileName(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    std::string ext = name.substr(dot);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".hlp";
}

}  // namespace

std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& folder)
{
    const std::filesystem::path help = folder / DataFile::Help;
    if (isHelpFile(help))
        return help;
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isHelpFileName(name) && isHelpFile(it->path()))
            names.push_back(name);
    }
    if (names.empty())
        return std::nullopt;
    return folder / *std::min_element(names.begin(), names.end());
}

std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& folder, Host& host)
{
    std::optional<std::filesystem::path> help = findHelpFile(folder);
    if (!help)
        host.showMessage(std::string(Messages::HelpMissing), std::string(Messages::HelpMissingTitle));
    return help;
}

}  // namespace vornel
