#include <QApplication>
#include <QFont>

#include "platform/LanguageStore.h"
#include "storage/AppFolder.h"
#include "ui/Form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The title every window and message box carries.
    QApplication::setApplicationDisplayName(vornel::ApplicationTitle);
    QApplication::setFont(QFont("Liberation Sans", 8));

    vornel::Form1 window(vornel::LanguageStore::load(), QString::fromStdString(vornel::AppFolder()));
    window.show();
    return app.exec();
}
