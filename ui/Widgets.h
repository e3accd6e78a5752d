#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <string>

// Small helpers the windows share for colours, fonts and texts.
namespace vornel::widgets {

inline const QColor WindowColour(254, 206, 190);
inline const QColor BoardColour(0, 192, 0);
inline const QColor PanelColour(255, 128, 128);
inline const QColor CaptionGrey(224, 224, 224);
inline const QColor CardColour(0, 192, 0);
inline constexpr int CardPictureWidth = 735;  // twips, until the card settings are restored
inline constexpr int CardPictureHeight = 670;

inline QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

inline void setBackground(QWidget* w, const QColor& c)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

inline void setTextColour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

inline QFont makeFont(const char* family, int points, bool bold = false)
{
    QFont f(family);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

// A caption longer than its button is narrowed rather than cut.
inline void fitOnOneLine(QLabel* label)
{
    QFont f = label->font();
    f.setStretch(QFont::Unstretched);
    const int room = label->width() - 4;
    QFont bold = f;  // a highlighted caption is bold, and must fit too
    bold.setBold(true);
    const int needed = QFontMetrics(bold).horizontalAdvance(label->text());
    if (needed > room && needed > 0)
        f.setStretch(std::max(60, 100 * room / needed));
    label->setFont(f);
}

}  // namespace vornel::widgets
