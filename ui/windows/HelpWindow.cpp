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
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

// The manual is tens of kilobytes, each of its pictures less.
constexpr std::size_t MaxHelpResourceBytes = std::size_t(16) << 20;

// Reads the manual and its pictures only from regular files of sane size:
// a pipe would hold the window, a device or a huge file would never end.
// A file refused reads as empty, so that nothing else tries it again. On a
// denser screen a picture "name@2x.png" beside "name.png" is drawn from its
// own pixels instead of enlarged.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (!url.isLocalFile() && !url.isRelative())
            return QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1 && url.isLocalFile()) {
            const QFileInfo file(url.toLocalFile());
            const QString twice = file.path() + '/' + file.completeBaseName() + "@2x." + file.suffix();
            QImage image = readPictureFile(twice, QSize(LargestSide, LargestSide), Qt::KeepAspectRatio);
            if (!image.isNull()) {
                image.setDevicePixelRatio(2);
                return image;
            }
        }
        const std::optional<std::string> bytes = url.isLocalFile()
            ? readRegularFile(QFile::encodeName(url.toLocalFile()).toStdString(), MaxHelpResourceBytes)
            : std::nullopt;
        return bytes ? QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())) : QByteArray("");
    }

private:
    static constexpr int LargestSide = 4096;
};

}  // namespace

HelpWindow::HelpWindow(bool useGreek, QWidget* parent)
    : QWidget(parent, Qt::Window), useGreek_(useGreek)
{
    setObjectName("HelpWindow");
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
