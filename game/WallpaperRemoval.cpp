#include "game/WallpaperRemoval.h"

namespace vornel {

namespace {

// The caption after its first `n` characters (UTF-8).
std::string afterCharacters(const std::string& text, int n)
{
    std::size_t at = 0;
    for (int i = 0; i < n && at < text.size(); ++i) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return text.substr(at);
}

}  // namespace

WallpaperRemoval::WallpaperRemoval(const WallpaperList& list)
{
    for (int i = 1; i < list.count(); ++i) {
        const WallpaperEntry& e = list.entry(i);
        if (!e.isUserEntry())
            continue;
        names_.push_back(afterCharacters(e.caption, 5));
        paths_.push_back(e.path);
    }
}

std::optional<std::string> WallpaperRemoval::selectedPath() const
{
    if (!selected_)
        return std::nullopt;
    return paths_.at(static_cast<std::size_t>(*selected_));
}

void WallpaperRemoval::activate()
{
    if (!names_.empty())
        selected_ = 0;
}

void WallpaperRemoval::select(std::optional<int> index)
{
    selected_ = index && *index >= 0 && *index < count() ? index : std::nullopt;
}

void WallpaperRemoval::remove()
{
    if (!selected_) {
        activate();
        return;
    }
    const int k = *selected_;
    names_.erase(names_.begin() + k);
    paths_.erase(paths_.begin() + k);
    selected_.reset();
    if (names_.empty())
        return;
    if (k + 1 >= count())
        select(k - 1);
    else
        select(0);
}

}  // namespace vornel
