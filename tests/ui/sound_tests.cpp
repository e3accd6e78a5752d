#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/Sound.h"

namespace vornel {
namespace {

// Qt Multimedia comes in with the player module at the first wave, not at
// every start of the program.
TEST(Sounds, OnlyRegularWaveFilesReachThePlayerAndTheFirstLoadsItsModule)
{
    auto mapped = [](const char* name) {
        QFile maps("/proc/self/maps");
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
    };
    const bool loadedBefore = mapped("vornel_sound");  // by a sound of an earlier test
    EXPECT_TRUE(loadedBefore || !mapped("libQt6Multimedia"));
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return dir.filePath(name);
    };
    // A tenth of a second of silence: 16-bit mono PCM at 8 kHz.
    const QByteArray wave = QByteArray("RIFF") + QByteArray::fromHex("64060000") + "WAVEfmt " +
        QByteArray::fromHex("10000000" "0100" "0100" "401f0000" "803e0000" "0200" "1000") + "data" +
        QByteArray::fromHex("40060000") + QByteArray(1600, 0);
    const QString pipe = dir.filePath("pipe.SON");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {pipe, write("header.SON", wave.left(12)), write("text.SON", QByteArray(2000, 'x')),
             write("avi.SON", "RIFF" + wave.mid(4, 4) + "AVI " + wave.mid(12))}) {
        EXPECT_FALSE(isWaveFile(path)) << path.toStdString();
        PlaySound(path);  // returns at once, even for the pipe nobody writes to
    }
    EXPECT_TRUE(loadedBefore || !mapped("vornel_sound")) << "loaded for no wave";

    const QString shipped = QStringLiteral(VORNEL_ASSETS "/sounds/");
    EXPECT_TRUE(isWaveFile(shipped + "Win.SON") && isWaveFile(shipped + "CRASH1.SON"));
    PlaySound(write("silence.SON", wave));
    EXPECT_TRUE(mapped("vornel_sound.so") && mapped("libQt6Multimedia"));
}

}  // namespace
}  // namespace vornel
