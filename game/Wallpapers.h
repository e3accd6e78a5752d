#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "game/Host.h"
#include "game/WallpaperList.h"
#include "storage/SafeFile.h"

namespace vornel {

struct Language;

// What the wallpaper picture behind the game does after an operation.
enum class WallpaperView {
    Unchanged,
    Hidden,  // emptied and hidden
    Shown,   // the current path's picture, shown
};

// The add window's Add button: whether `path` may join its list. A path the
// wallpaper file cannot keep as it is (a letter outside its code page) is
// refused with a message.
bool admitWallpaperPath(const std::string& path, bool useGreek, Host& host);

// The wallpapers of the main window: the menu's entries, the picture
// shown behind the game (by path) and the user's file of added pictures.
class Wallpapers {
public:
    Wallpapers(Host& host, const Language& language, std::filesystem::path photosFolder,
        std::filesystem::path backgroundFile);

    const WallpaperList& list() const { return list_; }
    // The picture shown behind the game, "" for none.
    const std::string& currentPath() const { return currentPath_; }
    // Start-up takes the saved path as it is; restore() then shows it.
    void setCurrentPath(std::string path) { currentPath_ = std::move(path); }

    // Appends "no wallpaper" captioned in the current language, the built-in
    // pictures by name, then the user's pictures from their file.
    void loadBuiltInWallpapers();
    // Entry `index` of the menu was chosen. A user's picture whose file is
    // gone is reported and its entry disabled; the picture stays as it was.
    WallpaperView chooseWallpaper(int index);
    // Chooses the entry after the checked one.
    WallpaperView nextWallpaper();
    // Start-up: shows the saved picture if its file is there, checking its
    // entry when one has exactly its path; otherwise checks "no wallpaper".
    // The saved path is kept either way.
    WallpaperView restore();

    // The add window was confirmed: the pictures that still exist become
    // user entries, in order, up to MaxBackgroundPaths of them; a path the
    // wallpaper file cannot keep is left out. They are saved at closing.
    void addWallpapers(const std::vector<std::string>& paths);
    // The remove window was confirmed with the paths it kept: the file is
    // rewritten and the menu built again. The picture shown stays.
    void removeConfirmed(const std::vector<std::string>& keptPaths);
    // Closing: the user's entries, in menu order, go to their file.
    SaveResult saveUserEntries() const;

private:
    Host& host_;
    const Language& language_;
    std::filesystem::path photosFolder_;
    std::filesystem::path backgroundFile_;
    WallpaperList list_;
    std::string currentPath_;
};

}  // namespace vornel
