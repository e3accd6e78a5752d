#pragma once
#include <QLabel>
#include <QWidget>

namespace vornel {

// The strip along the bottom of the main window with the best-score line
// in a sunken frame.
class StatusBar : public QWidget {
public:
    explicit StatusBar(QWidget* parent);
    QLabel* scoreLine() const { return scoreLine_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QLabel* scoreLine_;
};

}  // namespace vornel
