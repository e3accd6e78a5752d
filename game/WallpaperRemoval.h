#pragma once
#include <optional>
#include <string>
#include <vector>

#include "game/WallpaperList.h"

namespace vornel {

// The remove window's pending lists: the names shown and the matching
// paths, and which position is selected.
class WallpaperRemoval {
public:
    // The user's entries of the menu (never entry 0 or a built-in picture).
    explicit WallpaperRemoval(const WallpaperList& list);

    const std::vector<std::string>& names() const { return names_; }
    const std::vector<std::string>& paths() const { return paths_; }
    int count() const { return static_cast<int>(names_.size()); }
    std::optional<int> selected() const { return selected_; }
    // The path of the selected name, if any.
    std::optional<std::string> selectedPath() const;

    // The window became active: the first name is selected.
    void activate();
    void select(std::optional<int> index);
    // Takes the selected name out and selects the one after it by the
    // window's rule: the new last one, or none, or the first.
    void remove();

private:
    std::vector<std::string> names_;
    std::vector<std::string> paths_;
    std::optional<int> selected_;
};

}  // namespace vornel
