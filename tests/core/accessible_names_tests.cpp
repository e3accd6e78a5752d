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

}  // namespace
