#include "platform/DesktopHost.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <chrono>

#include "text/Messages.h"

namespace vornel {

namespace {
QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}
QString titleOrDefault(const std::string& title)
{
    return title.empty() ? QString::fromUtf8(ApplicationTitle.data(), ApplicationTitle.size()) : qs(title);
}
unsigned clockSeed()
{
    return static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
}
}  // namespace

DesktopHost::DesktopHost() : generator_(clockSeed()) { }

QWidget* DesktopHost::parentForBox() const
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    if (QWidget* w = QApplication::activeWindow())
        return w;
    return fallbackParent_;
}

void DesktopHost::beforeWaiting()
{
    if (beforeWaiting_)
        beforeWaiting_();
}

bool DesktopHost::askYesNo(const std::string& text, const std::string& title)
{
    beforeWaiting();
    QMessageBox box(QMessageBox::Question, titleOrDefault(title), qs(text), QMessageBox::Yes | QMessageBox::No,
        parentForBox());
    box.button(QMessageBox::Yes)->setText(qs(Messages::YesButton.in(greek_)));
    box.button(QMessageBox::No)->setText(qs(Messages::NoButton.in(greek_)));
    return box.exec() == QMessageBox::Yes;
}

void DesktopHost::showMessage(const std::string& text, const std::string& title, MessageIcon icon)
{
    beforeWaiting();
    const QMessageBox::Icon shown = icon == MessageIcon::Critical ? QMessageBox::Critical
        : icon == MessageIcon::Question                          ? QMessageBox::Question
                                                                 : QMessageBox::NoIcon;
    QMessageBox box(shown, titleOrDefault(title), qs(text), QMessageBox::Ok, parentForBox());
    box.button(QMessageBox::Ok)->setText(qs(Messages::OkButton.in(greek_)));
    box.exec();
}

std::string DesktopHost::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer)
{
    beforeWaiting();
    QInputDialog box(parentForBox());
    box.setWindowTitle(titleOrDefault(title));
    box.setLabelText(qs(prompt));
    box.setTextValue(qs(defaultAnswer));
    box.setOkButtonText(qs(Messages::OkButton.in(greek_)));
    box.setCancelButtonText(qs(Messages::CancelButton.in(greek_)));
    return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : std::string();
}

void DesktopHost::setBusyPointer(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void DesktopHost::processEvents()
{
    beforeWaiting();
    // Paint and timers, yes; clicks and keys wait until the handler is done,
    // so that no handler runs inside another.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

double DesktopHost::random()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

void DesktopHost::randomize()
{
    generator_.seed(clockSeed());
}

}  // namespace vornel
