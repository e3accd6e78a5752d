#include "ui/windows/HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "storage/SafeFile.h"
#include "text/HtmlShape.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/PictureFile.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

// Reads the manual and its pictures only from regular files of sane size:
// a pipe would hold the window, a device or a huge file would never end.
// A page beyond the manual's bounds would hold it for minutes as it is laid
// out, and a picture is decoded no larger than a screen needs. A file
// refused reads as empty, so that nothing else tries it again. On a denser
// screen a picture "name@2x.png" beside "name.png" is drawn from its own
// pixels instead of enlarged.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (!url.isLocalFile() && !url.isRelative())
            return QTextBrowser::loadResource(type, name);
        if (!url.isLocalFile())
            return QByteArray("");
        const QString path = url.toLocalFile();
        if (type == QTextDocument::ImageResource) {
            if (devicePixelRatioF() > 1) {
                const QFileInfo file(path);
                const QString twice = file.path() + '/' + file.completeBaseName() + "@2x." + file.suffix();
                QImage image = readPictureFile(twice, QSize(LargestSide, LargestSide), Qt::KeepAspectRatio);
                if (!image.isNull()) {
                    image.setDevicePixelRatio(2);
                    return image;
                }
            }
            const QImage image = readPictureFile(path, QSize(LargestSide, LargestSide), Qt::KeepAspectRatio);
            return image.isNull() ? QVariant(QByteArray("")) : QVariant(image);
        }
        const std::optional<std::string> bytes =
            readRegularFile(QFile::encodeName(path).toStdString(), ManualBounds::Bytes);
        if (!bytes)
            return QByteArray("");
        // The page is checked as the UTF-8 text the viewer is given.
        if (type == QTextDocument::HtmlResource)
            return withinManualBounds(*bytes) ? QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size()))
                                              : QString();
        return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }

private:
    static constexpr int LargestSide = 4096;
};

}  // namespace

HelpWindow::HelpWindow(bool useGreek, QWidget* parent)
    : QWidget(parent, Qt::Window), useGreek_(useGreek)
{
    setObjectName("HelpWindow");
    // The manual's page is drawn in its own colours, for a light page.
    useDesignPalette(this);
    // The manual's pictures are megabytes: they go with the window.
    setAttribute(Qt::WA_DeleteOnClose);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    resize(820, 620);
    if (parent)
        setWindowIcon(parent->windowIcon());

    auto* back = new QPushButton(qs(Messages::HelpBack.in(useGreek)), this);
    auto* forward = new QPushButton(qs(Messages::HelpForward.in(useGreek)), this);
    auto* contents = new QPushButton(qs(Messages::HelpContents.in(useGreek)), this);
    back->setObjectName("backButton");
    forward->setObjectName("forwardButton");
    contents->setObjectName("contentsButton");
    browser_ = new HelpBrowser(this);
    browser_->setObjectName("browser");
    // Links otherwise take the desktop's link colour, which may not read on the light page.
    browser_->document()->setDefaultStyleSheet(QStringLiteral("a { color: #0000ee; }"));
    // Mail and web addresses go to the desktop's own programs.
    browser_->setOpenExternalLinks(true);
    accessible::nameScrollBars(browser_, AccessibleNames::HelpText, useGreek);
    setWindowTitle(qs(Messages::HelpTitle.in(useGreek)));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, browser_, [this] {
        QUrl top = browser_->source();
        top.setFragment(languageAnchor());
        browser_->setSource(top, QTextDocument::HtmlResource);
    });
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? qs(Messages::HelpTitle.in(useGreek_)) : title);
    });
}

void HelpWindow::openFile(const QString& path, bool useGreek)
{
    useGreek_ = useGreek;
    // The help file is HTML whatever its name says. A file without the
    // language's anchor opens at its top.
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(languageAnchor());
    browser_->setSource(url, QTextDocument::HtmlResource);
}

QString HelpWindow::languageAnchor() const
{
    return useGreek_ ? QStringLiteral("el") : QStringLiteral("en");
}

}  // namespace vornel
