#include "ui/windows/PlayerWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "game/Host.h"
#include "text/AccessibleNames.h"
#include "text/Messages.h"
#include "ui/shared/Accessible.h"
#include "ui/shared/PictureLibrary.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

PlayerWindow::PlayerWindow(Players players, Host& host, bool useGreek, PictureLibrary& pictures, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      players_(std::move(players)),
      host_(host),
      useGreek_(useGreek)
{
    setObjectName("PlayerWindow");
    useDesignPalette(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(5400), px(2700));
    setWindowTitle(qs(Messages::PlayerTitle.in(useGreek)));

    auto picture = [&](const char* name, const char* builtIn, QRect r) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setGeometry(r);
        l->setPixmap(pictures.named(builtIn, r.size(), devicePixelRatioF()));
        accessible::setName(l, accessible::pictureName(builtIn, useGreek));
    };
    picture("balloonPicture", "red_balloon", px(240, 240, 735, 670));
    picture("cryingFacePicture", "crying_face", px(240, 1080, 735, 670));
    picture("applePicture", "red_apple", px(4440, 240, 735, 670));

    auto* promptLabel = new QLabel(qs(Messages::TypeYourName.in(useGreek)), this);
    promptLabel->setObjectName("promptLabel");
    promptLabel->setGeometry(px(1200, 240, 3100, 300));
    promptLabel->setFont(makeFont("Liberation Sans", 9, true));

    nameBox_ = new QComboBox(this);
    nameBox_->setObjectName("nameBox");
    nameBox_->setEditable(true);
    nameBox_->setInsertPolicy(QComboBox::NoInsert);
    nameBox_->setGeometry(px(1200, 660, 3100, 345));
    offered_ = players_.load();
    for (const std::string& name : offered_)
        nameBox_->addItem(qs(name));
    nameBox_->setEditText(offered_.empty() ? QString() : qs(offered_.front()));
    promptLabel->setBuddy(nameBox_);
    accessible::setName(nameBox_, AccessibleNames::PlayerName.in(useGreek));
    accessible::setName(nameBox_->lineEdit(), AccessibleNames::PlayerName.in(useGreek));
    // Enter in the name box confirms, as the OK button does.
    connect(nameBox_->lineEdit(), &QLineEdit::returnPressed, this, &PlayerWindow::onOkClicked);

    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(px(2100, 1260, 1300, 420));
    connect(okButton, &QPushButton::clicked, this, &PlayerWindow::onOkClicked);

    auto* creditLabel = new QLabel(qs(Messages::Credit.in(useGreek)), this);
    creditLabel->setObjectName("creditLabel");
    creditLabel->setGeometry(px(1200, 2160, 4000, 300));
    creditLabel->setFont(makeFont("Liberation Sans", 8));
    setTextColour(creditLabel, QColor(128, 0, 0));
}

void PlayerWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    onShown();
}

void PlayerWindow::onShown()
{
    confirmedClose_ = false;
    nameBox_->setFocus();
    // Typing replaces the name offered, as in any name box.
    nameBox_->lineEdit()->selectAll();
}

void PlayerWindow::onOkClicked()
{
    confirmedClose_ = true;
    close();
}

void PlayerWindow::closeEvent(QCloseEvent* e)
{
    if (!confirmedClose_) {
        e->accept();
        emit dismissed();
        return;
    }
    std::string playerName;
    const NameChoice choice =
        players_.confirm(nameBox_->currentText().toStdString(), offered_, playerName, useGreek_, host_);
    if (isRefused(choice)) {
        // The name stays as typed for the player to change.
        confirmedClose_ = false;
        e->ignore();
        return;
    }
    e->accept();
    emit confirmed(qs(playerName));
}

}  // namespace vornel
