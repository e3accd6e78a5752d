#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornel {

// The base name of a path: the text before its last ".", and of that the
// part after the last "/". A path without "." has none.
std::string GetFileName(std::string_view path);

// One entry of the wallpaper menu.
struct WallpaperEntry {
    std::string caption;
    std::string path;  // "" for entry 0, no wallpaper
    bool checked = false;
    bool enabled = true;

    // The user's own entries carry this mark in their caption; the remove
    // window lists them and closing saves their paths.
    static constexpr std::string_view UserMark = "¶}";
    static constexpr std::string_view UserPrefix = "{¶}  ";  // five characters

    bool isUserEntry() const { return caption.find(UserMark) != std::string::npos; }
};

// The wallpaper menu's entries, numbered from 0 without gaps: entry 0 is
// "no wallpaper", then the built-in pictures, then the user's own.
class WallpaperList {
public:
    WallpaperList();

    int count() const { return static_cast<int>(entries_.size()); }
    const WallpaperEntry& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    const std::vector<WallpaperEntry>& entries() const { return entries_; }

    void setNoneCaption(std::string caption) { entries_.front().caption = std::move(caption); }
    void appendBuiltIn(const std::string& fileName, std::string path);
    void appendUserEntry(std::string path);
    // Only entry 0 stays.
    void removeAllButFirst();

    // The check mark on `index` alone.
    void check(int index);
    void uncheckAll();
    void disable(int index);
    bool contains(int index) const { return index >= 0 && index < count(); }

    // The first checked entry.
    std::optional<int> checkedIndex() const;
    // The entry after the checked one, entry 0 after the last; none when
    // nothing is checked.
    std::optional<int> nextIndex() const;
    // The first entry whose path is exactly `path`.
    std::optional<int> find(const std::string& path) const;
    // The paths of the user's entries, in menu order.
    std::vector<std::string> userPaths() const;

private:
    std::vector<WallpaperEntry> entries_;
};

}  // namespace vornel
