#include "ui/windows/AboutWindow.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

#include "text/Messages.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

AboutWindow::AboutWindow(bool useGreek, PictureLibrary& pictures, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("AboutWindow");
    useDesignPalette(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(5730), px(3420));
    setWindowTitle("About...");
    buildControls(useGreek, pictures);
}

void AboutWindow::buildControls(bool useGreek, PictureLibrary& pictures)
{
    if (QWidget* main = parentWidget())
        setWindowIcon(main->windowIcon());

    auto label = [&](const char* name, QRect r, const std::string& text) {
        auto* l = new QLabel(qs(text), this);
        l->setObjectName(name);
        l->setGeometry(r);
        return l;
    };
    QLabel* balloon = label("balloonPicture", px(240, 240, 735, 670), {});
    balloon->setPixmap(pictures.named("red_balloon", balloon->size(), devicePixelRatioF()));
    accessible::setName(balloon, accessible::pictureName("red_balloon", useGreek));

    QLabel* title = label("titleLabel", px(1200, 240, 4290, 480), std::string(ApplicationTitle));
    title->setFont(makeFont("Liberation Sans", 14, true));
    QLabel* version = label("versionLabel", px(1200, 780, 4290, 255), std::string(Messages::Version));
    version->setFont(makeFont("Liberation Sans", 9));
    QLabel* credit = label("creditLabel", px(1200, 1140, 4290, 255), Messages::Credit.in(useGreek));
    credit->setFont(makeFont("Liberation Sans", 9, true));
    setTextColour(credit, QColor(192, 0, 0));  // a red that reads on the grey
    QLabel* freeware = label("freewareLabel", px(1200, 1440, 4290, 255), Messages::Freeware.in(useGreek));
    freeware->setFont(makeFont("Liberation Sans", 8));

    // Two lines, the grey one over the light one, make one engraved rule.
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("ruleLine(%1)").arg(i));
        line->setGeometry(px(105, i == 0 ? 1890 : 1875, 5520, 15));
        setBackground(line, i == 0 ? QColor(224, 224, 224) : QColor(128, 128, 128));
        accessible::hideRepeat(line);
    }

    auto* mailLink = new ClickLabel(this);
    mailLink->setObjectName("mailLink");
    mailLink->setText(qs(Messages::SendMail.in(useGreek)));
    mailLink->setGeometry(px(1200, 2130, 2400, 300));
    QFont f = makeFont("Liberation Sans", 9);
    f.setUnderline(true);
    mailLink->setFont(f);
    setTextColour(mailLink, QColor(0, 0, 255));
    mailLink->setCursor(Qt::PointingHandCursor);
    accessible::setRole(mailLink, QAccessible::Link);
    connect(mailLink, &ClickLabel::clicked, this, &AboutWindow::onMailLinkClicked);

    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(px(4200, 2790, 1290, 420));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    setWindowTitle(qs(Messages::aboutTitle(useGreek)));
}

void AboutWindow::onMailLinkClicked()
{
    // Whether a mail program answered is not the game's concern.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(AuthorAddress.data(), AuthorAddress.size())));
}

}  // namespace vornel
