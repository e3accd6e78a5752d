#include <gtest/gtest.h>

#include <set>

#include "game/PictureSet.h"
#include "text/AccessibleNames.h"

using namespace vornel;
namespace names = vornel::AccessibleNames;

namespace {

TEST(AccessibleNames, EveryBuiltInPictureHasItsOwnNameInBothLanguages)
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
    EXPECT_EQ(greek.size(), 30u);
    EXPECT_EQ(english.size(), 30u);
    EXPECT_EQ(names::picture(false, "Image42"), "anchor");
    EXPECT_EQ(names::picture(true, "Image42"), "άγκυρα");
}

TEST(AccessibleNames, APictureFileIsReadByItsBaseName)
{
    EXPECT_EQ(names::picture(true, "/home/ada/Photos/Sunset at sea.JPG"), "Sunset at sea");
    EXPECT_EQ(names::picture(false, "/home/ada/archive.tar.gz"), "archive.tar");
    EXPECT_EQ(names::picture(false, "/home/ada/no extension"), "no extension");
    EXPECT_EQ(names::picture(false, "/home/ada/.hidden"), ".hidden");
    EXPECT_EQ(names::picture(false, "/media/usb.stick/Image42"), "Image42") << "a file is never a built-in";
}

TEST(AccessibleNames, CardsSayTheirNumberAndWhatTheyShow)
{
    using names::CardFace;
    EXPECT_EQ(names::card(false, 7, CardFace::Down, "anchor"), "Card 7");
    EXPECT_EQ(names::card(true, 7, CardFace::Down, "άγκυρα"), "Κάρτα 7");
    EXPECT_EQ(names::card(false, 7, CardFace::Open, "anchor"), "Card 7: anchor");
    EXPECT_EQ(names::card(true, 20, CardFace::Matched, "άγκυρα"), "Κάρτα 20: άγκυρα, ταιριασμένη");
    EXPECT_EQ(names::action(false, names::Stop, names::Availability::NotAvailable), "Stop, not available");
    EXPECT_EQ(names::action(true, names::TwoPairsHelp, names::Availability::Used),
        "Βοήθεια: 2 ζευγάρια λύνονται, χρησιμοποιήθηκε");
    EXPECT_EQ(names::colour(false, "Score colour", 128, 0, 255), "Score colour: red 128, green 0, blue 255");
}

}  // namespace
