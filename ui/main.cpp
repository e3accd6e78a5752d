#include <QApplication>
#include <QFont>

#include "platform/DesktopHost.h"
#include "platform/LanguageStore.h"
#include "storage/AppFolder.h"
#include "ui/Form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont("Liberation Sans", 8));

    vornel::DesktopHost host;
    vornel::Form1 window(host, vornel::LanguageStore::load(), QString::fromStdString(vornel::AppFolder()));
    window.Form_Load();
    return app.exec();
}
