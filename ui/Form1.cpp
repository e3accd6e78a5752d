#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <chrono>

#include "platform/InputBlocker.h"
#include "platform/LanguageStore.h"
#include "text/MainWindowCaptions.h"
#include "text/Profile.h"
#include "ui/ClickLabel.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

namespace vornel {

using namespace widgets;

Form1::Form1(bool useGreek, QString dataFolder, QWidget* parent)
    : QMainWindow(parent),
      dataFolder_(std::move(dataFolder)),
      language_{useGreek},
      captions_(mainWindowCaptions()),
      random_(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()))
{
    setObjectName("Form1");
    game_ = std::make_unique<Game>(static_cast<GameHost&>(*this), captions_, language_);
    blocker_ = new InputBlocker(this);
    for (int t = 0; t < 3; ++t) {
        timers_[t] = new QTimer(this);
        timers_[t]->setInterval(t == 0 ? 500 : 1000);
    }
    timers_[0]->setObjectName("Timer1");
    timers_[1]->setObjectName("Timer2");
    timers_[2]->setObjectName("Timer3");
    connect(timers_[0], &QTimer::timeout, this, [this] { handle([this] { game_->Timer1_Timer(); }); });
    connect(timers_[1], &QTimer::timeout, this, [this] { handle([this] { game_->Timer2_Timer(); }); });
    connect(timers_[2], &QTimer::timeout, this, [this] { handle([this] { game_->TIMER3_Timer(); }); });

    buildControls();
    buildMenus();
    startUp();
}

Form1::~Form1() = default;

void Form1::handle(const std::function<void()>& f)
{
    f();
    showState();
}

QAction* Form1::item(const char* name) const
{
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QString Form1::caption(const char* name, int index) const
{
    return qs(captions_.caption(name, index));
}

void Form1::startUp()
{
    if (!language_.UseGreek) {
        const TextCatalog catalog((dataFolder_ + "/english.ini").toStdString());
        loadEnglishTexts(captions_, catalog, "ENGLISH1", mainWindowElementKeys());
    }
    layOutBoard();
    applyCaptions();
    game_->ShowNUMBERS_Click();
    game_->kanoniko_Click();
    game_->antikeim_Click();
    showState();
}

// ---- Showing the state ------------------------------------------------------

void Form1::showState()
{
    const Game& g = *game_;
    const MainControls& k = g.controls();
    const GameSession& s = g.session();

    blocker_->setBlocking(!k.mainWindowEnabled);
    for (int i = 0; i < Board::SlotCount; ++i) {
        const CardSlot& slot = g.board().slot(i);
        image9_[i]->setPixmap(pictures_.pixmap(slot.picture, image9_[i]->size(), devicePixelRatioF()));
        image1_[i]->setVisible(slot.faceVisible);
        label1_[i]->setVisible(slot.backVisible);
        label8_[i]->setVisible(slot.numberVisible);
        label8_[i]->setText(qs(slot.numberText));
    }

    label3_->setText(qs(g.clockText()));
    label24_->setText(QString::number(s.Score));
    label50_->setText(qs(s.PlayerName));
    label25_->setText(QString::number(s.Level));
    label26_->setText(QString::number(s.Lives));
    label5_->setText(qs(k.difficultyCaption));
    label4_->setText(qs(k.categoryCaption));
    frame4_->setVisible(k.panelVisible);
    for (QLabel* l : {label27_, label28_})
        setTextColour(l, k.panelCaptionsGrey ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::black));

    const PictureButtons& b = g.pictureButtons();
    for (int i = 0; i < 3; ++i) {
        image6_[i]->setPixmap(pictures_.named(
            b.highlighted(i) ? "ButtonHighlight" : "ButtonNormal", image6_[i]->size(), devicePixelRatioF()));
        QFont f = label9_[i]->font();
        f.setBold(b.bold(i));
        label9_[i]->setFont(f);
    }

    menus_["file"]->menuAction()->setEnabled(k.fileMenu);
    menus_["epilogew"]->menuAction()->setEnabled(k.optionsMenu);
    menus_["tapetsaries"]->menuAction()->setEnabled(k.wallpaperMenu);
    menus_["help"]->menuAction()->setEnabled(k.helpMenu);
    item("eykolo")->setChecked(k.checkedDifficulty == Difficulty::Easy);
    item("kanoniko")->setChecked(k.checkedDifficulty == Difficulty::Normal);
    item("dyskolo")->setChecked(k.checkedDifficulty == Difficulty::Hard);
    item("antikeim")->setChecked(k.checkedCategory == PictureCategory::Objects);
    item("pros")->setChecked(k.checkedCategory == PictureCategory::Faces);
    item("food")->setChecked(k.checkedCategory == PictureCategory::Food);
    item("CustomMenu")->setChecked(k.checkedCategory == PictureCategory::Custom);
    item("ShowNUMBERS")->setChecked(k.numbersChecked);
}

// ---- Window events ----------------------------------------------------------

void Form1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!activated_) {
        activated_ = true;
        handle([this] { game_->Form_Activate(); });
    }
}

void Form1::closeEvent(QCloseEvent* e)
{
    LanguageStore::save(language_.UseGreek);
    e->accept();
}

// ---- GameHost ---------------------------------------------------------------

bool Form1::askYesNo(const std::string& text)
{
    return QMessageBox::question(this, ApplicationTitle, qs(text), QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes;
}

void Form1::showMessage(const std::string& text, const std::string& title)
{
    QMessageBox box(
        QMessageBox::NoIcon, title.empty() ? QString(ApplicationTitle) : qs(title), qs(text), QMessageBox::Ok, this);
    box.exec();
}

std::string Form1::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(this, qs(title), qs(prompt), QLineEdit::Normal, qs(defaultAnswer), &ok);
    return ok ? answer.toStdString() : std::string();
}

void Form1::timerChanged(GameTimer timer, bool enabled)
{
    QTimer* t = timers_[static_cast<int>(timer)];
    if (enabled)
        t->start();
    else
        t->stop();
}

void Form1::setBusyPointer(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void Form1::processEvents()
{
    showState();
    QCoreApplication::processEvents();
}

double Form1::random()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
}

void Form1::randomize()
{
    random_.seed(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
}

// The result screens get their own windows; until then a plain box shows
// the result at their place and dismissing it goes on with the game.
void Form1::showWinScreen()
{
    QTimer::singleShot(0, this, [this] {
        game_->WinScreenActivate();
        showState();
        const GameSession& s = game_->session();
        const bool greek = language_.UseGreek;
        QString text;
        if (s.Mode != 0)
            text = greek ? QStringLiteral("Το επίπεδο %1 το ολοκλήρωσες με επιτυχία.").arg(s.Level - 1)
                         : QStringLiteral("Level %1 completed successfully.").arg(s.Level - 1);
        else
            text = greek ? "  ΜΠΡΑΒΟ!!!   ΚΕΡΔΙΣΕΣ." : "YOY WIN !!!";
        showResult(greek ? "NIKH !!!" : "WIN !!!", text);
    });
}

void Form1::showLoseScreen()
{
    QTimer::singleShot(0, this, [this] {
        const bool stays = game_->LoseScreenActivate();
        showState();
        if (stays) {
            const GameSession& s = game_->session();
            const bool greek = language_.UseGreek;
            QString text;
            if (s.Mode != 0)
                text = greek ? QStringLiteral("      Δυστυχώς έχασες.   Ξαναπροσπάθησε στο επίπεδο %1 .").arg(s.Level)
                             : QStringLiteral("      You lose.   Try again in level %1 .").arg(s.Level);
            else
                text = greek ? "            ΔΥΣΤΥΧΩΣ ΕΧΑΣΕΣ !!!" : "    SORRY, YOU LOSE !!!";
            showResult(greek ? "HTTA..." : "LOSE !!!", text);
            return;
        }
        handle([this] { game_->RestoreSettings(); });
    });
}

void Form1::showResult(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.move(geometry().topLeft() + QPoint(px(2250), px(1650)));
    box.exec();
    handle([this] {
        game_->setMainWindowEnabled(true);
        game_->RestoreSettings();
    });
}

}  // namespace vornel
