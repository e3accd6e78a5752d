#include <QTextBlock>
#include <QTextBrowser>

#include "UiSupport.h"
#include "ui/HelpWindow.h"

namespace vornel {
namespace {

// The manual shipped with the game: every link leads to an anchor that is
// there, and every picture is beside it and comes at the screen's density.
TEST(ScreenDensityOfTheManual, LinksLeadSomewhereAndPicturesComeAtTheScreensDensity)
{
    HelpWindow help(true, nullptr);
    help.openFile(QStringLiteral(VORNEL_ASSETS "/Help.hlp"), true);
    QSet<QString> anchors;
    QStringList links, images;
    for (QTextBlock block = help.browser()->document()->begin(); block.isValid(); block = block.next()) {
        for (const QString& name : block.charFormat().anchorNames())
            anchors.insert(name);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& name : f.anchorNames())
                anchors.insert(name);
            if (f.isAnchor() && !f.anchorHref().isEmpty())
                links << f.anchorHref();
            if (f.isImageFormat())
                images << f.toImageFormat().name();
        }
    }
    EXPECT_TRUE(anchors.contains("el") && anchors.contains("en"));
    EXPECT_GE(links.size(), 20);
    for (const QString& link : links)
        EXPECT_TRUE(link.startsWith("mailto:") || anchors.contains(link.mid(1))) << link.toStdString();

    EXPECT_GE(images.size(), 6);
    for (const QString& name : images) {
        const QVariant loaded = help.browser()->loadResource(QTextDocument::ImageResource, QUrl(name));
        const QImage image = loaded.userType() == QMetaType::QImage ? loaded.value<QImage>()
                                                                    : QImage::fromData(loaded.toByteArray());
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.devicePixelRatio(), help.devicePixelRatioF()) << name.toStdString();
        // Laid out at the size of the picture for a plain screen.
        EXPECT_EQ(image.deviceIndependentSize(), QSizeF(QImage(QStringLiteral(VORNEL_ASSETS "/") + name).size()))
            << name.toStdString();
    }
}

}  // namespace
}  // namespace vornel
