#include <QApplication>
#include <QFont>
#include <QStandardPaths>
#include <cstdio>

#include "platform/DataFolder.h"
#include "platform/DesktopHost.h"
#include "platform/LanguageStore.h"
#include "platform/MemoryKeeper.h"
#include "platform/SingleInstance.h"
#include "storage/AppFolder.h"
#include "storage/DataFiles.h"
#include "storage/SafeFile.h"
#include "ui/main_window/MainWindow.h"
#include "ui/shared/Accessible.h"

int main(int argc, char* argv[])
{
    vornel::prepareProcessForSaves();
    vornel::keepMemoryFlat();
    QApplication app(argc, argv);
    vornel::keepMemoryFlat(app);
    QApplication::setOrganizationName("Kelbar");
    QApplication::setApplicationName("vornel");
    // Docks match the window to its desktop entry by this name.
    QApplication::setDesktopFileName("org.kelbar.Vornel");

    const vornel::DataFolders folders = vornel::chooseDataFolders(
        QString::fromStdString(vornel::AppFolder()), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // A second start on the same files brings the running game to the front
    // and ends before it reads or writes any of them.
    vornel::SingleInstance instance(folders.data);
    switch (instance.claim()) {
    case vornel::SingleInstance::Claim::Ours:
        break;
    case vornel::SingleInstance::Claim::Raised:
        return 0;
    case vornel::SingleInstance::Claim::Unreached:
        std::fprintf(stderr, "vornel: another game runs on %s and does not answer\n", qPrintable(folders.data));
        return 1;
    }
    QObject::connect(&instance, &vornel::SingleInstance::raiseRequested, &vornel::raiseVisibleWindows);
    vornel::removeOrphanedTemporaries(folders.data.toStdString());
    vornel::settleDataFolder(folders);

    QApplication::setFont(QFont("Liberation Sans", 8));
    vornel::accessible::install();
    const bool useGreek = vornel::LanguageStore::load();
    vornel::DesktopHost host;
    host.setGreek(useGreek);
    vornel::MainWindow window(host, useGreek, folders);
    window.start();
    return app.exec();
}
