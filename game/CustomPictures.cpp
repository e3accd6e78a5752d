#include "game/CustomPictures.h"

#include "storage/CustomImagesFile.h"
#include "text/Language.h"
#include "text/Messages.h"

namespace vornel {

CustomPictures::CustomPictures(std::filesystem::path file, PictureFiles& files, Host& host, const Language& language)
    : file_(std::move(file)), files_(files), host_(host), language_(language)
{
}

void CustomPictures::load()
{
    const CustomImages stored = readCustomImages(file_);
    for (int i = 0; i < SlotCount; ++i) {
        CustomSlot& s = slots_[i];
        s = {};
        // A file that has gone is dropped here, and so at the next save.
        if (PictureRef picture = stored.paths[i].empty() ? nullptr : files_.readPicture(stored.paths[i]))
            s = {stored.paths[i], std::move(picture)};
    }
    lastFolder_ = stored.lastFolder;
    selected_ = 0;
}

SaveResult CustomPictures::save() const
{
    CustomImages stored;
    for (int i = 0; i < SlotCount; ++i)
        stored.paths[i] = slots_[i].path;
    stored.lastFolder = lastFolder_;
    return writeCustomImages(file_, stored);
}

bool CustomPictures::setLastFolder(std::string folder)
{
    if (customImagesTextFit(folder) != RecordTextFit::Fits)
        return false;
    lastFolder_ = std::move(folder);
    return true;
}

void CustomPictures::select(int slot)
{
    if (slot >= 0 && slot < SlotCount)
        selected_ = slot;
}

bool CustomPictures::add(const std::string& path)
{
    switch (customImagesTextFit(path)) {
    case RecordTextFit::TooLong:
        host_.showMessage(Messages::PicturePathTooLong.in(language_.UseGreek));
        return false;
    case RecordTextFit::NotStorable:
        host_.showMessage(Messages::PicturePathNotStorable.in(language_.UseGreek));
        return false;
    case RecordTextFit::Fits:
        break;
    }
    PictureRef picture = files_.readPicture(path);
    if (!picture)
        return false;
    slots_[selected_] = {path, std::move(picture)};
    return true;
}

void CustomPictures::deleteSelected()
{
    slots_[selected_] = {};
}

int CustomPictures::allDifferent() const
{
    for (int i = 0; i < SlotCount; ++i)
        for (int j = 0; j < SlotCount; ++j)
            if (j != i && !slots_[i].empty() && !slots_[j].empty() && slots_[i].path == slots_[j].path)
                return 0;
    return 1;
}

std::optional<int> CustomPictures::firstEmptySlot() const
{
    for (int i = 0; i < SlotCount; ++i)
        if (slots_[i].empty())
            return i;
    return std::nullopt;
}

PictureSet CustomPictures::pictureSet() const
{
    PictureSet set;
    for (int i = 0; i < SlotCount; ++i)
        set.pictures[i] = slots_[i].picture;
    return set;
}

}  // namespace vornel
