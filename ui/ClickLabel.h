#pragma once
#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace vornel {

// A label that reports left clicks and mouse moves, the way the window's
// clickable pictures and captions do.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }

    // A caption longer than the label is narrowed rather than cut. It is
    // measured when first painted, so fonts load after the window shows.
    void setFitOnOneLine(bool fit) { fit_ = fit; }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* e) override
    {
        if (fit_ && (fittedText_ != text() || fittedWidth_ != width()))
            fit();
        QLabel::paintEvent(e);
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        e->accept();
        if (e->button() == Qt::LeftButton)
            emit clicked();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        e->accept();
        emit mouseMoved();
    }

private:
    void fit()
    {
        fittedText_ = text();
        fittedWidth_ = width();
        QFont f = font();
        f.setStretch(QFont::Unstretched);
        QFont bold = f;  // a highlighted caption is bold, and must fit too
        bold.setBold(true);
        const int room = width() - 4;
        const int needed = QFontMetrics(bold).horizontalAdvance(text());
        if (needed > room && needed > 0)
            f.setStretch(std::max(60, 100 * room / needed));
        setFont(f);
    }

    bool fit_ = false;
    QString fittedText_;
    int fittedWidth_ = -1;
};

// A panel that keeps mouse presses to itself (no pop-up menu from its
// parent) and reports mouse moves.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr) : QWidget(parent)
    {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

signals:
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        e->accept();
        emit mouseMoved();
    }
};

}  // namespace vornel
