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
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(5400), px(2700));
    setWindowTitle(qs(Messages::PlayerTitle.in(useGreek)));

    auto picture = [&](const char* name, const char* holder, QRect r) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setGeometry(r);
        l->setPixmap(pictures.named(holder, r.size(), devicePixelRatioF()));
        accessible::setName(l, accessible::pictureName(holder, useGreek));
    };
    picture("Image1", "red_balloon", px(240, 240, 735, 670));
    picture("Image2", "crying_face", px(240, 1080, 735, 670));
    picture("Image4", "red_apple", px(4440, 240, 735, 670));

    auto* label1 = new QLabel(qs(Messages::TypeYourName.in(useGreek)), this);
    label1->setObjectName("Label1");
    label1->setGeometry(px(1200, 240, 3100, 300));
    label1->setFont(makeFont("Liberation Sans", 9, true));

    text1_ = new QComboBox(this);
    text1_->setObjectName("Text1");
    text1_->setEditable(true);
    text1_->setInsertPolicy(QComboBox::NoInsert);
    text1_->setGeometry(px(1200, 660, 3100, 345));
    offered_ = players_.load();
    for (const std::string& name : offered_)
        text1_->addItem(qs(name));
    text1_->setEditText(offered_.empty() ? QString() : qs(offered_.front()));
    label1->setBuddy(text1_);
    accessible::setName(text1_, AccessibleNames::PlayerName.in(useGreek));
    accessible::setName(text1_->lineEdit(), AccessibleNames::PlayerName.in(useGreek));
    // Enter in the name box confirms, as the OK button does.
    connect(text1_->lineEdit(), &QLineEdit::returnPressed, this, &PlayerWindow::Command1_Click);

    auto* command1 = new QPushButton("OK", this);
    command1->setObjectName("Command1");
    command1->setGeometry(px(2100, 1260, 1300, 420));
    connect(command1, &QPushButton::clicked, this, &PlayerWindow::Command1_Click);

    auto* label2 = new QLabel(qs(Messages::Credit.in(useGreek)), this);
    label2->setObjectName("Label2");
    label2->setGeometry(px(1200, 2160, 4000, 300));
    label2->setFont(makeFont("Liberation Sans", 8));
    setTextColour(label2, QColor(128, 0, 0));
}

void PlayerWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    Form_Activate();
}

void PlayerWindow::Form_Activate()
{
    confirmedClose_ = false;
    text1_->setFocus();
    // Typing replaces the name offered, as in any name box.
    text1_->lineEdit()->selectAll();
}

void PlayerWindow::Command1_Click()
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
        players_.confirm(text1_->currentText().toStdString(), offered_, playerName, useGreek_, host_);
    if (choice == NameChoice::TooLong) {
        // The name stays as typed for the player to shorten.
        confirmedClose_ = false;
        e->ignore();
        return;
    }
    e->accept();
    emit confirmed(qs(playerName));
}

}  // namespace vornel
