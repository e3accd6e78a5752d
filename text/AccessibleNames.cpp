#include "text/AccessibleNames.h"

#include <array>
#include <utility>

namespace vornel::AccessibleNames {

namespace {

constexpr std::array<std::pair<std::string_view, Bilingual>, 30> BuiltInPictures{{
    // Objects
    {"Image37", {"κόκκινο μπαλόνι", "red balloon"}},
    {"Image38", {"χρυσό κλειδί", "golden key"}},
    {"Image39", {"μωβ ομπρέλα", "purple umbrella"}},
    {"Image40", {"ηλεκτρική κιθάρα", "electric guitar"}},
    {"Image41", {"λάμπα", "light bulb"}},
    {"Image42", {"άγκυρα", "anchor"}},
    {"Image43", {"φωτογραφική μηχανή", "camera"}},
    {"Image44", {"αρκουδάκι", "teddy bear"}},
    {"Image45", {"μπάλα ποδοσφαίρου", "football"}},
    {"Image29", {"στοίβα βιβλία", "stack of books"}},
    // Faces
    {"Picture101", {"πρόσωπο που κλαίει", "crying face"}},
    {"Image21", {"πρόσωπο με γυαλιά ηλίου", "face with sunglasses"}},
    {"Image22", {"κόκκινο θυμωμένο πρόσωπο", "red angry face"}},
    {"Image27", {"μπλε παγωμένο πρόσωπο", "blue cold face"}},
    {"Image24", {"πράσινο πρόσωπο με ναυτία", "green nauseated face"}},
    {"Image25", {"πρόσωπο κλόουν", "clown face"}},
    {"Image26", {"πρόσωπο με καρδιές στα μάτια", "face with heart eyes"}},
    {"Image31", {"γκρίζος εξωγήινος", "grey alien"}},
    {"Picture103", {"Άγιος Βασίλης", "Santa Claus"}},
    {"Picture102", {"πρόσωπο μαϊμούς", "monkey face"}},
    // Food
    {"Image55", {"κόκκινο μήλο", "red apple"}},
    {"Image30", {"μπανάνα", "banana"}},
    {"Image23", {"κεράσια", "cherries"}},
    {"Image32", {"κομμάτι πίτσα", "slice of pizza"}},
    {"Image33", {"ντόνατ", "doughnut"}},
    {"Image34", {"σταφύλια", "grapes"}},
    {"Picture100", {"φέτα καρπούζι", "slice of watermelon"}},
    {"Image35", {"χωνάκι παγωτό", "ice cream cone"}},
    {"Image36", {"καρότο", "carrot"}},
    {"Image111", {"χάμπουργκερ", "hamburger"}},
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

std::string action(bool useGreek, const Bilingual& what, Availability availability)
{
    const Bilingual& state = availability == Availability::Available ? Available
        : availability == Availability::Used                       ? Used
                                                                   : NotAvailable;
    return what.in(useGreek) + ", " + state.in(useGreek);
}

std::string pictureSlot(bool useGreek, int number, const std::string& picture, bool selected)
{
    std::string name = PictureSlot.in(useGreek) + ' ' + std::to_string(number) + ": " +
        (picture.empty() ? EmptySlot.in(useGreek) : picture);
    if (selected)
        name += ", " + Selected.in(useGreek);
    return name;
}

std::string colour(bool useGreek, std::string_view what, int red, int green, int blue)
{
    return std::string(what) + ": " + Red.in(useGreek) + ' ' + std::to_string(red) + ", " + Green.in(useGreek) + ' ' +
        std::to_string(green) + ", " + Blue.in(useGreek) + ' ' + std::to_string(blue);
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
