#include "game/Wallpapers.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "storage/BackgroundFile.h"
#include "storage/Codepage.h"
#include "storage/SafeFile.h"
#include "text/Language.h"
#include "text/Messages.h"

namespace vornel {

namespace {

bool hasBmpExtension(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".bmp";
}

// The folder's bitmaps by name; a missing or unreadable folder has none.
std::vector<std::string> bitmapsIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (hasBmpExtension(name) && !it->is_directory(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool blank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

// Written to the wallpaper file as it is: one line, every letter in its code page.
bool storable(const std::string& path)
{
    return path.find_first_of("\r\n") == std::string::npos && fitsCodepage(path);
}

}  // namespace

bool admitWallpaperPath(const std::string& path, bool useGreek, Host& host)
{
    if (storable(path))
        return true;
    host.showMessage(Messages::PicturePathNotStorable.in(useGreek));
    return false;
}

Wallpapers::Wallpapers(
    Host& host, const Language& language, std::filesystem::path photosFolder, std::filesystem::path backgroundFile)
    : host_(host),
      language_(language),
      photosFolder_(std::move(photosFolder)),
      backgroundFile_(std::move(backgroundFile))
{
}

void Wallpapers::loadBuiltInWallpapers()
{
    list_.setNoneCaption(Messages::NoWallpaper.in(language_.UseGreek));
    for (const std::string& name : bitmapsIn(photosFolder_))
        list_.appendBuiltIn(name, (photosFolder_ / name).string());
    for (std::string& path : readBackgroundFile(backgroundFile_))
        list_.appendUserEntry(std::move(path));
}

WallpaperView Wallpapers::chooseWallpaper(int index)
{
    if (!list_.contains(index))
        return WallpaperView::Unchanged;
    list_.check(index);
    if (index == 0) {
        currentPath_.clear();
        return WallpaperView::Hidden;
    }
    const std::string& path = list_.entry(index).path;
    if (!fileExists(path)) {
        host_.showMessage(Messages::wallpaperMissing(language_.UseGreek, path), {}, MessageIcon::Critical);
        list_.disable(index);
        return WallpaperView::Unchanged;
    }
    currentPath_ = path;
    return WallpaperView::Shown;
}

WallpaperView Wallpapers::nextWallpaper()
{
    const std::optional<int> next = list_.nextIndex();
    return next ? chooseWallpaper(*next) : WallpaperView::Unchanged;
}

WallpaperView Wallpapers::restore()
{
    if (blank(currentPath_) || !fileExists(currentPath_)) {
        list_.check(0);
        return WallpaperView::Unchanged;
    }
    list_.uncheckAll();
    if (const std::optional<int> entry = list_.find(currentPath_))
        list_.check(*entry);
    return WallpaperView::Shown;
}

void Wallpapers::addWallpapers(const std::vector<std::string>& paths)
{
    std::size_t userEntries = list_.userPaths().size();
    for (const std::string& path : paths) {
        if (userEntries >= MaxBackgroundPaths)
            return;
        if (storable(path) && fileExists(path)) {
            list_.appendUserEntry(path);
            ++userEntries;
        }
    }
}

void Wallpapers::removeConfirmed(const std::vector<std::string>& keptPaths)
{
    list_.removeAllButFirst();
    if (const SaveResult saved = writeBackgroundFile(backgroundFile_, keptPaths); !saved)
        host_.showMessage(Messages::changeNotSaved(language_.UseGreek, saved.failure()));
    loadBuiltInWallpapers();
}

SaveResult Wallpapers::saveUserEntries() const
{
    return writeBackgroundFile(backgroundFile_, list_.userPaths());
}

}  // namespace vornel
