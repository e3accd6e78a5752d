#include <QApplication>
#include <QFont>
#include <QStandardPaths>

#include "platform/DataFolder.h"
#include "platform/DesktopHost.h"
#include "platform/LanguageStore.h"
#include "platform/MemoryKeeper.h"
#include "storage/AppFolder.h"
#include "ui/shared/Accessible.h"
#include "ui/main_window/MainWindow.h"

int main(int argc, char* argv[])
{
    vornel::keepMemoryFlat();
    QApplication app(argc, argv);
    vornel::keepMemoryFlat(app);
    QApplication::setOrganizationName("Kelbar");
    QApplication::setApplicationName("vornel");
    QApplication::setFont(QFont("Liberation Sans", 8));
    vornel::accessible::install();

    const vornel::DataFolders folders = vornel::chooseDataFolders(QString::fromStdString(vornel::AppFolder()),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    vornel::DesktopHost host;
    vornel::MainWindow window(host, vornel::LanguageStore::load(), folders.data);
    window.start();
    return app.exec();
}
