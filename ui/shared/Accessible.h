#pragma once
#include <QAccessible>
#include <QString>
#include <string>

#include "game/PictureSet.h"
#include "text/Messages.h"

class QAbstractScrollArea;
class QWidget;

// What the windows tell screen readers about their controls.
namespace vornel::accessible {

// Names are set only when they change: each change is an event that a
// screen reader may read out.
void setName(QWidget* w, const QString& name);
void setName(QWidget* w, const std::string& name);
void setDescription(QWidget* w, const QString& description);

// The readable name of a picture: a built-in one's own, a file's base name.
QString pictureName(const PictureRef& picture, bool useGreek);
QString pictureName(const QString& name, bool useGreek);

// `w` reads as `role` (a clickable picture as a push button or a link, with
// a press action that clicks it), whatever its class.
void setRole(QWidget* w, QAccessible::Role role);
// `w` repeats what another control says (a number over a card, a caption
// over its picture button): screen readers pass it by.
void hideRepeat(QWidget* w);

// The scroll bars of a list read as the list's own.
void nameScrollBars(QAbstractScrollArea* area, const Bilingual& listName, bool useGreek);

// Puts the interfaces above in place, before the first window is made;
// the two above call it too.
void install();

}  // namespace vornel::accessible
