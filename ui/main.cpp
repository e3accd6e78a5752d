#include <QApplication>
#include <QFont>
#include <QStandardPaths>

#include "platform/DataFolder.h"
#include "platform/DesktopHost.h"
#include "platform/LanguageStore.h"
#include "platform/MemoryKeeper.h"
#include "storage/AppFolder.h"
#include "storage/DataFiles.h"
#include "storage/SafeFile.h"
#include "ui/Accessible.h"
#include "ui/Form1.h"

int main(int argc, char* argv[])
{
    vornel::prepareProcessForSaves();
    vornel::keepMemoryFlat();
    QApplication app(argc, argv);
    vornel::keepMemoryFlat(app);
    QApplication::setOrganizationName("Kelbar");
    QApplication::setApplicationName("vornel");
    QApplication::setFont(QFont("Liberation Sans", 8));
    vornel::accessible::install();

    const vornel::DataFolders folders = vornel::chooseDataFolders(QString::fromStdString(vornel::AppFolder()),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    vornel::removeOrphanedTemporaries(folders.data.toStdString());

    vornel::DesktopHost host;
    vornel::Form1 window(host, vornel::LanguageStore::load(), folders.data);
    window.Form_Load();
    return app.exec();
}
