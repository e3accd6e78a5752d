#include "game/WallpaperList.h"

namespace vornel {

std::string GetFileName(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    const std::string_view beforeDot = path.substr(0, dot);
    const std::size_t slash = beforeDot.rfind('/');
    return std::string(slash == std::string_view::npos ? beforeDot : beforeDot.substr(slash + 1));
}

WallpaperList::WallpaperList() : entries_(1) { }

void WallpaperList::appendBuiltIn(const std::string& fileName, std::string path)
{
    entries_.push_back({GetFileName(fileName), std::move(path)});
}

void WallpaperList::appendUserEntry(std::string path)
{
    std::string caption = std::string(WallpaperEntry::UserPrefix) + GetFileName(path);
    entries_.push_back({std::move(caption), std::move(path)});
}

void WallpaperList::removeAllButFirst()
{
    entries_.resize(1);
}

void WallpaperList::check(int index)
{
    uncheckAll();
    if (contains(index))
        entries_[static_cast<std::size_t>(index)].checked = true;
}

void WallpaperList::uncheckAll()
{
    for (WallpaperEntry& e : entries_)
        e.checked = false;
}

void WallpaperList::disable(int index)
{
    if (contains(index))
        entries_[static_cast<std::size_t>(index)].enabled = false;
}

std::optional<int> WallpaperList::checkedIndex() const
{
    for (int i = 0; i < count(); ++i)
        if (entries_[static_cast<std::size_t>(i)].checked)
            return i;
    return std::nullopt;
}

std::optional<int> WallpaperList::nextIndex() const
{
    const std::optional<int> i = checkedIndex();
    if (!i)
        return std::nullopt;
    return *i < count() - 1 ? *i + 1 : 0;
}

std::optional<int> WallpaperList::find(const std::string& path) const
{
    for (int i = 0; i < count(); ++i)
        if (entries_[static_cast<std::size_t>(i)].path == path)
            return i;
    return std::nullopt;
}

std::vector<std::string> WallpaperList::userPaths() const
{
    std::vector<std::string> paths;
    for (const WallpaperEntry& e : entries_)
        if (e.isUserEntry())
            paths.push_back(e.path);
    return paths;
}

}  // namespace vornel
