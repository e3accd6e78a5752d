#include "game/PictureSet.h"

namespace vornel {

namespace {

PictureSet makeSet(const std::array<const char*, 10>& holders)
{
    PictureSet set;
    for (std::size_t i = 0; i < holders.size(); ++i)
        set.pictures[i] = std::make_shared<const Picture>(Picture{holders[i]});
    return set;
}

}  // namespace

const PictureSet& builtInPictureSet(PictureCategory category)
{
    static const PictureSet objects = makeSet(
        {"Image37", "Image38", "Image39", "Image40", "Image41", "Image42", "Image43", "Image44", "Image45", "Image29"});
    static const PictureSet faces = makeSet({"Picture101", "Image21", "Image22", "Image27", "Image24", "Image25",
        "Image26", "Image31", "Picture103", "Picture102"});
    static const PictureSet food = makeSet({"Image55", "Image30", "Image23", "Image32", "Image33", "Image34",
        "Picture100", "Image35", "Image36", "Image111"});
    static const PictureSet none;
    switch (category) {
    case PictureCategory::Objects:
        return objects;
    case PictureCategory::Faces:
        return faces;
    case PictureCategory::Food:
        return food;
    case PictureCategory::Custom:
        break;
    }
    return none;
}

}  // namespace vornel
