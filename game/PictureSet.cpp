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
        {"red_balloon", "golden_key", "purple_umbrella", "electric_guitar", "light_bulb", "anchor", "camera", "teddy_bear", "football", "stack_of_books"});
    static const PictureSet faces = makeSet({"crying_face", "face_with_sunglasses", "red_angry_face", "blue_cold_face", "green_nauseated_face", "clown_face",
        "face_with_heart_eyes", "grey_alien", "santa_claus", "monkey_face"});
    static const PictureSet food = makeSet({"red_apple", "banana", "cherries", "slice_of_pizza", "doughnut", "grapes",
        "slice_of_watermelon", "ice_cream_cone", "carrot", "hamburger"});
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
