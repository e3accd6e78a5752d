#include "ui/windows/SettingsWindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include "game/PictureSize.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "text/Profile.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/CaptionApply.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/ColourValues.h"
#include "ui/windows/PaletteWindow.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

CaptionTable designCaptions()
{
    return CaptionTable(std::string(Messages::SettingsTitle.greek),
        {
            {"Frame2", -1, "Επιλογή Χρωμάτων"},
            {"Label1", 0, "Χρώμα Ονόματος Παίκτη     :"},
            {"Label1", 1, "Χρώμα Βαθμών Παίκτη         :"},
            {"Label1", 2, "Χρώμα Χρόνου                      :"},
            {"Label1", 3, "Χρώμα Κενής Ταπετσαρίας :"},
            {"Label1", 4, "Χρώμα Ταπετσαρίας Πίνακα:"},
            {"Frame1", -1, "Ρυθμίσεις Εικόνων"},
            {"Label1", 5, std::string(Messages::HeightPrefix)},
            {"Label2", -1, std::string(Messages::WidthPrefix)},
            {"Command2", -1, "Επιλογή Χρώματος"},
            {"Command1", -1, "Προεπιλεγμένα"},
            {"Command20", -1, "ΟΚ"},
            {"Command10", -1, "Ακύρωση"},
        });
}

const std::string elementKeys[] = {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)"};

// One sample picture from each built-in category.
const char* const samplePictures[] = {"slice_of_pizza", "electric_guitar", "face_with_sunglasses"};

QString sizeText(std::int32_t twips)
{
    return qs(PictureSize::text(twips, QLocale().decimalPoint().toStdString()));
}

}  // namespace

SettingsWindow::SettingsWindow(const ColourValues& shown, CardSettings& cards, std::filesystem::path coloursFile,
    std::filesystem::path defaultsFile, PictureLibrary& pictures, bool useGreek, const TextCatalog& catalog,
    QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      edit_(shown, cards, std::move(coloursFile), std::move(defaultsFile)),
      pictures_(pictures),
      useGreek_(useGreek)
{
    setObjectName("SettingsWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(7500), px(5400));

    auto label = [](QWidget* parent, const QString& name, QRect r) {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        l->setGeometry(r);
        return l;
    };

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName("Frame2");
    frame2->setGeometry(px(120, 120, 7260, 2520));
    for (int i = 0; i < 5; ++i) {
        label1_[i] = label(frame2, QStringLiteral("Label1(%1)").arg(i), px(240, 360 + 420 * i, 3720, 300));
        picture1_[i] = new ClickLabel(frame2);
        picture1_[i]->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        picture1_[i]->setGeometry(px(4080, 345 + 420 * i, 1320, 330));
        picture1_[i]->setFrameShape(QFrame::Panel);
        picture1_[i]->setFrameShadow(QFrame::Sunken);
        picture1_[i]->setCursor(Qt::PointingHandCursor);
        accessible::setRole(picture1_[i], QAccessible::Button);
        connect(picture1_[i], &ClickLabel::clicked, this, [this, i] { Picture1_Click(i); });
    }

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(px(120, 2760, 7260, 1920));
    const char* const previewNames[] = {"Image1", "Picture2", "Picture3"};
    const char* const pictureNames[] = {"Image2", "Image3", "Image9"};
    for (int i = 0; i < 3; ++i) {
        // A card's frame with its picture at the card's own offset.
        cardPreviews_[i] = new QWidget(frame1);
        cardPreviews_[i]->setObjectName(previewNames[i]);
        cardPreviews_[i]->setGeometry(px(240 + 1095 * i, 360, 975, 855));
        picturePreviews_[i] = label(cardPreviews_[i], pictureNames[i], px(60, 60, 735, 670));
    }
    vScroll1_ = new QScrollBar(Qt::Vertical, frame1);
    vScroll1_->setObjectName("VScroll1");
    vScroll1_->setGeometry(px(3525, 360, 255, 855));
    hScroll1_ = new QScrollBar(Qt::Horizontal, frame1);
    hScroll1_->setObjectName("HScroll1");
    hScroll1_->setGeometry(px(240, 1335, 3165, 255));
    for (QScrollBar* bar : {hScroll1_, vScroll1_}) {
        bar->setRange(0, PictureSize::LastPosition);
        bar->setPageStep(4);
        // A drag reports its moves as scrolling and its end as the change.
        bar->setTracking(false);
    }
    connect(hScroll1_, &QScrollBar::valueChanged, this, &SettingsWindow::HScroll1_Change);
    connect(hScroll1_, &QScrollBar::sliderMoved, this, &SettingsWindow::HScroll1_Scroll);
    connect(vScroll1_, &QScrollBar::valueChanged, this, &SettingsWindow::VScroll1_Change);
    connect(vScroll1_, &QScrollBar::sliderMoved, this, &SettingsWindow::VScroll1_Scroll);

    label1_[5] = label(frame1, "Label1(5)", px(3960, 360, 2040, 255));
    label3_[0] = label(frame1, "Label3(0)", px(6000, 360, 1140, 255));
    label2_ = label(frame1, "Label2", px(3960, 720, 2040, 255));
    label3_[1] = label(frame1, "Label3(1)", px(6000, 720, 1140, 255));
    command2_ = new QPushButton(frame1);
    command2_->setObjectName("Command2");
    command2_->setGeometry(px(3960, 1140, 3180, 420));
    connect(command2_, &QPushButton::clicked, this, &SettingsWindow::Command2_Click);

    auto button = [this](const char* name, QRect r, void (SettingsWindow::*handler)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(r);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    command1_ = button("Command1", px(120, 4800, 2280, 420), &SettingsWindow::Command1_Click);
    // Escape is the Cancel button, as in any dialog.
    new QShortcut(QKeySequence::Cancel, this, this, &SettingsWindow::Command10_Click);
    button("Command20", px(3060, 4800, 2100, 420), &SettingsWindow::Command20_Click);
    button("Command10", px(5280, 4800, 2100, 420), &SettingsWindow::Command10_Click);

    label20_ = label(this, "Label20", px(0, 0, 1000, 255));
    accessible::hideRepeat(label20_);  // a value passed on, never seen

    Form_Load(catalog);
}

void SettingsWindow::Form_Load(const TextCatalog& catalog)
{
    for (int i = 0; i < 3; ++i)
        picturePreviews_[i]->setProperty("picture", samplePictures[i]);
    showCardColour();
    {
        // The bars show the size; the samples keep the card pictures' own.
        const QSignalBlocker h(hScroll1_), v(vScroll1_);
        vScroll1_->setValue(edit_.heightPosition());
        hScroll1_->setValue(edit_.widthPosition());
    }
    showPictureSize();
    label3_[0]->setText(sizeText(edit_.pictureHeight()));
    label3_[1]->setText(sizeText(edit_.pictureWidth()));

    label20_->move(px(8000), label20_->y());
    showSwatches();

    setWindowIcon(QIcon(pictures_.named("anchor")));
    if (parentWidget())
        move(parentWidget()->frameGeometry().topLeft());

    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishTexts(captions_, catalog, "ENGLISH8", elementKeys);
        captions_.setTitle(std::string(Messages::SettingsTitle.english));
    }
    applyCaptions(this, captions_);

    for (int i = 0; i < 3; ++i) {
        accessible::setName(cardPreviews_[i], AccessibleNames::CardSample.in(useGreek_));
        accessible::setName(picturePreviews_[i], accessible::pictureName(samplePictures[i], useGreek_));
    }
    accessible::setName(hScroll1_, AccessibleNames::PictureWidth.in(useGreek_));
    accessible::setName(vScroll1_, AccessibleNames::PictureHeight.in(useGreek_));
    // The swatches are read by the captions beside them.
    showSwatches();
}

void SettingsWindow::showSwatches()
{
    for (int i = 0; i < 5; ++i) {
        const QColor c = colourOf(edit_.swatches()[i]);
        setBackground(picture1_[i], c);
        QString caption = label1_[i]->text().trimmed();
        if (caption.endsWith(':'))
            caption = caption.chopped(1).trimmed();
        accessible::setName(picture1_[i],
            AccessibleNames::colour(useGreek_, caption.toStdString(), c.red(), c.green(), c.blue()));
        accessible::setDescription(picture1_[i], qs(AccessibleNames::ChooseColour.in(useGreek_)));
    }
}

void SettingsWindow::showCardColour()
{
    for (QWidget* preview : cardPreviews_)
        setBackground(preview, colourOf(edit_.cardColour()));
}

void SettingsWindow::showPictureSize()
{
    const QSize size(px(edit_.pictureWidth()), px(edit_.pictureHeight()));
    for (QLabel* preview : picturePreviews_) {
        preview->resize(size);
        preview->setPixmap(pictures_.named(preview->property("picture").toString(), size, devicePixelRatioF()));
    }
}

// ---- Activation and the palette ------------------------------------------------

PaletteWindow* SettingsWindow::palette() const
{
    return palette_;
}

bool SettingsWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

void SettingsWindow::Form_Activate()
{
    command1_->setEnabled(edit_.defaultsAvailable());
    // Back from the palette: it goes. A palette the player has not been in
    // yet stays, however late the activation of a click that opened it comes.
    if (palette_ && palette_->beenActive())
        palette_->close();
}

PaletteWindow* SettingsWindow::openPalette(QPoint topLeft)
{
    if (!palette_) {
        palette_ = new PaletteWindow(pictures_, useGreek_, this);
        connect(palette_, &PaletteWindow::cardColourTaken, this, [this](std::int32_t c) {
            edit_.pickCardColour(c);
            showCardColour();
        });
        connect(palette_, &PaletteWindow::swatchColourTaken, this, [this](int swatch, std::int32_t c) {
            edit_.pickSwatch(swatch, c);
            showSwatches();
            label20_->setText(QString::number(c));
            LABEL20_Change();
        });
    }
    palette_->move(topLeft);
    return palette_;
}

void SettingsWindow::Picture1_Click(int index)
{
    const QRect outer = frameGeometry();
    PaletteWindow* palette = openPalette(QPoint(outer.left() + outer.width(), outer.top() + px(2650)));
    palette->setPaletteTarget(QStringLiteral("ΕΠΙΛΟΓΗ,%1").arg(index));
    palette->setWindowTitle("[" + label1_[index]->text() + "]");
    palette->setPreview(edit_.swatches()[index]);
    palette->showForChoice();
}

void SettingsWindow::Command2_Click()
{
    const QRect outer = frameGeometry();
    PaletteWindow* palette = openPalette(QPoint(outer.left() + outer.width(), outer.top()));
    palette->setPaletteTarget(QString());
    palette->showForChoice();
    palette->setWindowTitle(command2_->text());
}

void SettingsWindow::LABEL20_Change()
{
    emit swatchesChanged(edit_.swatches());
}

// ---- The picture size ------------------------------------------------------------

void SettingsWindow::HScroll1_Change()
{
    edit_.setWidthPosition(hScroll1_->value());
    showPictureSize();
    label3_[1]->setText(sizeText(edit_.pictureWidth()));
}

void SettingsWindow::HScroll1_Scroll(int position)
{
    edit_.setWidthPosition(position);
    showPictureSize();
    label2_->setText(qs(std::string(Messages::WidthPrefix)) + sizeText(edit_.pictureWidth()));
}

void SettingsWindow::VScroll1_Change()
{
    edit_.setHeightPosition(vScroll1_->value());
    showPictureSize();
    label3_[0]->setText(sizeText(edit_.pictureHeight()));
}

void SettingsWindow::VScroll1_Scroll(int position)
{
    edit_.setHeightPosition(position);
    showPictureSize();
    label1_[5]->setText(qs(std::string(Messages::HeightPrefix)) + sizeText(edit_.pictureHeight()));
}

// ---- Buttons and closing -----------------------------------------------------------

void SettingsWindow::Command1_Click()
{
    edit_.defaults();
    showSwatches();
    showCardColour();
}

void SettingsWindow::Command20_Click()
{
    edit_.ok();
    emit confirmed(edit_.swatches());
    close();
}

void SettingsWindow::Command10_Click()
{
    close();
}

void SettingsWindow::closeEvent(QCloseEvent* e)
{
    Form_QueryUnload();
    e->accept();
}

// Closing never refuses; without OK the main window gets its colours back.
void SettingsWindow::Form_QueryUnload()
{
    if (edit_.SettingsState() == SettingsEdit::Open)
        emit restoreColours(edit_.SavedColours());
    if (palette_)
        palette_->close();
    emit closed();
}

}  // namespace vornel
