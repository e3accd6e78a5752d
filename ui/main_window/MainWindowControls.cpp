#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <functional>

#include "ui/main_window/BoardKeyboard.h"
#include "ui/shared/ClickLabel.h"
#include "ui/shared/ColourValues.h"
#include "ui/main_window/MainWindow.h"
#include "ui/main_window/StatusBar.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"
#include "text/Messages.h"

// Building the main window's controls at their design places.
namespace vornel {

using namespace widgets;

namespace {

class ClientArea : public QWidget {
public:
    std::function<void(QPoint)> onRightClick;
    std::function<void()> onMouseMove;

    explicit ClientArea(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        for (int y : {px(600), px(1440)}) {
            p.setPen(Qt::white);
            p.drawLine(px(6795), y, px(9255), y);
            p.setPen(QColor(128, 128, 128));
            p.drawLine(px(6795), y + 1, px(9255), y + 1);
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        QWidget* child = childAt(e->position().toPoint());
        const bool onBackground = !child || child->objectName() == "wallpaper";
        if (onBackground && e->button() == Qt::RightButton && onRightClick)
            onRightClick(e->globalPosition().toPoint());
    }
    void mouseMoveEvent(QMouseEvent*) override
    {
        if (onMouseMove)
            onMouseMove();
    }
};

}  // namespace

void MainWindow::buildControls()
{
    auto* area = new ClientArea(this);
    clientArea_ = area;
    area->setObjectName("clientArea");
    area->setFixedSize(px(9990), px(6345));
    setCentralWidget(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    area->onMouseMove = [this] { onPointerOverBackground(); };

    wallpaper_ = new QLabel(area);
    wallpaper_->setObjectName("wallpaper");
    wallpaper_->setScaledContents(true);
    wallpaper_->setGeometry(px(120, 360, 1215, 855));
    wallpaper_->hide();

    auto label = [&](QWidget* parent, const QString& name, QRect r) {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        l->setGeometry(r);
        return l;
    };

    titleStrip_ = label(area, "titleStrip", px(-45, 0, 10020, 345));
    setBackground(titleStrip_, QColor(192, 0, 0));
    categoryLabel_ = label(area, "categoryLabel", px(240, 45, 3615, 255));
    difficultyLabel_ = label(area, "difficultyLabel", px(3120, 45, 2535, 255));
    for (QLabel* l : {categoryLabel_, difficultyLabel_}) {
        setTextColour(l, CaptionGrey);
        l->setFont(makeFont("Liberation Sans", 8, true));
    }

    playerNameLabel_ = label(area, "playerNameLabel", px(7035, 750, 2010, 390));
    playerNameLabel_->setFont(makeFont("Liberation Sans", 12, true));
    scoreLabel_ = label(area, "scoreLabel", px(7035, 1080, 2010, 375));
    scoreLabel_->setFont(makeFont("Liberation Mono", 12, true));
    clockLabel_ = label(area, "clockLabel", px(7080, 1740, 1935, 495));
    clockLabel_->setFont(makeFont("Liberation Sans", 18, true));
    for (QLabel* l : {playerNameLabel_, scoreLabel_, clockLabel_})
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    board_ = new Panel(area);
    board_->setObjectName("board");
    board_->setGeometry(px(240, 600, 5700, 4095));
    connect(board_, &Panel::mouseMoved, this, &MainWindow::onPointerOverBackground);
    for (int i = 0; i < Board::SlotCount; ++i) {
        // Backs and numbers first, so that a face-up card's frame covers them.
        cardBacks_[i] = new ClickLabel(board_);
        cardBacks_[i]->setObjectName(QStringLiteral("cardBack(%1)").arg(i));
        cardBacks_[i]->setFrameShape(QFrame::Box);
        cardBacks_[i]->setLineWidth(1);
        cardNumbers_[i] = new ClickLabel(board_);
        cardNumbers_[i]->setObjectName(QStringLiteral("cardNumber(%1)").arg(i));
        cardNumbers_[i]->setAlignment(Qt::AlignCenter);
        cardNumbers_[i]->setFont(makeFont("Liberation Sans", 14, true));
        cardNumbers_[i]->setAttribute(Qt::WA_TranslucentBackground);
        setTextColour(cardNumbers_[i], Qt::white);
        cardFrames_[i] = new Panel(board_);
        cardFrames_[i]->setObjectName(QStringLiteral("cardFrame(%1)").arg(i));
        cardFaces_[i] = new QLabel(cardFrames_[i]);
        cardFaces_[i]->setObjectName(QStringLiteral("cardFace(%1)").arg(i));
        // A card's number is its back too.
        for (ClickLabel* part : {cardBacks_[i], cardNumbers_[i]})
            connect(part, &ClickLabel::clicked, this, [this, i] {
                keyboard_->mouseUsed();
                onCardClicked(i);
            });
    }
    // The keys play the board as the mouse does.
    keyboard_ = new BoardKeyboard(
        board_, [this](int i) { return cardFrames_[i]->geometry(); }, [this](int i) { onCardClicked(i); },
        [this] { showAccessibleNames(); });

    // The picture buttons, each with its caption over it.
    const std::array<QRect, 3> buttons{px(240, 4920, 1095, 375), px(1440, 4920, 1095, 375), px(4440, 4920, 1455, 375)};
    const std::array<const char*, 3> buttonNames{"newGame", "championship", "stop"};
    for (int i = 0; i < 3; ++i) {
        buttonPictures_[i] = new ClickLabel(area);
        buttonPictures_[i]->setObjectName(QStringLiteral("%1Button").arg(buttonNames[i]));
        buttonPictures_[i]->setGeometry(buttons[i]);
        buttonPictures_[i]->takeKeys();
        buttonCaptions_[i] = new ClickLabel(area);
        buttonCaptions_[i]->setObjectName(QStringLiteral("%1Caption").arg(buttonNames[i]));
        buttonCaptions_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        buttonCaptions_[i]->setFont(makeFont("Liberation Sans", 9));
        buttonCaptions_[i]->setFitOnOneLine(true);
        buttonCaptions_[i]->setCursor(Qt::PointingHandCursor);
        for (ClickLabel* part : {buttonPictures_[i], buttonCaptions_[i]}) {
            connect(part, &ClickLabel::clicked, this, [this, i] { onPictureButtonClicked(i); });
            connect(part, &ClickLabel::mouseMoved, this, [this, i] { onPointerOverButton(i); });
        }
    }

    // The championship panel with its heading strip.
    championshipPanel_ = new Panel(area);
    championshipPanel_->setObjectName("championshipPanel");
    championshipPanel_->setGeometry(px(6120, 2280, 3560, 2295));
    setBackground(championshipPanel_, PanelColour);
    championshipHeading_ = label(championshipPanel_, "championshipHeading", px(0, 0, 3560, 255));
    championshipHeading_->setAlignment(Qt::AlignCenter);
    championshipHeading_->setFont(makeFont("Liberation Sans", 9, true));
    setBackgroundWithText(championshipHeading_, WindowColour);
    connect(championshipPanel_, &Panel::mouseMoved, this, &MainWindow::onPointerOverBackground);
    levelCaption_ = label(championshipPanel_, "levelCaption", px(240, 240, 1200, 255));
    levelLabel_ = label(championshipPanel_, "levelLabel", px(1500, 240, 900, 255));
    livesCaption_ = label(championshipPanel_, "livesCaption", px(240, 600, 1200, 255));
    livesLabel_ = label(championshipPanel_, "livesLabel", px(1500, 600, 900, 255));
    helpsCaption_ = label(championshipPanel_, "helpsCaption", px(240, 1080, 1900, 255));
    for (QLabel* l : {levelCaption_, levelLabel_, livesCaption_, livesLabel_, helpsCaption_})
        l->setFont(makeFont("Liberation Sans", 9, true));
    const std::array<QRect, 2> helps{px(240, 1360, 1900, 375), px(240, 1800, 1900, 375)};
    const std::array<const char*, 2> helpNames{"tenSecondsHelp", "twoPairsHelp"};
    for (int i = 0; i < 2; ++i) {
        helpIcons_[i] = label(championshipPanel_, QStringLiteral("%1Icon").arg(helpNames[i]), helps[i]);
        helpButtons_[i] = new ClickLabel(championshipPanel_);
        helpButtons_[i]->setObjectName(QStringLiteral("%1Button").arg(helpNames[i]));
        helpButtons_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        helpButtons_[i]->setFont(makeFont("Liberation Sans", 8, true));
        helpButtons_[i]->setCursor(Qt::PointingHandCursor);
        helpButtons_[i]->takeKeys();
        connect(helpButtons_[i], &ClickLabel::clicked, this, [this, i] { onHelpClicked(i); });
    }

    statusBar_ = new StatusBar(area);
    statusBar_->setGeometry(px(0, 6000, 9975, 375));

    // The icon is not needed before the window shows. Each size is there, so
    // that a title bar or task bar on a denser screen takes a sharp one.
    QTimer::singleShot(0, this, [this] {
        QIcon icon;
        for (const char* size : {"AppIcon32", "AppIcon64", "AppIcon256"})
            icon.addPixmap(pictures_.named(size));
        setWindowIcon(icon);
    });
}

void MainWindow::buildMenus()
{
    struct Item {
        const char* name;  // nullptr: a separator
        int depth;         // 0: top menu; deeper items belong to the last shallower menu
        bool submenu;
        const char* shortcut;
    };
    static const Item items[] = {
        {"fileMenu", 0, true, nullptr},
        {"newMenu", 1, true, nullptr},
        {"newGameAction", 2, false, "F2"},
        {"newChampionshipAction", 2, false, "F3"},
        {"newPlayerAction", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"bestScoresAction", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"exitAction", 1, false, nullptr},
        {"optionsMenu", 0, true, nullptr},
        {"levelsMenu", 1, true, nullptr},
        {"easyAction", 2, false, nullptr},
        {"normalAction", 2, false, nullptr},
        {"hardAction", 2, false, nullptr},
        {"categoriesMenu", 1, true, nullptr},
        {"objectsAction", 2, false, nullptr},
        {"facesAction", 2, false, nullptr},
        {"foodAction", 2, false, nullptr},
        {"customAction", 2, false, nullptr},
        {nullptr, 2, false, nullptr},
        {"choosePicturesAction", 2, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"showNumbersAction", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"languageMenu", 1, true, nullptr},
        {"englishAction", 2, false, nullptr},
        {"greekAction", 2, false, nullptr},
        {"settingsAction", 1, false, nullptr},
        {"wallpapersMenu", 0, true, nullptr},
        {"addWallpaperAction", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"removeWallpaperAction", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"nextWallpaperAction", 1, false, "Ctrl+N"},
        {nullptr, 1, false, nullptr},
        {"wallpaperAction(0)", 1, false, nullptr},
        {"helpMenu", 0, true, nullptr},
        {"helpContentsAction", 1, false, "F1"},
        {"aboutAction", 1, false, nullptr},
    };
    std::array<QMenu*, 3> open{};
    for (const Item& it : items) {
        if (!it.name) {
            open[it.depth - 1]->addSeparator();
            continue;
        }
        if (it.submenu) {
            QMenu* m = it.depth == 0 ? menuBar()->addMenu(QString()) : open[it.depth - 1]->addMenu(QString());
            m->setObjectName(it.name);
            m->menuAction()->setObjectName(QStringLiteral("%1.menuAction").arg(it.name));
            menus_[it.name] = m;
            open[it.depth] = m;
            continue;
        }
        QAction* a = open[it.depth - 1]->addAction(QString());
        a->setObjectName(it.name);
        if (it.shortcut)
            a->setShortcut(QKeySequence(it.shortcut));
        actions_[it.name] = a;
    }
    // Ctrl+Q quits as on every desktop, through the same closing as the close box.
    connect(new QShortcut(QKeySequence::Quit, this), &QShortcut::activated, this, &QWidget::close);
    // Check marks follow the game's state, never the click itself.
    for (const char* name : {"easyAction", "normalAction", "hardAction", "objectsAction", "facesAction", "foodAction",
             "customAction", "showNumbersAction", "wallpaperAction(0)"})
        item(name)->setCheckable(true);

    auto on = [this](const char* name, auto handler) { connect(item(name), &QAction::triggered, this, handler); };
    on("newGameAction", &MainWindow::onNewGameChosen);
    on("newChampionshipAction", &MainWindow::startChampionship);
    on("newPlayerAction", &MainWindow::onNewPlayerChosen);
    on("bestScoresAction", &MainWindow::onBestScoresChosen);
    on("exitAction", &MainWindow::onExitChosen);
    on("easyAction", [this] { applyDifficulty(Difficulty::Easy); });
    on("normalAction", [this] { applyDifficulty(Difficulty::Normal); });
    on("hardAction", [this] { applyDifficulty(Difficulty::Hard); });
    on("objectsAction", [this] { applyCategory(PictureCategory::Objects); });
    on("facesAction", [this] { applyCategory(PictureCategory::Faces); });
    on("foodAction", [this] { applyCategory(PictureCategory::Food); });
    on("customAction", [this] { applyCategory(PictureCategory::Custom); });
    on("choosePicturesAction", &MainWindow::onChoosePicturesChosen);
    on("settingsAction", &MainWindow::onSettingsChosen);
    on("showNumbersAction", &MainWindow::onShowNumbersChosen);
    on("englishAction", &MainWindow::onEnglishChosen);
    on("greekAction", &MainWindow::onGreekChosen);
    on("addWallpaperAction", &MainWindow::onAddWallpaperChosen);
    on("removeWallpaperAction", &MainWindow::onRemoveWallpaperChosen);
    on("nextWallpaperAction", &MainWindow::onNextWallpaperChosen);
    on("helpContentsAction", &MainWindow::onHelpContentsChosen);
    on("aboutAction", &MainWindow::onAboutChosen);
    on("wallpaperAction(0)", [this] { onWallpaperChosen(0); });

    auto* area = static_cast<ClientArea*>(clientArea_);
    area->onRightClick = [this](QPoint at) { onBackgroundRightClicked(at); };
}

void MainWindow::applyCaptions()
{
    for (const ControlCaption& c : captions_.controls()) {
        const QString text = qs(c.caption);
        if (auto m = menus_.find(c.widget); m != menus_.end())
            m->second->setTitle(text);
        else if (auto a = actions_.find(c.widget); a != actions_.end())
            a->second->setText(text);
    }
    item("wallpaperAction(0)")->setText(qs(Messages::NoWallpaper.in(language_.UseGreek)));

    // The labels whose captions stay; the others show the game's values.
    for (QLabel* l : {titleStrip_, championshipHeading_, levelCaption_, livesCaption_, helpsCaption_})
        l->setText(caption(l->objectName()));
    for (ClickLabel* l : buttonCaptions_)
        l->setText(caption(l->objectName()));
    for (ClickLabel* l : helpButtons_)
        l->setText(caption(l->objectName()));
}

// The board layout: a 5 x 4 grid of cards sized by the card settings, and
// the caption labels laid over their picture buttons.
void MainWindow::layOutBoard()
{
    const auto cards = layOutCards(FirstCardFrame, cards_.CardPictureWidth, cards_.CardPictureHeight);
    for (int i = 0; i < Board::SlotCount; ++i) {
        setBackground(cardFrames_[i], colourOf(cards_.CardColour));
        cardFrames_[i]->setGeometry(px(cards[i].frame));
        cardFaces_[i]->setGeometry(px(cards[i].face));
        cardBacks_[i]->setGeometry(px(cards[i].back));
        cardNumbers_[i]->setGeometry(px(cards[i].number));
    }
    if (picturesShown_)
        showCardBacks();
    const int top = buttonPictures_[0]->y();
    for (int i = 0; i < 3; ++i) {
        buttonPictures_[i]->move(buttonPictures_[i]->x(), top);
        buttonCaptions_[i]->setGeometry(buttonPictures_[i]->geometry().translated(0, px(40)));
    }
    for (int i = 0; i < 2; ++i) {
        helpButtons_[i]->setGeometry(helpIcons_[i]->geometry().translated(0, px(40)));
    }
}

void MainWindow::showCardBacks()
{
    // The frame line takes a pixel on each side of the stretched back.
    for (ClickLabel* back : cardBacks_)
        back->setPixmap(pictures_.named("CardBack", back->contentsRect().size(), devicePixelRatioF()));
}

}  // namespace vornel
