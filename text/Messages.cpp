#include "text/Messages.h"

#include <array>

namespace vornel::Messages {

namespace {
constexpr std::array<Bilingual, 5> PlaceWords{{
    {"ΠΡΩΤΟΣ", "FIRST"},
    {"ΔΕΥΤΕΡΟΣ", "SECOND"},
    {"ΤΡΙΤΟΣ", "THIRD"},
    {"ΤΕΤΑΡΤΟΣ", "FOURTH"},
    {"ΠΕΜΠΤΟΣ", "FIFTH"},
}};
}  // namespace

std::string levelCompleted(bool useGreek, int level)
{
    const std::string n = std::to_string(level);
    return useGreek ? "Το επίπεδο " + n + " το ολοκλήρωσες με επιτυχία." : "Level " + n + " completed successfully.";
}

std::string tryLevelAgain(bool useGreek, int level)
{
    const std::string n = std::to_string(level);
    return useGreek ? "      Δυστυχώς έχασες.   Ξαναπροσπάθησε στο επίπεδο " + n + " ."
                    : "      You lose.   Try again in level " + n + " .";
}

std::string newBestScore(bool useGreek, const std::string& name, int place, const std::string& score)
{
    const std::string word = PlaceWords.at(static_cast<std::size_t>(place - 1)).in(useGreek);
    if (useGreek)
        return "Συγχαρητήρια  " + name + ".\n\n Έκανες νέο καλύτερο ρεκόρ.\nΗ θέση σου είναι " + word +
            " και το σκόρ σου είναι: " + score;
    return "Congratulations  " + name + ".\n\n You make a best skor.\nYour place is " + word +
        " and your skor is: " + score;
}

std::string noBestScore(bool useGreek, const std::string& score)
{
    if (useGreek)
        return "Το σκόρ σου είναι : " + score + " βαθμοί.\n\nΔυστυχώς δεν έχεις κάνει ρεκόρ.";
    return "Your skor is : " + score + " points.\n\nSorry, you didn't make a best skor.";
}

const Bilingual& saveFailed(SaveFailure reason)
{
    switch (reason) {
    case SaveFailure::DiskFull:
        return SaveDiskFull;
    case SaveFailure::ReadOnly:
        return SaveReadOnly;
    case SaveFailure::NotARegularFile:
        return SaveNotAFile;
    case SaveFailure::TooLarge:
        return SaveTooLarge;
    case SaveFailure::Other:
        break;
    }
    return SaveOther;
}

std::string bestScoreNotSaved(bool useGreek, SaveFailure reason)
{
    const std::string why = saveFailed(reason).in(useGreek);
    return useGreek ? "Δεν ήταν δυνατό να αποθηκευτεί το σκόρ σου.\n\n" + why : "Your skor could not be saved.\n\n" + why;
}

std::string changeNotSaved(bool useGreek, SaveFailure reason)
{
    const std::string why = saveFailed(reason).in(useGreek);
    return useGreek ? "Δεν ήταν δυνατό να αποθηκευτεί η αλλαγή σου.\n\n" + why
                    : "Your change could not be saved.\n\n" + why;
}

std::string wallpaperMissing(bool useGreek, const std::string& path)
{
    return useGreek ? "Το αρχείο " + path + " δεν υπαρχεί." : "File " + path + " does not exist.";
}

std::string driveInaccessible(bool useGreek, const std::string& drive)
{
    return useGreek ? "Αδύνατη η πρόσβαση στον δίσκο " + drive : "Can't access to drive " + drive;
}

std::string aboutTitle(bool useGreek)
{
    return (useGreek ? "Σχετικά με " : "About ") + std::string(ApplicationTitle) + " ";
}

}  // namespace vornel::Messages
