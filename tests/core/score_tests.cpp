#include <gtest/gtest.h>
#include <sys/stat.h>

#include <tuple>

#include "FileBytes.h"
#include "GameFixture.h"
#include "game/Players.h"
#include "storage/NamesFile.h"
#include "text/Messages.h"
#include "text/TextCase.h"

namespace vornel {
namespace {

using testing::FakeHost;
using testing::GameFixture;
using testing::TempFolder;

// Files are replaced whole, so a file written again is a new inode.
ino_t inodeOf(const std::filesystem::path& p)
{
    struct stat st { };
    return ::stat(p.c_str(), &st), st.st_ino;
}

ScoreTable tableOf(std::initializer_list<std::pair<int, const char*>> places)
{
    ScoreTable t;
    int p = 0;
    for (auto [score, name] : places) {
        t.scores[p] = TaggedValue::fromText(std::to_string(score));
        t.names[p++] = TaggedValue::fromText(name);
    }
    return t;
}

TEST(ScorePlaces, EqualScoresGoBelowPlaceFiveMustBeBeatenAndEnteringMovesLowerPlacesDownKeepingTheirTags)
{
    ScoreTable t = tableOf({{300, "a"}, {200, "b"}, {0, "c"}, {0, "d"}, {50, "e"}});
    t.scores[2] = TaggedValue::fromInt16(150);  // any tag counts as a number
    t.scores[3] = TaggedValue::fromInt32(100);
    EXPECT_EQ(BestScores::placeFor(t, 301), 1);
    EXPECT_EQ(BestScores::placeFor(t, 150), 4);
    EXPECT_EQ(BestScores::placeFor(t, 51), 5);
    EXPECT_EQ(BestScores::placeFor(t, 50), std::nullopt);
    EXPECT_EQ(BestScores::placeFor(ScoreTable{}, 0), std::nullopt);

    BestScores::enter(t, 2, "250", "new");
    EXPECT_EQ(std::tuple(t.scores[1].text, t.names[1].text, t.names[2].text), std::tuple("250", "new", "b"));
    EXPECT_EQ(t.scores[3], TaggedValue::fromInt16(150));
    EXPECT_EQ(t.names[4].text, "d");  // "e" falls off
    t.scores[4] = TaggedValue::fromText("junk");  // reads as 0
    EXPECT_EQ(BestScores::placeFor(t, 1), 5);
}

struct ScoreFixture : GameFixture {
    // A single game won with `secondsLeft` on the Normal clock.
    ResultStep winSingleGame(int secondsLeft)
    {
        game.newGame();
        ticks(75 - secondsLeft);
        solveBoard();
        game.levelWon();
        host.messagesExpected += 1;
        return dismissResult();
    }
};

TEST_F(ScoreFixture, AWonGameEntersTheTableAndTellsThePlaceOneThatMissesLeavesTheFileAloneAndOneNotSavedSaysSo)
{
    EXPECT_EQ(winSingleGame(70), ResultStep::ScoreRecorded);
    EXPECT_EQ(game.session().Score, 0);
    EXPECT_EQ(game.clock().text(), "00:00");
    EXPECT_EQ(game.statusLine(), "     Καλύτερο σκόρ παιχνιδιού : 140 - Ada");

    game.setPlayerName("Βήτα");
    winSingleGame(60);
    EXPECT_EQ(host.messages.back(),
        "Συγχαρητήρια  Βήτα.\n\n Έκανες νέο καλύτερο ρεκόρ.\nΗ θέση σου είναι ΔΕΥΤΕΡΟΣ και το σκόρ σου είναι: 120");

    writeScoreTable(
        folder / DataFile::SingleScores, tableOf({{300, "a"}, {200, "b"}, {150, "c"}, {149, "d"}, {140, "e"}}));
    const ino_t before = inodeOf(folder / DataFile::SingleScores);
    language.UseGreek = false;
    winSingleGame(70);
    EXPECT_EQ(host.messages.back(), "Your skor is : 140 points.\n\nSorry, you didn't make a best skor.");
    EXPECT_EQ(inodeOf(folder / DataFile::SingleScores), before);

    // A best score the file could not take is not announced as stored, and
    // the status line keeps what the file holds.
    std::filesystem::remove(folder / DataFile::SingleScores);
    std::filesystem::create_directory(folder / DataFile::SingleScores);
    EXPECT_EQ(winSingleGame(70), ResultStep::ScoreRecorded);
    EXPECT_EQ(host.messages.back().rfind("Your skor could not be saved.", 0), 0u) << host.messages.back();
    EXPECT_EQ(game.statusLine(), "No skors");
}

TEST_F(ScoreFixture, StatusLineJoinsBothTablesWithItsExactBlanks)
{
    const BestScores scores(folder / DataFile::SingleScores, folder / DataFile::ChampionshipScores);
    writeScoreTable(folder / DataFile::ChampionshipScores, tableOf({{900, "Ζήτα"}}));
    writeScoreTable(folder / DataFile::SingleScores, tableOf({{140, "Ada"}}));
    EXPECT_EQ(
        scores.bestScoresLine(false), "Championship Best Skor : 900 - Ζήτα     -      Best Skor Game : 140 - Ada");

    // A best name of a single blank is left out.
    writeScoreTable(folder / DataFile::ChampionshipScores, tableOf({{900, " "}}));
    EXPECT_EQ(scores.bestScoresLine(true), "     Καλύτερο σκόρ παιχνιδιού : 140 - Ada");
}

// ---- Players ----------------------------------------------------------------

struct PlayersTest : ::testing::Test {
    TempFolder folder;
    FakeHost host;
    Players players{folder / DataFile::Names};
    std::string playerName = "unchanged";

    NameChoice confirm(const std::string& typed, std::vector<std::string>& offered, bool greek = true)
    {
        return players.confirm(typed, offered, playerName, greek, host);
    }
};

// Typed against a list of two names and a blank record: what each name makes
// of the player, and that only an added one writes the list.
TEST_F(PlayersTest, ATypedNameIsKnownWhateverBlanksSurroundItAnonymousRefusedOrAdded)
{
    const auto file = folder / DataFile::Names;
    writeNames(file, {" alice ", "  ", "Βήτα"});
    const std::string before = testing::readBytes(file);
    EXPECT_EQ(players.load(), (std::vector<std::string>{" alice ", "Βήτα"}));  // blank records are not offered
    const struct {
        const char* typed;
        NameChoice choice;
        const char* player;        // null: unchanged
        const Bilingual* message;  // null: none
    } cases[] = {
        {"alice", NameChoice::Known, "alice", nullptr},
        {"Βήτα ", NameChoice::Known, "Βήτα", nullptr},
        {"   ", NameChoice::Anonymous, "Anonymous", nullptr},
        {"Αλεξανδροπουλοςα", NameChoice::TooLong, nullptr, &Messages::NameTooLong},  // sixteen letters
        {"josé", NameChoice::NotStorable, nullptr, &Messages::NameNotStorable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        std::vector<std::string> offered = players.load();
        playerName = "unchanged";
        host.messagesExpected = c.message ? 1 : 0;
        EXPECT_EQ(confirm(c.typed, offered, false), c.choice);
        EXPECT_EQ(playerName, c.player ? c.player : "unchanged");
        if (c.message) {
            EXPECT_EQ(host.messages.back(), c.message->in(false));
        }
        EXPECT_EQ(testing::readBytes(file), before);
        EXPECT_EQ(offered.size(), c.choice == NameChoice::Known ? 3u : 2u);  // neither offered nor stored
    }
    std::vector<std::string> offered = players.load();
    EXPECT_EQ(confirm("  Αλεξανδροπουλος  ", offered), NameChoice::Added);  // fifteen
    EXPECT_EQ(playerName, "Αλεξανδροπουλος");
    EXPECT_EQ(readNameRecords(file), (std::vector<std::string>{" alice ", "Βήτα", "Αλεξανδροπουλος"}));
}

TEST_F(PlayersTest, BytesTheCodePageLeavesUndefinedSurviveAddingAPlayer)
{
    using testing::records, testing::taggedText;
    const auto file = folder / DataFile::Names;
    const std::string d2 = taggedText("\xD2\xE1"), ff = taggedText("Bob\xFF"), added = taggedText("\xCD\xDD\xEF\xF2");
    const std::pair<std::string, std::string> cases[] = {
        // Untouched records stay byte for byte, the bytes after their values included.
        {testing::patched(testing::noise(1), {{1, d2}}) + records(1, {{1, ff}}),
            testing::patched(testing::noise(1), {{1, d2}}) + records(2, {{1, ff}, {2, added}})},
        // A blank record dropped moves the others up, their bytes unchanged.
        {records(3, {{1, taggedText("  ")}, {2, d2}, {3, ff}}), records(3, {{1, d2}, {2, ff}, {3, added}})},
    };
    for (const auto& [stored, expected] : cases) {
        testing::writeBytes(file, stored);
        std::vector<std::string> offered = players.load();
        EXPECT_EQ(confirm("Νέος", offered), NameChoice::Added);
        EXPECT_EQ(testing::readBytes(file), expected);
    }
}

TEST(PlayerNames, KeepTheFirstLetterAsTypedAndLowerTheRest)
{
    for (auto [typed, shown] : std::initializer_list<std::pair<const char*, const char*>>{
             {"ada", "ada"}, {"ΆΝΝΑ ΣΤΑΥΡΟΥ", "Άννα σταυρου"}, {"ÉLODIE", "Élodie"}, {"ΐΪΫ", "ΐϊϋ"}})
        EXPECT_EQ(Players::capitalised(typed), shown);
}

}  // namespace
}  // namespace vornel
