// Times the player's own pictures when they are large photos: taking one
// into the custom set, a start-up that restores ten of them, and dealing a
// game of them. Usage: custom_pictures [PHOTO]; without a photo it makes a
// 4000 x 3000 JPEG of its own. Runs on any Qt platform (offscreen is fine).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

#include "game/CustomPictures.h"
#include "platform/DesktopHost.h"
#include "storage/SettingsRecords.h"
#include "text/Language.h"
#include "ui/main_window/MainWindow.h"
#include "ui/shared/PictureLibrary.h"

namespace {

QString makePhoto(const QString& path)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(230, 180, 60));
    p.fillRect(image.rect(), sky);
    auto* random = QRandomGenerator::global();
    for (int i = 0; i < 3000; ++i) {
        p.setBrush(QColor::fromRgb(random->generate()));
        p.setPen(Qt::NoPen);
        p.drawEllipse(
            QPoint(random->bounded(4000), random->bounded(3000)), random->bounded(5, 60), random->bounded(5, 60));
    }
    p.end();
    image.save(path, "JPG", 90);
    return path;
}

double ms(QElapsedTimer& t)
{
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString photo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : makePhoto(folder.filePath("photo.jpg"));
    std::printf("photo: %s, %lld bytes\n", qPrintable(photo), QFile(photo).size());

    QElapsedTimer t;
    t.start();
    const QImage whole(photo);
    std::printf("full decode, for comparison:   %7.1f ms (%dx%d)\n", ms(t), whole.width(), whole.height());

    // Taking the photo into a slot, as Add does: ten copies, ten slots.
    vornel::DesktopHost host;
    vornel::Language language{false};
    vornel::PictureLibrary library;
    vornel::CustomPictures custom(
        std::filesystem::path(folder.filePath("CustomImages.dat").toStdString()), library, host, language);
    double slowest = 0, total = 0;
    for (int i = 0; i < 10; ++i) {
        const QString copy = folder.filePath(QStringLiteral("photo%1.jpg").arg(i));
        QFile::copy(photo, copy);
        custom.select(i);
        t.restart();
        if (!custom.add(copy.toStdString()))
            return std::printf("the photo could not be read\n"), 1;
        slowest = std::max(slowest, ms(t));
        total += ms(t);
    }
    custom.setLastFolder(folder.path().toStdString());
    custom.save();
    std::printf("add one photo to a slot:       %7.1f ms on average, %.1f ms at most\n", total / 10, slowest);

    // A start-up that restores the ten, then deals.
    vornel::SettingsRecords records;
    records.category = 4;
    vornel::writeSettingsRecords(std::filesystem::path(folder.filePath("skor.qdx").toStdString()), records);
    vornel::MainWindow window(host, true, folder.path());
    t.restart();
    window.start();
    std::printf("start-up restoring ten photos: %7.1f ms\n", ms(t));
    if (window.game().category() != vornel::PictureCategory::Custom)
        return std::printf("the custom set was not restored\n"), 1;

    QAction* deal = window.findChild<QAction*>("newGameAction");
    for (int round = 1; round <= 3; ++round) {
        t.restart();
        deal->trigger();
        std::printf("deal %d (New Game, board shown): %5.1f ms\n", round, ms(t));
    }
    return 0;
}
