#pragma once
#include <QAccessible>
#include <QString>
#include <functional>
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
// Sends `event` to screen readers. A watcher, when set, sees each event the
// game sends so: Qt calls its own update handler only where a screen reader
// bridge is active, which the offscreen platform never has.
void send(QAccessibleEvent& event);
void setWatcher(std::function<void(QAccessibleEvent*)> watcher);

// Whether `w` can be used now, told to screen readers without greying it:
// the main window keeps its look while a screen or a box holds it.
void setUsable(QWidget* w, bool usable);

// Reads `w`, which has the keys, out again now: its name and description,
// as when the keys come to it. Qt 6.4 sends a changed name without the name
// itself, which Orca 43 then does not read; a control that newly has the
// keys it does read, so `w` is made new for screen readers and focused.
void readAgain(QWidget* w);

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

// A line only screen readers see, read out at once each time it says
// something: Orca 43 reads a notification as it shows.
class Announcer {
public:
    explicit Announcer(QWidget* parent);
    void say(const QString& text);

private:
    QWidget* line_;
};

// Puts the interfaces above in place, before the first window is made;
// the two above call it too.
void install();

}  // namespace vornel::accessible
