#include <QApplication>
#include <QFont>
#include <QStandardPaths>
#include <malloc.h>

#include "platform/DataFolder.h"
#include "platform/DesktopHost.h"
#include "platform/LanguageStore.h"
#include "storage/AppFolder.h"
#include "ui/Accessible.h"
#include "ui/Form1.h"

int main(int argc, char* argv[])
{
    // Pictures come and go in blocks of megabytes; served from mappings of
    // their own they go back to the system when freed, and a long session
    // stays the size it was.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Kelbar");
    QApplication::setApplicationName("vornel");
    QApplication::setFont(QFont("Liberation Sans", 8));
    vornel::accessible::install();

    const vornel::DataFolders folders = vornel::chooseDataFolders(QString::fromStdString(vornel::AppFolder()),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    vornel::DesktopHost host;
    vornel::Form1 window(host, vornel::LanguageStore::load(), folders.data);
    window.Form_Load();
    return app.exec();
}
