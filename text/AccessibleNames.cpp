#include "text/AccessibleNames.h"

#include <array>
#include <utility>

namespace vornel::AccessibleNames {

namespace {

constexpr std::array<std::pair<std::string_view, Bilingual>, 30> BuiltInPictures{{
    // Objects
    {"red_balloon", {"κόκκινο μπαλόνι", "red balloon"}},
    {"golden_key", {"χρυσό κλειδί", "golden key"}},
    {"purple_umbrella", {"μωβ ομπρέλα", "purple umbrella"}},
    {"electric_guitar", {"ηλεκτρική κιθάρα", "electric guitar"}},
    {"light_bulb", {"λάμπα", "light bulb"}},
    {"anchor", {"άγκυρα", "anchor"}},
    {"camera", {"φωτογραφική μηχανή", "camera"}},
    {"teddy_bear", {"αρκουδάκι", "teddy bear"}},
    {"football", {"μπάλα ποδοσφαίρου", "football"}},
    {"stack_of_books", {"στοίβα βιβλία", "stack of books"}},
    // Faces
    {"crying_face", {"πρόσωπο που κλαίει", "crying face"}},
    {"face_with_sunglasses", {"πρόσωπο με γυαλιά ηλίου", "face with sunglasses"}},
    {"red_angry_face", {"κόκκινο θυμωμένο πρόσωπο", "red angry face"}},
    {"blue_cold_face", {"μπλε παγωμένο πρόσωπο", "blue cold face"}},
    {"green_nauseated_face", {"πράσινο πρόσωπο με ναυτία", "green nauseated face"}},
    {"clown_face", {"πρόσωπο κλόουν", "clown face"}},
    {"face_with_heart_eyes", {"πρόσωπο με καρδιές στα μάτια", "face with heart eyes"}},
    {"grey_alien", {"γκρίζος εξωγήινος", "grey alien"}},
    {"santa_claus", {"Άγιος Βασίλης", "Santa Claus"}},
    {"monkey_face", {"πρόσωπο μαϊμούς", "monkey face"}},
    // Food
    {"red_apple", {"κόκκινο μήλο", "red apple"}},
    {"banana", {"μπανάνα", "banana"}},
    {"cherries", {"κεράσια", "cherries"}},
    {"slice_of_pizza", {"κομμάτι πίτσα", "slice of pizza"}},
    {"doughnut", {"ντόνατ", "doughnut"}},
    {"grapes", {"σταφύλια", "grapes"}},
    {"slice_of_watermelon", {"φέτα καρπούζι", "slice of watermelon"}},
    {"ice_cream_cone", {"χωνάκι παγωτό", "ice cream cone"}},
    {"carrot", {"καρότο", "carrot"}},
    {"hamburger", {"χάμπουργκερ", "hamburger"}},
}};

constexpr Bilingual Red{"κόκκινο", "red"};
constexpr Bilingual Green{"πράσινο", "green"};
constexpr Bilingual Blue{"μπλε", "blue"};

// The last part of a path without its extension; a name without a dot whole.
std::string_view baseName(std::string_view path)
{
    if (const std::size_t slash = path.rfind('/'); slash != std::string_view::npos)
        path.remove_prefix(slash + 1);
    if (const std::size_t dot = path.rfind('.'); dot != std::string_view::npos && dot > 0)
        path = path.substr(0, dot);
    return path;
}

}  // namespace

std::string card(bool useGreek, int number, CardFace face, const std::string& picture)
{
    std::string name = Card.in(useGreek) + ' ' + std::to_string(number);
    if (face == CardFace::Down)
        return name;
    name += ": " + picture;
    if (face == CardFace::Matched)
        name += ", " + Matched.in(useGreek);
    return name;
}

std::string valued(bool useGreek, const Bilingual& what, std::string_view value)
{
    return what.in(useGreek) + ": " + std::string(value);
}

std::string turnedBack(bool useGreek, int first, int second)
{
    const std::string cards = std::to_string(first) + (useGreek ? " και " : " and ") + std::to_string(second);
    return useGreek ? "Οι κάρτες " + cards + " γύρισαν πίσω" : "Cards " + cards + " turned back";
}

std::string pictureSlot(bool useGreek, int number, const std::string& picture, bool selected)
{
    std::string name = PictureSlot.in(useGreek) + ' ' + std::to_string(number) + ": " +
        (picture.empty() ? EmptySlot.in(useGreek) : picture);
    if (selected)
        name += ", " + Selected.in(useGreek);
    return name;
}

std::string rgb(bool useGreek, int red, int green, int blue)
{
    return Red.in(useGreek) + ' ' + std::to_string(red) + ", " + Green.in(useGreek) + ' ' + std::to_string(green) +
        ", " + Blue.in(useGreek) + ' ' + std::to_string(blue);
}

std::string colour(bool useGreek, std::string_view what, int red, int green, int blue)
{
    return std::string(what) + ": " + rgb(useGreek, red, green, blue);
}

std::optional<Bilingual> builtInPicture(std::string_view holder)
{
    for (const auto& [name, text] : BuiltInPictures)
        if (name == holder)
            return text;
    return std::nullopt;
}

std::string picture(bool useGreek, std::string_view name)
{
    if (const std::optional<Bilingual> builtIn = builtInPicture(name))
        return builtIn->in(useGreek);
    return std::string(baseName(name));
}

}  // namespace vornel::AccessibleNames
