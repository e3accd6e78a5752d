#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "FileFixture.h"
#include "text/Captions.h"
#include "text/Language.h"
#include "text/Profile.h"

namespace fs = std::filesystem;
using namespace vornel;
using namespace std::string_literals;

namespace {

// "Καλημέρα" in windows-1253, as the catalogue file holds it.
const std::string GreekBytes = "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1";
const std::string GreekUtf8 = "Καλημέρα";

class TextCatalogFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
            ("vornel_text_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& bytes, const std::string& name = "english.ini")
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return dir_ / name;
    }
    fs::path missing() const { return dir_ / "absent.ini"; }

    fs::path dir_;
};

std::string padded(const std::string& text)
{
    return text + std::string(255 - text.size(), '\0');
}

}  // namespace

TEST_F(TextCatalogFiles, ReadIniTextGivesValueOrDefaultPaddedTo255)
{
    fs::path ini = write("[Main]\r\nTitle=Hello\r\n");
    EXPECT_EQ(ReadIniText("Main", "Title", "~~", ini), padded("Hello"));
    EXPECT_EQ(ReadIniText("Main", "Other", "~~", ini), padded("~~"));
    EXPECT_EQ(ReadIniText("Else", "Title", "~~", ini), padded("~~"));
    EXPECT_EQ(ReadIniText("Main", "Title", "~~", missing()), padded("~~"));
    EXPECT_EQ(ReadIniText("Main", "Other", "dflt  ", ini), padded("dflt"));  // trailing blanks of a default go
    EXPECT_EQ(ReadIniText("Main", "Other", std::string(300, 'd'), ini), std::string(255, 'd'));
}

TEST_F(TextCatalogFiles, LongValuesAreCutTo255Characters)
{
    fs::path ini = write("[S]\nascii=" + std::string(300, 'x') + "\ngreek=" + std::string(200, '\xE1') + GreekBytes +
        std::string(100, '\xE1') + "\n");
    EXPECT_EQ(ReadIniText("S", "ascii", "~~", ini), std::string(255, 'x'));

    // One byte a character in the file, two bytes each in UTF-8.
    std::string alpha;
    for (int i = 0; i < 200; ++i)
        alpha += "α";
    std::string greek = ReadIniText("S", "greek", "~~", ini);
    EXPECT_EQ(greek.size(), 255u * 2);
    EXPECT_EQ(greek, alpha + GreekUtf8 + alpha.substr(0, 2 * 47));
    EXPECT_EQ(TextCatalog(ini).lookup("S", "greek"), greek);
}

TEST(TextCutAtNul, KeepsTextBeforeFirstNul)
{
    EXPECT_EQ(CutAtNul(std::string("ab\0cd\0", 6)), "ab");
    EXPECT_EQ(CutAtNul(std::string("\0ab", 3)), "");
    EXPECT_EQ(CutAtNul("whole"), "whole");
    EXPECT_EQ(CutAtNul(""), "");
}

TEST_F(TextCatalogFiles, CatalogueNamesIgnoreCaseAndLayout)
{
    TextCatalog catalog(write("\xEF\xBB\xBF[English8]\r\n"
                              "; a comment=not a key\r\n"
                              "  Command20  =   OK  \r\n"
                              "quoted=\"  spaced  \"\r\n"
                              "single='x'\r\n"
                              "unmatched=\"x'\r\n"
                              "Command20=second is ignored\r\n"
                              "no equals sign\r\n"
                              "[ ENGLISH1 ]\n"
                              "newgame=New game\n"
                              "greek=" +
        GreekBytes +
        "\n"
        "[english8]\n"
        "Label2=from a repeated section\n"
        "[Other]\n"
        "last=no newline"));
    EXPECT_EQ(catalog.lookup("ENGLISH8", "command20"), "OK");
    EXPECT_EQ(catalog.lookup("english8", "COMMAND20"), "OK");
    EXPECT_EQ(catalog.lookup("ENGLISH8", "quoted"), "  spaced  ");
    EXPECT_EQ(catalog.lookup("ENGLISH8", "single"), "x");
    EXPECT_EQ(catalog.lookup("ENGLISH8", "unmatched"), "\"x'");
    EXPECT_EQ(catalog.lookup("ENGLISH1", "NewGame"), "New game");
    EXPECT_EQ(catalog.lookup("ENGLISH1", "greek"), GreekUtf8);
    EXPECT_EQ(catalog.lookup("Other", "last"), "no newline");

    EXPECT_EQ(catalog.lookup("ENGLISH8", "; a comment"), std::nullopt);
    EXPECT_EQ(catalog.lookup("ENGLISH8", "no equals sign"), std::nullopt);
    EXPECT_EQ(catalog.lookup("ENGLISH8", "Label2"), std::nullopt);   // only the first section counts
    EXPECT_EQ(catalog.lookup("ENGLISH8", "newgame"), std::nullopt);  // belongs to ENGLISH1
    EXPECT_EQ(catalog.lookup("ENGLISH4", "Command20"), std::nullopt);
}

TEST_F(TextCatalogFiles, CatalogueTellsMissingFromEmpty)
{
    TextCatalog catalog(write("[S]\nempty=\nblank=   \nmarker=~~\nnul=~~\0tail\n"s));
    EXPECT_EQ(catalog.lookup("S", "empty"), "");
    EXPECT_EQ(catalog.lookup("S", "blank"), "");
    EXPECT_EQ(catalog.lookup("S", "marker"), std::nullopt);  // indistinguishable from the default
    EXPECT_EQ(catalog.lookup("S", "nul"), std::nullopt);
    EXPECT_EQ(catalog.lookup("S", "absent"), std::nullopt);
    EXPECT_EQ(catalog.lookup("T", "empty"), std::nullopt);
    EXPECT_EQ(TextCatalog(missing()).lookup("S", "empty"), std::nullopt);
}

TEST_F(TextCatalogFiles, AnythingButARegularFileIsAMissingCatalogue)
{
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0644), 0);
    fs::create_directory(dir_ / "folder");
    fs::create_symlink("/dev/zero", dir_ / "endless");
    for (const char* name : {"pipe", "folder", "endless"}) {
        const fs::path file = dir_ / name;
        EXPECT_TRUE(vornel::testing::passesInChild([&] {
            return !TextCatalog(file).lookup("S", "k") && ReadIniText("S", "k", "d", file) == padded("d");
        })) << name;
    }
}

TEST_F(TextCatalogFiles, CatalogueAgreesWithTheReaderOnAwkwardFiles)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131 + 7) % 256);
    fs::path ini = write(
        garbage + "\n[S]\nk=" + std::string(1 << 16, 'h') + "\r\n[T]\rk='v'\nz=a\0b\n"s + "u=\x81\xFF\n" + garbage);
    TextCatalog catalog(ini);
    for (auto [section, key] : std::array<std::pair<const char*, const char*>, 6>{
             {{"S", "k"}, {"T", "k"}, {"T", "z"}, {"T", "u"}, {"T", "missing"}, {"none", "k"}}}) {
        std::string viaReader = CutAtNul(ReadIniText(section, key, "~~", ini));
        std::optional<std::string> expected;
        if (viaReader != "~~")
            expected = viaReader;
        EXPECT_EQ(catalog.lookup(section, key), expected) << section << "/" << key;
    }
    EXPECT_EQ(catalog.lookup("S", "k"), std::string(255, 'h'));
    EXPECT_EQ(catalog.lookup("T", "k"), "v");
    EXPECT_EQ(catalog.lookup("T", "z"), "a");
    EXPECT_EQ(catalog.lookup("T", "u"), "\uFFFD\uFFFD");  // bytes the code page leaves undefined
}

TEST_F(TextCatalogFiles, CatalogueReadsTheFileOnceAtFirstLookup)
{
    TextCatalog catalog(dir_ / "english.ini");
    write("[S]\nk=first\n");  // written after construction: still seen
    EXPECT_EQ(catalog.lookup("S", "k"), "first");
    write("[S]\nk=second\n");
    EXPECT_EQ(catalog.lookup("S", "k"), "first");
}

namespace {

CaptionTable settingsWindow()
{
    std::vector<ControlCaption> controls{{"Command20", -1, "Εντάξει"}, {"Command21", -1, "Άκυρο"}};
    for (int i = 0; i < 6; ++i)
        controls.push_back({"Label1", i, "Ετικέτα " + std::to_string(i)});
    controls.push_back({"Label2", -1, "Μέγεθος"});
    return CaptionTable("Ρυθμίσεις", std::move(controls));
}

const std::vector<std::string> Label1Keys{"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)"};

}  // namespace

TEST_F(TextCatalogFiles, LoaderAppliesOnlyWhatTheSectionHolds)
{
    CaptionTable window = settingsWindow();
    const CaptionTable greek = window;
    TextCatalog catalog(write("[ENGLISH1]\nLabel2=wrong window\n[english8]\ncommand20=OK\nLabel1(3)=Card size\n"));
    loadEnglishTexts(window, catalog, "ENGLISH8", Label1Keys);

    EXPECT_EQ(window.caption("Command20"), "OK");
    EXPECT_EQ(window.caption("Label1", 3), "Card size");
    for (const ControlCaption& c : greek.controls()) {
        if (c.name == "Command20" || (c.name == "Label1" && c.index == 3))
            continue;
        EXPECT_EQ(window.caption(c.name, c.index), c.caption) << c.name << "(" << c.index << ")";
    }
    EXPECT_EQ(window.title(), "Ρυθμίσεις");  // titles are the window's own business
}

TEST_F(TextCatalogFiles, LoaderPlainKeyFillsTheArrayThenElementKeysOverride)
{
    CaptionTable window = settingsWindow();
    TextCatalog catalog(write("[ENGLISH8]\nLabel1(0)=Zero\nLabel1=All\nLabel1(4)=Four\nCommand21=\n"
                              "Label1(x)=bad\nLabel1(9)=none\nLabel1(-0)=bad\nLabel1(99999999999)=bad\n"));
    std::vector<std::string> keys = Label1Keys;
    keys.insert(keys.end(),
        {"Label1(x)", "Label1(", "(2)", "Label1(-1)", "Label1( 2)", "Label1(9)", "Label1(-0)", "Label1(99999999999)"});
    loadEnglishTexts(window, catalog, "ENGLISH8", keys);

    EXPECT_EQ(window.caption("Label1", 0), "Zero");
    for (int i : {1, 2, 3, 5})
        EXPECT_EQ(window.caption("Label1", i), "All") << i;
    EXPECT_EQ(window.caption("Label1", 4), "Four");
    EXPECT_EQ(window.caption("Command21"), "");  // present but empty: applied
    EXPECT_TRUE(window.has("Command21"));
    EXPECT_EQ(window.caption("Command20"), "Εντάξει");
    EXPECT_EQ(window.controls().size(), settingsWindow().controls().size());
}

TEST_F(TextCatalogFiles, LoaderWithoutCatalogueKeepsEveryCaption)
{
    CaptionTable window = settingsWindow();
    const CaptionTable greek = window;
    loadEnglishTexts(window, TextCatalog(missing()), "ENGLISH8", Label1Keys);
    for (const ControlCaption& c : greek.controls())
        EXPECT_EQ(window.caption(c.name, c.index), c.caption);
}

TEST(TextCaptionTable, AddressesControlsByNameAndIndex)
{
    CaptionTable window = settingsWindow();
    EXPECT_FALSE(window.has("Label1"));  // the array has no plain element
    EXPECT_FALSE(window.has("Label1", 6));
    EXPECT_EQ(window.caption("Nothing"), "");
    window.setCaption("Label1", 2, "two");
    window.setCaption("Nothing", -1, "ignored");
    EXPECT_EQ(window.caption("Label1", 2), "two");
    EXPECT_EQ(window.caption("Label1", 1), "Ετικέτα 1");
    window.setAll("Label1", "same");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(window.caption("Label1", i), "same");
    EXPECT_EQ(window.caption("Label2"), "Μέγεθος");
}

TEST(TextLanguage, ParseBooleanTakesWordsAndNumbers)
{
    for (const char* t : {"True", "TRUE", "true", " tRuE\t", "-1", "1", "2.5", " 0.001 ", "+3", "1e3", ".5"})
        EXPECT_EQ(parseBoolean(t), true) << '"' << t << '"';
    for (const char* t : {"False", "FALSE", "false", "  False ", "0", "-0", "0.0", "0e5", "000"})
        EXPECT_EQ(parseBoolean(t), false) << '"' << t << '"';
    for (const char* t : {"", "   ", "yes", "no", "Truee", "1x", "- 1", ".", "1e", "e5", "1.2.3", "Tr ue"})
        EXPECT_EQ(parseBoolean(t), std::nullopt) << '"' << t << '"';
    EXPECT_EQ(parseBoolean(booleanText(true)), true);
    EXPECT_EQ(parseBoolean(booleanText(false)), false);
    EXPECT_STREQ(booleanText(true), "True");
    EXPECT_STREQ(booleanText(false), "False");
}

TEST(TextLanguage, MenuItemsOnlySetTheFlag)
{
    Language language{true};
    english_menu_Click(language);
    EXPECT_FALSE(language.UseGreek);
    english_menu_Click(language);
    EXPECT_FALSE(language.UseGreek);
    Greek_menu_Click(language);
    EXPECT_TRUE(language.UseGreek);
}
