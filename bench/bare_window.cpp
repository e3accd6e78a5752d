// The reference for the start-up benchmark: the least a Qt Widgets program
// does to show a main window like the game's. Keep it bare; anything added
// here hides the game's own start-up costs.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("bare");
    window.menuBar()->addMenu("&File");  // an empty menu bar takes no room
    auto* area = new QWidget(&window);
    area->setFixedSize(666, 423);  // the game's client area; the menu bar comes on top
    window.setCentralWidget(area);
    window.show();
    return app.exec();
}
