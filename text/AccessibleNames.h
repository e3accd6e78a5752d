#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "text/Messages.h"

namespace vornel {

// What a screen reader reads for the program's controls and pictures, each
// Greek/English pair once. Names follow the language flag when they are set.
namespace AccessibleNames {

// The board and its cards
inline constexpr Bilingual Board{"Ταμπλό με 20 κάρτες", "Board of 20 cards"};
inline constexpr Bilingual BoardKeys{"Τα βέλη μετακινούν, το Διάστημα ή το Enter γυρίζει την κάρτα",
    "Arrow keys move, Space or Enter turns the card"};
inline constexpr Bilingual Card{"Κάρτα", "Card"};
inline constexpr Bilingual Matched{"ταιριασμένη", "matched"};
enum class CardFace { Down, Open, Matched };
// "Card 7", "Card 7: anchor", "Card 7: anchor, matched".
std::string card(bool useGreek, int number, CardFace face, const std::string& picture);
// What a turn did, read after the card's name
inline constexpr Bilingual PairFound{"Ζευγάρι", "Pair"};
inline constexpr Bilingual WrongPair{"Λάθος ζευγάρι", "Wrong pair"};
// "Cards 3 and 12 turned back".
std::string turnedBack(bool useGreek, int first, int second);

// The values of the main window, read as "what: value"
inline constexpr Bilingual TimeLeft{"Χρόνος που απομένει", "Time left"};
inline constexpr Bilingual Score{"Σκορ", "Score"};
inline constexpr Bilingual Player{"Παίκτης", "Player"};
inline constexpr Bilingual Level{"Επίπεδο", "Level"};
inline constexpr Bilingual Lives{"Ζωές", "Lives"};
inline constexpr Bilingual BestScores{"Καλύτερα σκορ", "Best scores"};
std::string valued(bool useGreek, const Bilingual& what, std::string_view value);

// Actions; whether one can be used now is its state, not in its name
inline constexpr Bilingual NewGame{"Νέο παιχνίδι", "New game"};
inline constexpr Bilingual NewChampionship{"Νέο πρωτάθλημα", "New championship"};
inline constexpr Bilingual Stop{"Διακοπή", "Stop"};
inline constexpr Bilingual TenSecondsHelp{"Βοήθεια: 10 δευτερόλεπτα με όλες τις εικόνες",
    "Help: 10 seconds with every picture shown"};
inline constexpr Bilingual TwoPairsHelp{"Βοήθεια: 2 ζευγάρια λύνονται", "Help: 2 pairs solved"};

// The win and lose screens
inline constexpr Bilingual Trophy{"Κύπελλο νίκης", "Winner's trophy"};
inline constexpr Bilingual Hourglass{"Κλεψύδρα", "Hourglass"};
inline constexpr Bilingual ClickToGoOn{"Κλικ για να συνεχίσεις", "Click to go on"};

// The player, custom picture, settings, palette and wallpaper windows
inline constexpr Bilingual PlayerName{"Όνομα παίκτη", "Player name"};
inline constexpr Bilingual PictureSlot{"Εικόνα", "Picture"};
inline constexpr Bilingual EmptySlot{"κενή", "empty"};
inline constexpr Bilingual Selected{"επιλεγμένη", "selected"};
// "Picture 3: sunset, selected", "Picture 4: empty".
std::string pictureSlot(bool useGreek, int number, const std::string& picture, bool selected);
inline constexpr Bilingual SlotNumber{"Αριθμός θέσης", "Slot number"};
inline constexpr Bilingual Preview{"Προεπισκόπηση εικόνας", "Picture preview"};
inline constexpr Bilingual NoPreview{"καμία εικόνα", "no picture"};
inline constexpr Bilingual ChosenFile{"Επιλεγμένο αρχείο", "Chosen file"};
inline constexpr Bilingual Places{"Δίσκοι", "Drives"};
inline constexpr Bilingual Folders{"Φάκελοι", "Folders"};
inline constexpr Bilingual PictureFiles{"Αρχεία εικόνων", "Picture files"};
inline constexpr Bilingual ChosenWallpapers{"Ταπετσαρίες προς πρόσθεση", "Wallpapers to add"};
inline constexpr Bilingual AddedWallpapers{"Ταπετσαρίες που πρόσθεσες", "Wallpapers you added"};
inline constexpr Bilingual PictureWidth{"Πλάτος εικόνων", "Picture width"};
inline constexpr Bilingual PictureHeight{"Ύψος εικόνων", "Picture height"};
inline constexpr Bilingual CardSample{"Δείγμα κάρτας", "Sample card"};
inline constexpr Bilingual Colour{"χρώμα", "colour"};
inline constexpr Bilingual ChooseColour{"Κλικ για επιλογή χρώματος", "Click to choose a colour"};
inline constexpr Bilingual Palette{"Παλέτα χρωμάτων", "Colour palette"};
inline constexpr Bilingual PaletteUse{"Κλικ σε ένα χρώμα για να το πάρεις", "Click a colour to take it"};
// "red 0, green 0, blue 128".
std::string rgb(bool useGreek, int red, int green, int blue);
// "Player name colour: red 0, green 0, blue 128".
std::string colour(bool useGreek, std::string_view what, int red, int green, int blue);
inline constexpr Bilingual Vertical{"κατακόρυφα", "vertical"};
inline constexpr Bilingual Horizontal{"οριζόντια", "horizontal"};
inline constexpr Bilingual MenuBar{"Μενού", "Menu bar"};
inline constexpr Bilingual Wallpaper{"Ταπετσαρία", "Wallpaper"};
inline constexpr Bilingual HelpText{"Κείμενο βοήθειας", "Help text"};

// The built-in pictures by holder name, which is their file's ("anchor").
std::optional<Bilingual> builtInPicture(std::string_view holder);
// A picture's readable name: a built-in one's own, a file's base name.
std::string picture(bool useGreek, std::string_view name);

}  // namespace AccessibleNames

}  // namespace vornel
