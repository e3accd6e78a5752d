#include <gtest/gtest.h>

#include <set>

#include "FileBytes.h"
#include "TempFolder.h"
#include "game/PictureSet.h"
#include "text/AccessibleNames.h"
#include "text/Captions.h"
#include "text/Language.h"
#include "text/Profile.h"

using namespace vornel;
using namespace vornel::testing;
namespace names = vornel::AccessibleNames;

namespace {

// "Καλημέρα" in windows-1253, as the catalogue file holds it.
const std::string GreekBytes = "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1";
const std::string GreekUtf8 = "Καλημέρα";

struct TextCatalogFiles : ::testing::Test {
    TempFolder dir;
    fs::path write(const std::string& bytes) { return writeBytes(dir / "english.ini", bytes), dir / "english.ini"; }
};

}  // namespace

// The classic reader's rules: a value present but empty is applied, the
// reader's default "~~" and anything after a NUL are not. The rest of the
// format (sections, case, quotes, comments) is the fuzz target's.
TEST_F(TextCatalogFiles, CatalogueReadsAwkwardFilesAsTheClassicReaderDid)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131 + 7) % 256);
    const std::string longGreek = std::string(200, '\xE1') + GreekBytes + std::string(100, '\xE1');
    const TextCatalog catalog(write(garbage + "\n[S]\nk=" + std::string(1 << 16, 'h') + "\r\n[T]\rk='v'\nz=a\0b\n"s +
        "u=\x81\xFF\ng=" + longGreek + "\nempty=\nblank=   \nmarker=~~\nnul=~~\0tail\n"s + garbage));
    EXPECT_EQ(catalog.lookup("S", "k"), std::string(255, 'h'));
    EXPECT_EQ(catalog.lookup("T", "k"), "v");
    EXPECT_EQ(catalog.lookup("T", "z"), "a");
    EXPECT_EQ(catalog.lookup("T", "u"), "\uF781\uF7FF");  // bytes the code page leaves undefined
    // Cut at 255 bytes of the file, which are two bytes each in UTF-8.
    std::string alpha;
    for (int i = 0; i < 200; ++i)
        alpha += "α";
    EXPECT_EQ(catalog.lookup("T", "g"), alpha + GreekUtf8 + alpha.substr(0, 2 * 47));
    EXPECT_TRUE(catalog.lookup("T", "empty") == "" && catalog.lookup("T", "blank") == "");
    EXPECT_FALSE(catalog.lookup("T", "marker") || catalog.lookup("T", "nul") || catalog.lookup("T", "missing"));
}

// Only the first section of a name counts; a value loses a matching pair of quotes only.
TEST_F(TextCatalogFiles, LoaderAppliesTheSectionsKeysThePlainKeyToTheWholeArrayThenElementKeys)
{
    std::vector<ControlCaption> controls{
        {"Command20", -1, "Εντάξει"}, {"Command21", -1, "Άκυρο"}, {"Label2", -1, "Μέγεθος"}};
    for (int i = 0; i < 6; ++i)
        controls.push_back({"Label1", i, "Ετικέτα"});
    CaptionTable window("Ρυθμίσεις", std::move(controls));
    TextCatalog catalog(write("[ENGLISH1]\nLabel2=wrong window\n[english8]\nLabel1(0)=Zero\nLabel1=All\n"
                              "Label1(4)=Four\nCommand21=\nLabel1(x)=bad\nLabel1(9)=none\nLabel1(-0)=bad\n"
                              "Label1(99999999999)=bad\nLabel2=\"x'\n[ English8 ]\nLabel1(2)=repeated\n"));
    loadEnglishTexts(window, catalog, "ENGLISH8",
        std::vector<std::string>{"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)", "Label1(x)", "Label1(", "(2)",
            "Label1(-1)", "Label1( 2)", "Label1(9)", "Label1(-0)", "Label1(99999999999)"});
    std::vector<std::string> captions;
    for (const ControlCaption& c : window.controls())
        captions.push_back(c.caption);
    // Command21 is present but empty: applied.
    EXPECT_EQ(
        captions, (std::vector<std::string>{"Εντάξει", "", "\"x'", "Zero", "All", "All", "All", "Four", "All"}));
}

TEST(TextLanguage, ParseBooleanTakesWordsAndNumbers)
{
    for (const char* t : {"True", "TRUE", "true", " tRuE\t", "-1", "1", "2.5", " 0.001 ", "+3", "1e3", ".5"})
        EXPECT_EQ(parseBoolean(t), true) << '"' << t << '"';
    for (const char* t : {"False", "FALSE", "false", "  False ", "0", "-0", "0.0", "0e5", "000"})
        EXPECT_EQ(parseBoolean(t), false) << '"' << t << '"';
    for (const char* t : {"", "   ", "yes", "no", "Truee", "1x", "- 1", ".", "1e", "e5", "1.2.3", "Tr ue"})
        EXPECT_EQ(parseBoolean(t), std::nullopt) << '"' << t << '"';
}

TEST(AccessibleNames, EveryBuiltInPictureHasItsOwnNameInBothLanguagesAndAFileItsBaseName)
{
    std::set<std::string> greek, english;
    for (PictureCategory c : {PictureCategory::Objects, PictureCategory::Faces, PictureCategory::Food}) {
        for (const PictureRef& p : builtInPictureSet(c).pictures) {
            const std::optional<Bilingual> name = names::builtInPicture(p->name);
            ASSERT_TRUE(name) << p->name;
            EXPECT_FALSE(name->greek.empty() || name->english.empty()) << p->name;
            greek.insert(std::string(name->greek));
            english.insert(std::string(name->english));
        }
    }
    EXPECT_TRUE(greek.size() == 30 && english.size() == 30);
    EXPECT_EQ(names::picture(true, "anchor"), "άγκυρα");
    EXPECT_EQ(names::picture(true, "/home/ada/Photos/Sunset at sea.JPG") + "|" + names::picture(false, "/a/archive.tar.gz") +
            "|" + names::picture(false, "/a/.hidden") + "|" + names::picture(false, "/usb.stick/ice_cream_cone"),
        "Sunset at sea|archive.tar|.hidden|ice_cream_cone");  // a file is never a built-in
}
