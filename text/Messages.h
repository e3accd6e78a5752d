#pragma once
#include <string>
#include <string_view>

#include "storage/SafeFile.h"

namespace vornel {

inline constexpr std::string_view ApplicationTitle = "Sarvel VORNEL v.2";

// A text the program shows in both languages, chosen when it is shown.
struct Bilingual {
    std::string_view greek;
    std::string_view english;

    std::string in(bool useGreek) const { return std::string(useGreek ? greek : english); }
};

// Every message, title and built text of the program, each pair once.
// An empty title stands for the application title.
namespace Messages {

// Stopping
inline constexpr Bilingual StopChampionship{
    "Είσαι σίγουρος οτι θέλεις να τερματίσεις το πρωτάθλημα;", "Are you sure you want to stop?"};
inline constexpr Bilingual StopGame{
    "Είσαι σίγουρος οτι θέλεις να τερματίσεις το παιχνίδι;", "Are you sure you want to stop?"};

// Championship
inline constexpr Bilingual ChampionshipNote{
    "ΠΡΟΣΟΧΗ !!!\n"
    "Μπορείς να κερδίσεις το BONUS των 10 δευτ/πτών (10 δευτ/πτά επιπλέον χρόνος σε όποιο επίπεδο επιθυμείς), "
    "αν στο πρώτο επίπεδο κατορθώσεις να μήν ανοίξεις τα τετραγωνάκια περισσότερες απο 2 φορές το καθένα.\n"
    "Έπισης δεν πρέπει να χρησιμοποιήσεις κάποια βοήθεια στο πρώτο επίπεδο.\n"
    "\n"
    "Κλίκ για να αρχίσει το πρωτάθλημα.",
    "NOTE !!!\n"
    "You can earn BONUS (10 seconds more time to a level) , \r"
    "if in the first level don't open each square more than once.\n"
    "Also, you myst not use any help bonus.\n"
    "\n"
    "Click to start championship."};
inline constexpr Bilingual BonusPrompt{
    "Συγχαρητήρια. Κέρδισες το BONUS των 10 δευτ/πτων. Επέλεξε το επίπεδο που επιθυμείς να χρησιμοποιήσεις το "
    "BONUS.",
    "Congratulations. You get the BONUS (10 seconds more time). Choose the level which you wish to use it."};
inline constexpr std::string_view BonusTitle = "BONUS";
inline constexpr std::string_view BonusDefault = "2-6";
inline constexpr Bilingual ChampionshipLost{
    "Δυστυχώς δεν κατάφερες να ολοκληρώσεις ολα τα επίπεδα.ΞΑΝΑΠΡΟΣΠΑΘΗΣΕ!!!", "Sorry, you lose. TRY AGAIN!!!"};
inline constexpr Bilingual ChampionshipLostTitle{"ΤΕΛΟΣ ΕΥΚΑΙΡΙΩΝ", ""};

// Win and lose screens
inline constexpr Bilingual WinTitle{"NIKH !!!", "WIN !!!"};
inline constexpr Bilingual LoseTitle{"HTTA...", "LOSE !!!"};
inline constexpr Bilingual SingleGameWon{"  ΜΠΡΑΒΟ!!!   ΚΕΡΔΙΣΕΣ.", "YOY WIN !!!"};
inline constexpr Bilingual NextLevelHint{"ΚΛΙΚ ΓΙΑ ΤΟ ΕΠΟΜΕΝΟ ΕΠΙΠΕΔΟ.", "Click for next level"};
inline constexpr Bilingual SingleGameLost{"            ΔΥΣΤΥΧΩΣ ΕΧΑΣΕΣ !!!", "    SORRY, YOU LOSE !!!"};
std::string levelCompleted(bool useGreek, int level);
std::string tryLevelAgain(bool useGreek, int level);

// Best scores
std::string newBestScore(bool useGreek, const std::string& name, int place, const std::string& score);
std::string noBestScore(bool useGreek, const std::string& score);
inline constexpr Bilingual ChampionshipBest{"Καλύτερο σκόρ πρωταθλήματος : ", "Championship Best Skor : "};
inline constexpr Bilingual GameBestAfterChampionship{
    "     -      Καλύτερο σκόρ παιχνιδιού : ", "     -      Best Skor Game : "};
inline constexpr Bilingual GameBestAlone{"     Καλύτερο σκόρ παιχνιδιού : ", "     Best Skor Game : "};
inline constexpr Bilingual NoScores{"Δεν υπάρχουν σκόρ", "No skors"};
inline constexpr Bilingual DeleteScores{
    "Εισαι σιγουρος οτι θελεις να διαγραψεις τα σκορ;", "Are you sure you want to delete skors?"};
inline constexpr Bilingual DeleteScoresTitle{"ΔΙΑΓΡΑΦΗ ΣΚΟΡ", "Delete skors"};
inline constexpr Bilingual BestScoresTitle{"Καλύτερα ΣΚΟΡ", "Best Skors"};
inline constexpr std::string_view EmptyName = "----";

// A save the player asked for that failed: one sentence a reason, said on
// its own or after what was not saved.
inline constexpr Bilingual SaveDiskFull{"Ο δίσκος είναι γεμάτος.", "The disk is full."};
inline constexpr Bilingual SaveReadOnly{
    "Το αρχείο, ο φάκελός του ή ο δίσκος είναι μόνο για ανάγνωση.", "The file, its folder or the disk is read-only."};
inline constexpr Bilingual SaveNotAFile{"Στη θέση του αρχείου υπάρχει φάκελος ή κάτι άλλο που δεν είναι αρχείο του παιχνιδιού.",
    "In the place of the file there is a folder or something else that is not a file of the game."};
inline constexpr Bilingual SaveTooLarge{
    "Το αρχείο ξεπερνά το μέγεθος που επιτρέπει το σύστημα.", "The file is larger than the system allows."};
inline constexpr Bilingual SaveOther{"Δεν ήταν δυνατή η εγγραφή του αρχείου.", "The file could not be written."};
const Bilingual& saveFailed(SaveFailure reason);
// A score that made a best place but could not be written into its table.
std::string bestScoreNotSaved(bool useGreek, SaveFailure reason);
// Any other save the player asked for that did not reach the disk.
std::string changeNotSaved(bool useGreek, SaveFailure reason);

// Players
inline constexpr Bilingual Anonymous{"ΑΝΩΝΥΜΟΣ", "Anonymous"};

// The buttons of the boxes, with their access keys.
inline constexpr Bilingual YesButton{"&Ναι", "&Yes"};
inline constexpr Bilingual NoButton{"Ό&χι", "&No"};
inline constexpr Bilingual OkButton{"OK", "OK"};
inline constexpr Bilingual CancelButton{"Ά&κυρο", "&Cancel"};
inline constexpr Bilingual NameTooLong{
    "Το ονομά σου μπορεί να ειναι εως 15 χαρακτήρες,", "Your name must be less than 15 characters"};
inline constexpr Bilingual NameTooLongTitle{"ΟΝΟΜΑ ΣΙΔΗΡΟΔΡΟΜΟΣ", ""};
inline constexpr Bilingual NameNotStorable{
    "Το όνομά σου έχει χαρακτήρες που δεν μπορούν να αποθηκευτούν. Γράψε το με ελληνικά ή αγγλικά γράμματα.",
    "Your name has characters that cannot be saved. Write it in Greek or English letters."};
inline constexpr Bilingual PlayerTitle{" Επιλογή Παίκτη", "Select Player"};
inline constexpr Bilingual TypeYourName{"Πληκτρολόγησε το όνομα σου:", "Please, write your name:"};
inline constexpr Bilingual Credit{"Προγραμματισμός: Kelbar", "Programming: Kelbar"};

// Picture categories
inline constexpr Bilingual CustomNotDifferent{
    "Δεν έχετε επιλέξει 10 διαφορετικές εικόνες. Θέλετε να αλλάξετε τις επιλογές σας τώρα;",
    "You must select 10 different images.Would you like to choose images now?"};
inline constexpr Bilingual CustomIncomplete{"Δεν έχετε επιλέξει 10 προσωπικές εικόνες.Θέλετε να τις επιλέξετε τώρα;",
    "You must select 10 images.Would you like to choose images now?"};
inline constexpr Bilingual CustomTitle{"Επιλογή Εικόνων Χρήστη", "Select Pictures (Custom)"};
inline constexpr Bilingual PicturePathTooLong{
    "Η διαδρομή του αρχείου είναι πολύ μεγάλη (έως 126 χαρακτήρες). Μετακινήστε την εικόνα σε φάκελο με μικρότερη "
    "διαδρομή.",
    "The path of this file is too long (126 characters at most). Move the picture to a folder with a shorter path."};
// Also the add-wallpaper window's refusal.
inline constexpr Bilingual PicturePathNotStorable{
    "Η διαδρομή του αρχείου έχει χαρακτήρες που δεν μπορούν να αποθηκευτούν. Μετονομάστε το αρχείο ή τον φάκελο.",
    "The path of this file has characters that cannot be saved. Rename the file or its folder."};

// Settings
inline constexpr Bilingual SettingsTitle{"Ρυθμίσεις", "Options"};
// The size prefixes read the same in both languages.
inline constexpr std::string_view HeightPrefix = "Ύψος Εικόνων : ";
inline constexpr std::string_view WidthPrefix = "Πλάτος Εικόνων : ";
inline constexpr Bilingual PalettePreview{"Προεπισκόπηση:", "Preview"};

// Wallpapers
inline constexpr Bilingual NoWallpaper{"Καμμία", "None"};
std::string wallpaperMissing(bool useGreek, const std::string& path);
std::string driveInaccessible(bool useGreek, const std::string& drive);
inline constexpr Bilingual AddWallpaperTitle{"Πρόσθεση Ταπετσαρίας", "Choose Background"};
inline constexpr Bilingual RemoveWallpaperTitle{"Αφαίρεση Ταπετσαρίας", "Remove Background"};

// Help and About; the missing-help message is Greek in both languages.
inline constexpr std::string_view HelpMissing =
    "Το αρχείο βοήθειας δεν βρίσκεται στον κατάλογο του προγράμματος. \n\n"
    "Επανεγκατέστησε το πρόγραμμα για να λυθεί το πρόβλημα.";
inline constexpr std::string_view HelpMissingTitle = "Πρόβλημα με το Αρχείο Βοήθειας";
std::string aboutTitle(bool useGreek);
inline constexpr std::string_view Version = "Version 2.0";
inline constexpr Bilingual SendMail{"Αποστολή e-mail", "Send e-mail"};
inline constexpr Bilingual Freeware{"Το παιχνίδι είναι δωρεάν (freeware).", "This game is freeware."};
inline constexpr Bilingual HelpTitle{"Βοήθεια", "Help"};
inline constexpr Bilingual HelpBack{"< Πίσω", "< Back"};
inline constexpr Bilingual HelpForward{"Εμπρός >", "Forward >"};
inline constexpr Bilingual HelpContents{"Περιεχόμενα", "Contents"};

}  // namespace Messages

}  // namespace vornel
