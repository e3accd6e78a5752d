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
#include "ui/shared/SaveNotice.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

CaptionTable designCaptions()
{
    return CaptionTable(std::string(Messages::SettingsTitle.greek),
        {
            {"Frame2", -1, "Επιλογή Χρωμάτων", "coloursGroup"},
            {"Label1", 0, "Χρώμα Ονόματος Παίκτη     :", "swatchLabel(0)"},
            {"Label1", 1, "Χρώμα Βαθμών Παίκτη         :", "swatchLabel(1)"},
            {"Label1", 2, "Χρώμα Χρόνου                      :", "swatchLabel(2)"},
            {"Label1", 3, "Χρώμα Κενής Ταπετσαρίας :", "swatchLabel(3)"},
            {"Label1", 4, "Χρώμα Ταπετσαρίας Πίνακα:", "swatchLabel(4)"},
            {"Frame1", -1, "Ρυθμίσεις Εικόνων", "picturesGroup"},
            {"Label1", 5, std::string(Messages::HeightPrefix), "heightLabel"},
            {"Label2", -1, std::string(Messages::WidthPrefix), "widthLabel"},
            {"Command2", -1, "Επιλογή Χρώματος", "cardColourButton"},
            {"Command1", -1, "Προεπιλεγμένα", "defaultsButton"},
            {"Command20", -1, "ΟΚ", "okButton"},
            {"Command10", -1, "Ακύρωση", "cancelButton"},
        });
}

// The catalogue's keys of the elements above, each applied on its own.
const std::string elementKeys[] = {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)"};

// One sample picture from each built-in category.
const char* const samplePictureNames[] = {"slice_of_pizza", "electric_guitar", "face_with_sunglasses"};

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

    auto* coloursGroup = new QGroupBox(this);
    coloursGroup->setObjectName("coloursGroup");
    coloursGroup->setGeometry(px(120, 120, 7260, 2520));
    for (int i = 0; i < 5; ++i) {
        swatchLabels_[i] =
            label(coloursGroup, QStringLiteral("swatchLabel(%1)").arg(i), px(240, 360 + 420 * i, 3720, 300));
        swatches_[i] = new ClickLabel(coloursGroup);
        swatches_[i]->setObjectName(QStringLiteral("swatch(%1)").arg(i));
        swatches_[i]->setGeometry(px(4080, 345 + 420 * i, 1320, 330));
        swatches_[i]->setFrameShape(QFrame::Panel);
        swatches_[i]->setFrameShadow(QFrame::Sunken);
        swatches_[i]->setCursor(Qt::PointingHandCursor);
        accessible::setRole(swatches_[i], QAccessible::Button);
        connect(swatches_[i], &ClickLabel::clicked, this, [this, i] { onSwatchClicked(i); });
    }

    auto* picturesGroup = new QGroupBox(this);
    picturesGroup->setObjectName("picturesGroup");
    picturesGroup->setGeometry(px(120, 2760, 7260, 1920));
    for (int i = 0; i < 3; ++i) {
        // A card's frame with its picture at the card's own offset.
        cardSamples_[i] = new QWidget(picturesGroup);
        cardSamples_[i]->setObjectName(QStringLiteral("cardSample(%1)").arg(i));
        cardSamples_[i]->setGeometry(px(240 + 1095 * i, 360, 975, 855));
        samplePictures_[i] = label(cardSamples_[i], QStringLiteral("samplePicture(%1)").arg(i), px(60, 60, 735, 670));
    }
    heightBar_ = new QScrollBar(Qt::Vertical, picturesGroup);
    heightBar_->setObjectName("heightBar");
    heightBar_->setGeometry(px(3525, 360, 255, 855));
    widthBar_ = new QScrollBar(Qt::Horizontal, picturesGroup);
    widthBar_->setObjectName("widthBar");
    widthBar_->setGeometry(px(240, 1335, 3165, 255));
    for (QScrollBar* bar : {widthBar_, heightBar_}) {
        bar->setRange(0, PictureSize::LastPosition);
        bar->setPageStep(4);
        // A drag reports its moves as scrolling and its end as the change.
        bar->setTracking(false);
    }
    connect(widthBar_, &QScrollBar::valueChanged, this, &SettingsWindow::onWidthChanged);
    connect(widthBar_, &QScrollBar::sliderMoved, this, &SettingsWindow::onWidthScrolled);
    connect(heightBar_, &QScrollBar::valueChanged, this, &SettingsWindow::onHeightChanged);
    connect(heightBar_, &QScrollBar::sliderMoved, this, &SettingsWindow::onHeightScrolled);

    heightLabel_ = label(picturesGroup, "heightLabel", px(3960, 360, 2040, 255));
    heightValue_ = label(picturesGroup, "heightValue", px(6000, 360, 1140, 255));
    widthLabel_ = label(picturesGroup, "widthLabel", px(3960, 720, 2040, 255));
    widthValue_ = label(picturesGroup, "widthValue", px(6000, 720, 1140, 255));
    cardColourButton_ = new QPushButton(picturesGroup);
    cardColourButton_->setObjectName("cardColourButton");
    cardColourButton_->setGeometry(px(3960, 1140, 3180, 420));
    connect(cardColourButton_, &QPushButton::clicked, this, &SettingsWindow::onCardColourClicked);

    auto button = [this](const char* name, QRect r, void (SettingsWindow::*handler)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(r);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    defaultsButton_ = button("defaultsButton", px(120, 4800, 2280, 420), &SettingsWindow::onDefaultsClicked);
    // Escape is the Cancel button, as in any dialog.
    new QShortcut(QKeySequence::Cancel, this, this, &SettingsWindow::onCancelClicked);
    button("okButton", px(3060, 4800, 2100, 420), &SettingsWindow::onOkClicked);
    button("cancelButton", px(5280, 4800, 2100, 420), &SettingsWindow::onCancelClicked);

    showInitialState(catalog);
}

void SettingsWindow::showInitialState(const TextCatalog& catalog)
{
    showCardColour();
    {
        // The bars show the size; the samples keep the card pictures' own.
        const QSignalBlocker h(widthBar_), v(heightBar_);
        heightBar_->setValue(edit_.heightPosition());
        widthBar_->setValue(edit_.widthPosition());
    }
    showPictureSize();
    heightValue_->setText(sizeText(edit_.pictureHeight()));
    widthValue_->setText(sizeText(edit_.pictureWidth()));
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
        accessible::setName(cardSamples_[i], AccessibleNames::CardSample.in(useGreek_));
        accessible::setName(samplePictures_[i], accessible::pictureName(samplePictureNames[i], useGreek_));
    }
    accessible::setName(widthBar_, AccessibleNames::PictureWidth.in(useGreek_));
    accessible::setName(heightBar_, AccessibleNames::PictureHeight.in(useGreek_));
    // The swatches are read by the captions beside them.
    showSwatches();
}

void SettingsWindow::showSwatches()
{
    for (int i = 0; i < 5; ++i) {
        const QColor c = colourOf(edit_.swatches()[i]);
        setBackground(swatches_[i], c);
        QString caption = swatchLabels_[i]->text().trimmed();
        if (caption.endsWith(':'))
            caption = caption.chopped(1).trimmed();
        accessible::setName(swatches_[i],
            AccessibleNames::colour(useGreek_, caption.toStdString(), c.red(), c.green(), c.blue()));
        accessible::setDescription(swatches_[i], qs(AccessibleNames::ChooseColour.in(useGreek_)));
    }
}

void SettingsWindow::showCardColour()
{
    for (QWidget* sample : cardSamples_)
        setBackground(sample, colourOf(edit_.cardColour()));
}

void SettingsWindow::showPictureSize()
{
    const QSize size(px(edit_.pictureWidth()), px(edit_.pictureHeight()));
    for (int i = 0; i < 3; ++i) {
        samplePictures_[i]->resize(size);
        samplePictures_[i]->setPixmap(pictures_.named(samplePictureNames[i], size, devicePixelRatioF()));
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
        onActivated();
    return QWidget::event(e);
}

void SettingsWindow::onActivated()
{
    defaultsButton_->setEnabled(edit_.defaultsAvailable());
    // Back from the palette: it goes. A palette the player has not been in
    // yet stays, however late the activation of a click that opened it comes.
    if (palette_ && palette_->beenActive())
        palette_->close();
}

PaletteWindow* SettingsWindow::openPalette(QPoint topLeft)
{
    if (!palette_) {
        palette_ = new PaletteWindow(pictures_, useGreek_, this);
        connect(palette_, &PaletteWindow::colourTaken, this, &SettingsWindow::onColourTaken);
    }
    palette_->move(topLeft);
    return palette_;
}

void SettingsWindow::onSwatchClicked(int index)
{
    const QRect outer = frameGeometry();
    PaletteWindow* palette = openPalette(QPoint(outer.left() + outer.width(), outer.top() + px(2650)));
    palette->setTarget(ColourTarget::swatchAt(index));
    palette->setWindowTitle("[" + swatchLabels_[index]->text() + "]");
    palette->setPreview(edit_.swatches()[index]);
    palette->showForChoice();
}

void SettingsWindow::onCardColourClicked()
{
    const QRect outer = frameGeometry();
    PaletteWindow* palette = openPalette(QPoint(outer.left() + outer.width(), outer.top()));
    palette->setTarget(ColourTarget::cardFrames());
    palette->showForChoice();
    palette->setWindowTitle(cardColourButton_->text());
}

// A swatch shows on the main window at once; the card colour waits for OK.
void SettingsWindow::onColourTaken(ColourTarget target, std::int32_t colour)
{
    if (target.kind == ColourTarget::Kind::CardFrames) {
        edit_.pickCardColour(colour);
        showCardColour();
        return;
    }
    edit_.pickSwatch(target.swatch, colour);
    showSwatches();
    emit swatchesChanged(edit_.swatches());
}

// ---- The picture size ------------------------------------------------------------

void SettingsWindow::onWidthChanged()
{
    edit_.setWidthPosition(widthBar_->value());
    showPictureSize();
    widthValue_->setText(sizeText(edit_.pictureWidth()));
}

void SettingsWindow::onWidthScrolled(int position)
{
    edit_.setWidthPosition(position);
    showPictureSize();
    widthLabel_->setText(qs(std::string(Messages::WidthPrefix)) + sizeText(edit_.pictureWidth()));
}

void SettingsWindow::onHeightChanged()
{
    edit_.setHeightPosition(heightBar_->value());
    showPictureSize();
    heightValue_->setText(sizeText(edit_.pictureHeight()));
}

void SettingsWindow::onHeightScrolled(int position)
{
    edit_.setHeightPosition(position);
    showPictureSize();
    heightLabel_->setText(qs(std::string(Messages::HeightPrefix)) + sizeText(edit_.pictureHeight()));
}

// ---- Buttons and closing -----------------------------------------------------------

void SettingsWindow::onDefaultsClicked()
{
    edit_.defaults();
    showSwatches();
    showCardColour();
}

void SettingsWindow::onOkClicked()
{
    tellIfNotSaved(edit_.ok(), useGreek_);
    emit confirmed(edit_.swatches());
    close();
}

void SettingsWindow::onCancelClicked()
{
    close();
}

void SettingsWindow::closeEvent(QCloseEvent* e)
{
    onClosing();
    e->accept();
}

// Closing never refuses; without OK the main window gets its colours back.
void SettingsWindow::onClosing()
{
    if (edit_.SettingsState() == SettingsEdit::Open)
        emit restoreColours(edit_.SavedColours());
    if (palette_)
        palette_->close();
    emit closed();
}

}  // namespace vornel
