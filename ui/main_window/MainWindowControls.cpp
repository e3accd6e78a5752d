#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
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
        const bool onBackground = !child || child->objectName() == "Image1005";
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
    form_ = area;
    area->setObjectName("Form");
    area->setFixedSize(px(9990), px(6345));
    setBackground(area, WindowColour);
    setCentralWidget(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    area->onMouseMove = [this] { Form_MouseMove(); };

    image1005_ = new QLabel(area);
    image1005_->setObjectName("Image1005");
    image1005_->setScaledContents(true);
    image1005_->setGeometry(px(120, 360, 1215, 855));
    image1005_->hide();

    auto label = [&](QWidget* parent, const char* name, QRect r) {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        l->setGeometry(r);
        return l;
    };

    label33_ = label(area, "Label33", px(-45, 0, 10020, 345));
    setBackground(label33_, QColor(192, 0, 0));
    label4_ = label(area, "Label4", px(240, 45, 3615, 255));
    label5_ = label(area, "Label5", px(3120, 45, 2535, 255));
    for (QLabel* l : {label4_, label5_}) {
        setTextColour(l, CaptionGrey);
        l->setFont(makeFont("Liberation Sans", 8, true));
    }

    label50_ = label(area, "Label50", px(7035, 750, 2010, 390));
    label50_->setFont(makeFont("Liberation Sans", 12, true));
    label24_ = label(area, "Label24", px(7035, 1080, 2010, 375));
    label24_->setFont(makeFont("Liberation Mono", 12, true));
    label3_ = label(area, "Label3", px(7080, 1740, 1935, 495));
    label3_->setFont(makeFont("Liberation Sans", 18, true));
    for (QLabel* l : {label50_, label24_, label3_})
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setTextColour(label50_, QColor(0, 0, 128));
    setTextColour(label24_, QColor(128, 0, 0));
    setTextColour(label3_, QColor(0, 0, 0));

    // The board.
    frame1_ = new Panel(area);
    frame1_->setObjectName("Frame1");
    frame1_->setGeometry(px(240, 600, 5700, 4095));
    setBackground(frame1_, BoardColour);
    connect(frame1_, &Panel::mouseMoved, this, &MainWindow::Form_MouseMove);
    for (int i = 0; i < Board::SlotCount; ++i) {
        // Backs and numbers first, so that a face-up card's frame covers them.
        label1_[i] = new ClickLabel(frame1_);
        label1_[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        label1_[i]->setFrameShape(QFrame::Box);
        label1_[i]->setLineWidth(1);
        label8_[i] = new ClickLabel(frame1_);
        label8_[i]->setObjectName(QStringLiteral("Label8(%1)").arg(i));
        label8_[i]->setAlignment(Qt::AlignCenter);
        label8_[i]->setFont(makeFont("Liberation Sans", 14, true));
        label8_[i]->setAttribute(Qt::WA_TranslucentBackground);
        setTextColour(label8_[i], Qt::white);
        image1_[i] = new Panel(frame1_);
        image1_[i]->setObjectName(QStringLiteral("Image1(%1)").arg(i));
        image9_[i] = new QLabel(image1_[i]);
        image9_[i]->setObjectName(QStringLiteral("Image9(%1)").arg(i));
        connect(label1_[i], &ClickLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(label8_[i], &ClickLabel::clicked, this, [this, i] { Label8_Click(i); });
    }
    // The keys play the board as the mouse does.
    keyboard_ = new BoardKeyboard(
        frame1_, [this](int i) { return image1_[i]->geometry(); }, [this](int i) { Label1_Click(i); },
        [this] { showAccessibleNames(); });

    // The picture buttons: New game, New championship, Stop.
    const std::array<QRect, 3> buttons{px(240, 4920, 1095, 375), px(1440, 4920, 1095, 375), px(4440, 4920, 1455, 375)};
    for (int i = 0; i < 3; ++i) {
        image6_[i] = new ClickLabel(area);
        image6_[i]->setObjectName(QStringLiteral("Image6(%1)").arg(i));
        image6_[i]->setGeometry(buttons[i]);
        image6_[i]->takeKeys();
        label9_[i] = new ClickLabel(area);
        label9_[i]->setObjectName(QStringLiteral("Label9(%1)").arg(i));
        label9_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label9_[i]->setFont(makeFont("Liberation Sans", 9));
        label9_[i]->setFitOnOneLine(true);
        label9_[i]->setCursor(Qt::PointingHandCursor);
        connect(image6_[i], &ClickLabel::clicked, this, [this, i] { image6_Click(i); });
        connect(label9_[i], &ClickLabel::clicked, this, [this, i] { Label9_Click(i); });
        connect(image6_[i], &ClickLabel::mouseMoved, this, [this, i] { image6_MouseMove(i); });
        connect(label9_[i], &ClickLabel::mouseMoved, this, [this, i] { Label9_MouseMove(i); });
    }

    // The championship panel with its heading strip.
    frame4_ = new Panel(area);
    frame4_->setObjectName("Frame4");
    frame4_->setGeometry(px(6120, 2280, 3560, 2295));
    setBackground(frame4_, PanelColour);
    label10_ = label(frame4_, "Label10", px(0, 0, 3560, 255));
    label10_->setAlignment(Qt::AlignCenter);
    label10_->setFont(makeFont("Liberation Sans", 9, true));
    setBackground(label10_, WindowColour);
    connect(frame4_, &Panel::mouseMoved, this, &MainWindow::Form_MouseMove);
    label27_ = label(frame4_, "Label27", px(240, 240, 1200, 255));
    label25_ = label(frame4_, "Label25", px(1500, 240, 900, 255));
    label28_ = label(frame4_, "Label28", px(240, 600, 1200, 255));
    label26_ = label(frame4_, "Label26", px(1500, 600, 900, 255));
    label6_ = label(frame4_, "Label6", px(240, 1080, 1900, 255));
    for (QLabel* l : {label27_, label25_, label28_, label26_, label6_})
        l->setFont(makeFont("Liberation Sans", 9, true));
    const std::array<QRect, 2> helps{px(240, 1360, 1900, 375), px(240, 1800, 1900, 375)};
    for (int i = 0; i < 2; ++i) {
        image7_[i] = label(frame4_, i == 0 ? "Image7(0)" : "Image7(1)", helps[i]);
        label11_[i] = new ClickLabel(frame4_);
        label11_[i]->setObjectName(QStringLiteral("Label11(%1)").arg(i));
        label11_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label11_[i]->setFont(makeFont("Liberation Sans", 8, true));
        label11_[i]->setCursor(Qt::PointingHandCursor);
        label11_[i]->takeKeys();
        connect(label11_[i], &ClickLabel::clicked, this, [this, i] { Label11_Click(i); });
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
        {"file", 0, true, nullptr},
        {"newfolder", 1, true, nullptr},
        {"newgame", 2, false, "F2"},
        {"gggggg", 2, false, "F3"},
        {"player", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"skorsTeam", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"exit", 1, false, nullptr},
        {"epilogew", 0, true, nullptr},
        {"epip", 1, true, nullptr},
        {"eykolo", 2, false, nullptr},
        {"kanoniko", 2, false, nullptr},
        {"dyskolo", 2, false, nullptr},
        {"kath", 1, true, nullptr},
        {"antikeim", 2, false, nullptr},
        {"pros", 2, false, nullptr},
        {"food", 2, false, nullptr},
        {"CustomMenu", 2, false, nullptr},
        {nullptr, 2, false, nullptr},
        {"SetCustomIcon", 2, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"ShowNUMBERS", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"language_menu", 1, true, nullptr},
        {"english_menu", 2, false, nullptr},
        {"Greek_menu", 2, false, nullptr},
        {"EikSize", 1, false, nullptr},
        {"tapetsaries", 0, true, nullptr},
        {"ChooseImage", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"AfaireshTAPER", 1, false, nullptr},
        {nullptr, 1, false, nullptr},
        {"NextImage", 1, false, "Ctrl+N"},
        {nullptr, 1, false, nullptr},
        {"None(0)", 1, false, nullptr},
        {"help", 0, true, nullptr},
        {"periexomena", 1, false, "F1"},
        {"about", 1, false, nullptr},
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
    // Check marks follow the game's state, never the click itself.
    for (const char* name :
        {"eykolo", "kanoniko", "dyskolo", "antikeim", "pros", "food", "CustomMenu", "ShowNUMBERS", "None(0)"})
        item(name)->setCheckable(true);

    auto on = [this](const char* name, void (MainWindow::*handler)()) {
        connect(item(name), &QAction::triggered, this, handler);
    };
    on("newgame", &MainWindow::newgame_Click);
    on("gggggg", &MainWindow::gggggg_Click);
    on("player", &MainWindow::player_Click);
    on("skorsTeam", &MainWindow::skorsTeam_Click);
    on("exit", &MainWindow::exit_Click);
    on("eykolo", &MainWindow::eykolo_Click);
    on("kanoniko", &MainWindow::kanoniko_Click);
    on("dyskolo", &MainWindow::dyskolo_Click);
    on("antikeim", &MainWindow::antikeim_Click);
    on("pros", &MainWindow::pros_Click);
    on("food", &MainWindow::food_Click);
    on("CustomMenu", &MainWindow::CustomMenu_Click);
    on("SetCustomIcon", &MainWindow::SetCustomIcon_Click);
    on("EikSize", &MainWindow::EikSize_Click);
    on("ShowNUMBERS", &MainWindow::ShowNUMBERS_Click);
    on("english_menu", &MainWindow::english_menu_Click);
    on("Greek_menu", &MainWindow::Greek_menu_Click);
    on("ChooseImage", &MainWindow::ChooseImage_Click);
    on("AfaireshTAPER", &MainWindow::AfaireshTAPER_Click);
    on("NextImage", &MainWindow::NextImage_Click);
    on("periexomena", &MainWindow::periexomena_Click);
    on("about", &MainWindow::about_Click);
    connect(item("None(0)"), &QAction::triggered, this, [this] { None_Click(0); });

    auto* area = static_cast<ClientArea*>(form_);
    area->onRightClick = [this](QPoint at) { Form_MouseDown(Qt::RightButton, at); };
}

void MainWindow::applyCaptions()
{
    for (const ControlCaption& c : captions_.controls()) {
        const QString text = qs(c.caption);
        if (auto m = menus_.find(c.name); m != menus_.end())
            m->second->setTitle(text);
        else if (auto a = actions_.find(c.name); a != actions_.end())
            a->second->setText(text);
    }
    item("None(0)")->setText(qs(Messages::NoWallpaper.in(language_.UseGreek)));

    label33_->setText(caption("Label33"));
    label10_->setText(caption("Label10"));
    label27_->setText(caption("Label27"));
    label28_->setText(caption("Label28"));
    label6_->setText(caption("Label6"));
    for (int i = 0; i < 3; ++i) {
        label9_[i]->setText(caption("Label9", i));
    }
    for (int i = 0; i < 2; ++i)
        label11_[i]->setText(caption("Label11", i));
}

// The board layout: a 5 x 4 grid of cards sized by the card settings, and
// the caption labels laid over their picture buttons.
void MainWindow::layOutBoard()
{
    const auto cards = layOutCards(FirstCardFrame, cards_.CardPictureWidth, cards_.CardPictureHeight);
    for (int i = 0; i < Board::SlotCount; ++i) {
        setBackground(image1_[i], colourOf(cards_.CardColour));
        image1_[i]->setGeometry(px(cards[i].frame));
        image9_[i]->setGeometry(px(cards[i].face));
        label1_[i]->setGeometry(px(cards[i].back));
        label8_[i]->setGeometry(px(cards[i].number));
    }
    if (picturesShown_)
        showCardBacks();
    const int top = image6_[0]->y();
    for (int i = 0; i < 3; ++i) {
        image6_[i]->move(image6_[i]->x(), top);
        label9_[i]->setGeometry(image6_[i]->geometry().translated(0, px(40)));
    }
    for (int i = 0; i < 2; ++i) {
        label11_[i]->setGeometry(image7_[i]->geometry().translated(0, px(40)));
    }
}

void MainWindow::showCardBacks()
{
    // The frame line takes a pixel on each side of the stretched back.
    for (ClickLabel* back : label1_)
        back->setPixmap(pictures_.named("CardBack", back->contentsRect().size(), devicePixelRatioF()));
}

}  // namespace vornel
