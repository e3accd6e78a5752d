#include "ui/main_window/StatusBar.h"

#include <QPainter>

namespace vornel {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), scoreLine_(new QLabel(this))
{
    setObjectName("statusBar");
    scoreLine_->setObjectName("bestScoresLine");
    QFont f = scoreLine_->font();
    f.setPointSize(8);
    scoreLine_->setFont(f);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 192, 192));
    setPalette(p);
}

void StatusBar::resizeEvent(QResizeEvent*)
{
    scoreLine_->setGeometry(6, 5, width() - 10, 13);
}

void StatusBar::paintEvent(QPaintEvent*)
{
    const int w = width(), h = height();
    QPainter p(this);
    p.setPen(Qt::white);
    p.drawLine(0, 0, w, 0);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, h - 2, w, h - 2);
    p.setPen(Qt::black);
    p.drawLine(0, h - 1, w, h - 1);

    const int lw = scoreLine_->width(), lh = scoreLine_->height();
    p.setPen(QColor(128, 128, 128));
    p.drawLine(4, 4, lw + 6, 4);
    p.drawLine(4, 4, 4, lh + 6);
    p.setPen(Qt::white);
    p.drawLine(4, lh + 6, lw + 6, lh + 6);
    p.drawLine(lw + 6, 4, lw + 6, lh + 6);
}

}  // namespace vornel
