#include "ui/shared/Accessible.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>

#include "text/AccessibleNames.h"

namespace vornel::accessible {

namespace {

constexpr const char* RoleProperty = "vornelAccessibleRole";
constexpr const char* HiddenProperty = "vornelAccessibleHidden";
constexpr const char* UnusableProperty = "vornelAccessibleUnusable";

bool hasClickedSignal(const QObject* o)
{
    return o->metaObject()->indexOfSignal("clicked()") >= 0;
}

// A widget with the role it is given: a label that is clicked like a button
// reads as one, and its press action is the click.
class RoleInterface : public QAccessibleWidget {
public:
    RoleInterface(QWidget* w, QAccessible::Role role, bool hidden) : QAccessibleWidget(w, role), hidden_(hidden) { }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                s = label->text();
        return s;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (hidden_)
            s.invisible = true;
        if (widget()->property(UnusableProperty).toBool())
            s.disabled = true;
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && pressable())
            QMetaObject::invokeMethod(widget(), "clicked");
        else
            QAccessibleWidget::doAction(action);
    }

private:
    bool pressable() const
    {
        return !hidden_ && hasClickedSignal(widget()) &&
            (role() == QAccessible::Button || role() == QAccessible::Link);
    }
    bool hidden_;
};

// The game's own windows that are neither dialogs nor the main window
// read as windows, so that screen readers announce their titles.
bool isPlainGameWindow(const QString& className, const QWidget* w)
{
    return w->isWindow() && className.startsWith("vornel::") && !qobject_cast<const QDialog*>(w) &&
        !qobject_cast<const QMainWindow*>(w);
}

QAccessibleInterface* roleFactory(const QString& className, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (isPlainGameWindow(className, w))
        return new RoleInterface(w, QAccessible::Window, false);
    const QVariant role = w->property(RoleProperty);
    const bool hidden = w->property(HiddenProperty).toBool();
    if (!role.isValid() && !hidden)
        return nullptr;
    return new RoleInterface(
        w, role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::StaticText, hidden);
}

// A screen reader that is already listening may have had an interface made
// for `w` before it was given its role; the next one made has the role.
void forgetEarlierInterface(QWidget* w)
{
    QAccessibleInterface* earlier = QAccessible::queryAccessibleInterface(w);
    if (earlier && !dynamic_cast<RoleInterface*>(earlier))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(earlier));
}

}  // namespace

void setName(QWidget* w, const QString& name)
{
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
}

void setName(QWidget* w, const std::string& name)
{
    setName(w, QString::fromStdString(name));
}

void setDescription(QWidget* w, const QString& description)
{
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}

std::function<void(QAccessibleEvent*)>& watcher()
{
    static std::function<void(QAccessibleEvent*)> current;
    return current;
}

void send(QAccessibleEvent& event)
{
    if (watcher())
        watcher()(&event);
    QAccessible::updateAccessibility(&event);
}

void setWatcher(std::function<void(QAccessibleEvent*)> w)
{
    watcher() = std::move(w);
}

void setUsable(QWidget* w, bool usable)
{
    if (w->property(UnusableProperty).toBool() == !usable)
        return;
    w->setProperty(UnusableProperty, !usable);
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(w, changed);
    send(event);
}

void readAgain(QWidget* w)
{
    if (!w->hasFocus())
        return;
    // A new interface is a new object on the accessibility bus; the next
    // query makes it, with the role and state the factory gives.
    if (QAccessibleInterface* earlier = QAccessible::queryAccessibleInterface(w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(earlier));
    QAccessibleEvent focus(w, QAccessible::Focus);
    send(focus);
}

Announcer::Announcer(QWidget* parent) : line_(new QWidget(parent))
{
    line_->setObjectName("announcer");
    line_->setAttribute(Qt::WA_TransparentForMouseEvents);
    line_->setGeometry(0, 0, 1, 1);
    line_->hide();
    setRole(line_, QAccessible::Notification);
}

void Announcer::say(const QString& text)
{
    // Shown anew, it is read anew, even when it says the same again.
    line_->hide();
    line_->setAccessibleName(text);
    line_->show();
}

QString pictureName(const PictureRef& picture, bool useGreek)
{
    return picture ? pictureName(QString::fromStdString(picture->name), useGreek) : QString();
}

QString pictureName(const QString& name, bool useGreek)
{
    return QString::fromStdString(AccessibleNames::picture(useGreek, name.toStdString()));
}

void setRole(QWidget* w, QAccessible::Role role)
{
    install();
    w->setProperty(RoleProperty, static_cast<int>(role));
    forgetEarlierInterface(w);
}

void hideRepeat(QWidget* w)
{
    install();
    w->setProperty(HiddenProperty, true);
    forgetEarlierInterface(w);
}

void nameScrollBars(QAbstractScrollArea* area, const Bilingual& listName, bool useGreek)
{
    const QString list = QString::fromStdString(listName.in(useGreek));
    setName(area, list);
    setName(area->verticalScrollBar(),
        list + ", " + QString::fromStdString(AccessibleNames::Vertical.in(useGreek)));
    setName(area->horizontalScrollBar(),
        list + ", " + QString::fromStdString(AccessibleNames::Horizontal.in(useGreek)));
}

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(roleFactory);
}

}  // namespace vornel::accessible
