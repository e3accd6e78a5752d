#pragma once
#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

// Small helpers the windows share for colours, fonts and texts.
namespace vornel::widgets {

inline const QColor WindowColour(254, 206, 190);
inline const QColor BoardColour(0, 192, 0);
inline const QColor PanelColour(255, 128, 128);
inline const QColor CaptionGrey(224, 224, 224);

// A stored colour, 0x00BBGGRR.
inline QColor fromColourValue(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

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

// Black or white, whichever stands out more on `background`.
QColor readableOn(const QColor& background);

// A background the player may choose, with its text in the colour that reads on it.
inline void setBackgroundWithText(QWidget* w, const QColor& background)
{
    setBackground(w, background);
    setTextColour(w, readableOn(background));
}

// The light colours the windows were designed on: grey faces, black text,
// white fields. A window whose design fixes some of its colours takes all
// the others from here too, so that no text in a desktop colour meets a
// background in a design colour (white captions on the light buttons under
// a dark desktop).
QPalette designPalette();
inline void useDesignPalette(QWidget* window)
{
    window->setPalette(designPalette());
}

// A push button at its design place that Enter does not click unasked.
inline QPushButton* makeButton(QWidget* parent, const char* name, QRect r)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setAutoDefault(false);
    return b;
}

inline QFont makeFont(const char* family, int points, bool bold = false)
{
    QFont f(family);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

}  // namespace vornel::widgets
