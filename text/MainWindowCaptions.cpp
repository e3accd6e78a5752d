#include "text/MainWindowCaptions.h"

namespace vornel {

CaptionTable mainWindowCaptions()
{
    return CaptionTable("Sarvel VORNEL v.2",
        {
            {"Label33", -1, " "},
            {"Label4", -1, ""},
            {"Label5", -1, "Επίπεδο:  Κανονικό"},
            {"Label50", -1, "Name"},
            {"Label24", -1, "0"},
            {"Label3", -1, "00:00"},
            {"Label10", -1, "Πρωτάθλημα"},
            {"Label27", -1, "Επίπεδο:"},
            {"Label25", -1, "0"},
            {"Label28", -1, "Ζωές:"},
            {"Label26", -1, "0"},
            {"Label6", -1, "Βοήθειες:"},
            {"Label11", 0, "10 δευτερόλεπτα"},
            {"Label11", 1, "2 ζευγάρια"},
            {"Command3", -1, "10 δευτ"},
            {"Command4", -1, "2 ζευγ"},
            {"Label9", 0, "Νέο Παιχνίδι"},
            {"Label9", 1, "Νέο Πρωτάθλημα"},
            {"Label9", 2, "Διακοπή"},
            {"Command1", -1, "Νέο Παιχνίδι"},
            {"Command5", -1, "Νέο Πρωτάθλημα"},
            {"Command2", -1, "Διακοπή"},
            {"Label2", -1, ""},
            {"file", -1, "&Αρχείο"},
            {"newfolder", -1, "Νέο"},
            {"newgame", -1, "Παιχνίδι"},
            {"gggggg", -1, "Πρωτάθλημα"},
            {"player", -1, "Νέος Παίκτης"},
            {"skorsTeam", -1, "&Καλύτερα Σκόρ"},
            {"exit", -1, "&Έξοδος"},
            {"epilogew", -1, "&Επιλογές"},
            {"epip", -1, "Επίπεδα"},
            {"eykolo", -1, "Εύκολο"},
            {"kanoniko", -1, "Κανονικό"},
            {"dyskolo", -1, "Δύσκολο"},
            {"kath", -1, "Κατηγορίες"},
            {"antikeim", -1, "Αντικείμενα"},
            {"pros", -1, "Πρόσωπα"},
            {"food", -1, "Φαγητό"},
            {"CustomMenu", -1, "Επιλογή Χρήστη"},
            {"SetCustomIcon", -1, "Καθορισμός Εικόνων (Επιλογή Χρήστη)"},
            {"ShowNUMBERS", -1, "Δείξε Αριθμούς"},
            {"language_menu", -1, "Language"},
            {"english_menu", -1, "English"},
            {"Greek_menu", -1, "Greek"},
            {"EikSize", -1, "&Ρυθμίσεις"},
            {"tapetsaries", -1, "&Ταπετσαρίες"},
            {"ChooseImage", -1, "Πρόσθεση Ταπετσαρίας"},
            {"AfaireshTAPER", -1, "Αφαίρεση Ταπετσαρίας"},
            {"NextImage", -1, "Επόμενη Ταπετσαρία"},
            {"help", -1, "&Βοήθεια"},
            {"periexomena", -1, "Περιεχόμενα"},
            {"about", -1, "Σχετικά με το Παιχνίδι Μνήμης"},
        });
}

const std::array<std::string, 5>& mainWindowElementKeys()
{
    static const std::array<std::string, 5> keys{"Label9(0)", "Label9(1)", "Label9(2)", "Label11(1)", "Label11(0)"};
    return keys;
}

}  // namespace vornel
