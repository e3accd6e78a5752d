#include "storage/AppFolder.h"

#include <filesystem>
#include <system_error>

namespace vornel {

std::string AppFolder()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    // Without /proc the working folder is the best guess left.
    fs::path folder = ec ? fs::current_path(ec) : exe.parent_path();
    if (ec)
        return ".";
    std::string text = folder.string();
    while (!text.empty() && text.back() == '/')
        text.pop_back();
    return text;
}

}  // namespace vornel
