#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace vornel::testing {

// Answers modal boxes as they open, with the answers a test planned, and
// remembers what they said. A box nobody planned for is refused (No,
// Cancel, or closed) and fails the test.
class BoxAnswerer : public QObject {
public:
    struct Answer {
        QMessageBox::StandardButton button = QMessageBox::Ok;
        QString typed;  // for an input box
    };
    std::deque<Answer> planned;
    QStringList texts;
    QStringList titles;
    // Looks at the screen while a box is up, before it is answered.
    std::function<void(QWidget* box)> inspect;

    BoxAnswerer()
    {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::answer);
        timer_.start();
    }
    ~BoxAnswerer() override { EXPECT_TRUE(planned.empty()) << "a planned box never opened"; }

    void ok() { planned.push_back({QMessageBox::Ok, {}}); }
    void yes() { planned.push_back({QMessageBox::Yes, {}}); }
    void no() { planned.push_back({QMessageBox::No, {}}); }
    void type(const QString& text) { planned.push_back({QMessageBox::Ok, text}); }

    // Lets events run until `done` holds; fails after a generous limit.
    static bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

private:
    void answer()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == lastAnswered_)
            return;
        auto* box = qobject_cast<QMessageBox*>(w);
        auto* input = qobject_cast<QInputDialog*>(w);
        if (!box && !input)
            return;
        lastAnswered_ = w;
        if (inspect)
            inspect(w);
        titles << w->windowTitle();
        texts << (box ? box->text() : input->labelText());
        if (planned.empty()) {
            ADD_FAILURE() << "unplanned box: " << texts.back().toStdString();
            box ? box->reject() : input->reject();
            return;
        }
        const Answer a = planned.front();
        planned.pop_front();
        if (input) {
            input->setTextValue(a.typed);
            input->accept();
        } else if (QAbstractButton* b = box->button(a.button)) {
            b->click();
        } else {
            ADD_FAILURE() << "the box has no such button: " << texts.back().toStdString();
            box->reject();
        }
    }

    QTimer timer_;
    QPointer<QWidget> lastAnswered_;
};

// Notes that a window was closed.
class CloseWatcher : public QObject {
public:
    explicit CloseWatcher(bool* closed) : closed_(closed) { }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Close)
            *closed_ = true;
        return false;
    }

private:
    bool* closed_;
};

inline void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton)
{
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, button, {}, w->rect().center());
}

}  // namespace vornel::testing
