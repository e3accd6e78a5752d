#include "text/MainWindowCaptions.h"

namespace vornel {

// The one place the English catalogue's keys of the main window meet the
// controls they caption: catalogue key (and element), Greek design caption,
// object name of the control.
CaptionTable mainWindowCaptions()
{
    return CaptionTable("Sarvel VORNEL v.2",
        {
            {"Label33", -1, " ", "titleStrip"},
            {"Label4", -1, "", "categoryLabel"},
            {"Label5", -1, "Επίπεδο:  Κανονικό", "difficultyLabel"},
            {"Label50", -1, "Name", "playerNameLabel"},
            {"Label24", -1, "0", "scoreLabel"},
            {"Label3", -1, "00:00", "clockLabel"},
            {"Label10", -1, "Πρωτάθλημα", "championshipHeading"},
            {"Label27", -1, "Επίπεδο:", "levelCaption"},
            {"Label25", -1, "0", "levelLabel"},
            {"Label28", -1, "Ζωές:", "livesCaption"},
            {"Label26", -1, "0", "livesLabel"},
            {"Label6", -1, "Βοήθειες:", "helpsCaption"},
            {"Label11", 0, "10 δευτερόλεπτα", "tenSecondsHelpButton"},
            {"Label11", 1, "2 ζευγάρια", "twoPairsHelpButton"},
            {"Label9", 0, "Νέο Παιχνίδι", "newGameCaption"},
            {"Label9", 1, "Νέο Πρωτάθλημα", "championshipCaption"},
            {"Label9", 2, "Διακοπή", "stopCaption"},
            {"Label2", -1, "", "bestScoresLine"},
            {"file", -1, "&Αρχείο", "fileMenu"},
            {"newfolder", -1, "Νέο", "newMenu"},
            {"newgame", -1, "Παιχνίδι", "newGameAction"},
            {"gggggg", -1, "Πρωτάθλημα", "newChampionshipAction"},
            {"player", -1, "Νέος Παίκτης", "newPlayerAction"},
            {"skorsTeam", -1, "&Καλύτερα Σκόρ", "bestScoresAction"},
            {"exit", -1, "&Έξοδος", "exitAction"},
            {"epilogew", -1, "&Επιλογές", "optionsMenu"},
            {"epip", -1, "Επίπεδα", "levelsMenu"},
            {"eykolo", -1, "Εύκολο", "easyAction"},
            {"kanoniko", -1, "Κανονικό", "normalAction"},
            {"dyskolo", -1, "Δύσκολο", "hardAction"},
            {"kath", -1, "Κατηγορίες", "categoriesMenu"},
            {"antikeim", -1, "Αντικείμενα", "objectsAction"},
            {"pros", -1, "Πρόσωπα", "facesAction"},
            {"food", -1, "Φαγητό", "foodAction"},
            {"CustomMenu", -1, "Επιλογή Χρήστη", "customAction"},
            {"SetCustomIcon", -1, "Καθορισμός Εικόνων (Επιλογή Χρήστη)", "choosePicturesAction"},
            {"ShowNUMBERS", -1, "Δείξε Αριθμούς", "showNumbersAction"},
            {"language_menu", -1, "Language", "languageMenu"},
            {"english_menu", -1, "English", "englishAction"},
            {"Greek_menu", -1, "Greek", "greekAction"},
            {"EikSize", -1, "&Ρυθμίσεις", "settingsAction"},
            {"tapetsaries", -1, "&Ταπετσαρίες", "wallpapersMenu"},
            {"ChooseImage", -1, "Πρόσθεση Ταπετσαρίας", "addWallpaperAction"},
            {"AfaireshTAPER", -1, "Αφαίρεση Ταπετσαρίας", "removeWallpaperAction"},
            {"NextImage", -1, "Επόμενη Ταπετσαρία", "nextWallpaperAction"},
            {"help", -1, "&Βοήθεια", "helpMenu"},
            {"periexomena", -1, "Περιεχόμενα", "helpContentsAction"},
            {"about", -1, "Σχετικά με το Παιχνίδι Μνήμης", "aboutAction"},
        });
}

const std::array<std::string, 5>& mainWindowElementKeys()
{
    static const std::array<std::string, 5> keys{"Label9(0)", "Label9(1)", "Label9(2)", "Label11(1)", "Label11(0)"};
    return keys;
}

}  // namespace vornel
