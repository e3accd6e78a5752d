#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "game/Host.h"
#include "game/PictureSet.h"
#include "storage/SafeFile.h"

namespace vornel {

struct Language;

// Reads the picture files the player chooses.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;
    // A new picture named by `path`, or nothing when there is no picture
    // this machine can read at that path.
    virtual PictureRef readPicture(const std::string& path) = 0;
};

struct CustomSlot {
    std::string path;    // "" when the slot is empty
    PictureRef picture;  // none when the slot is empty
    bool empty() const { return !picture; }
};

// The player's own ten pictures as the custom picture window edits them,
// kept in a file of their own with the folder last browsed.
class CustomPictures {
public:
    static constexpr int SlotCount = 10;

    CustomPictures(std::filesystem::path file, PictureFiles& files, Host& host, const Language& language);

    // Reads the file: each slot takes the picture of its stored path when
    // one can be read there and stays empty otherwise. Slot 0 is selected.
    void load();
    // Writes the ten paths and the last folder.
    SaveResult save() const;

    const CustomSlot& slot(int i) const { return slots_.at(i); }
    int selected() const { return selected_; }
    void select(int slot);
    const std::string& lastFolder() const { return lastFolder_; }
    // The folder browsed is remembered only when the file can keep it as it
    // is; otherwise the last one it could stays (false).
    bool setLastFolder(std::string folder);

    // The selected slot takes the picture at `path`. A path the file cannot
    // keep is refused with a message; a file that holds no picture this
    // machine reads leaves the slot as it was, without a word.
    bool add(const std::string& path);
    // Empties the selected slot.
    void deleteSelected();

    // 1 when no two filled slots hold the same file, else 0.
    int allDifferent() const;
    std::optional<int> firstEmptySlot() const;
    // Position k holds the very picture object of slot k - 1, so both cards
    // dealt from it match.
    PictureSet pictureSet() const;

private:
    std::filesystem::path file_;
    PictureFiles& files_;
    Host& host_;
    const Language& language_;
    std::array<CustomSlot, SlotCount> slots_;
    std::string lastFolder_;
    int selected_ = 0;
};

}  // namespace vornel
