#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/Sound.h"

namespace vornel {
namespace {

// The shipped sounds are waves; nothing else, not even a pipe, reaches the
// player. Qt Multimedia comes in with the player module at the first wave,
// not at every start of the program; without the module the game is silent.
TEST(Sounds, OnlyRegularWaveFilesReachThePlayerAndTheFirstLoadsItsModule)
{
    auto mapped = [](const char* name) {
        QFile maps("/proc/self/maps");
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
    };
    const bool loadedBefore = mapped("vornel_sound");  // by a sound of an earlier test
    EXPECT_TRUE(loadedBefore || !mapped("libQt6Multimedia"));
    const QString shipped = QStringLiteral(VORNEL_ASSETS "/sounds/");
    EXPECT_TRUE(isWaveFile(shipped + "Win.SON") && isWaveFile(shipped + "CRASH1.SON"));
    QFile f(shipped + "Win.SON");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray wave = f.readAll();
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return dir.filePath(name);
    };
    const QString pipe = dir.filePath("pipe.SON");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_TRUE(isWaveFile(write("copy.SON", wave)));
    for (const QString& path : {dir.filePath("missing.SON"), dir.path(), pipe, write("header.SON", wave.left(12)),
             write("text.SON", QByteArray(2000, 'x')), write("avi.SON", "RIFF" + wave.mid(4, 4) + "AVI " + wave.mid(12))}) {
        EXPECT_FALSE(isWaveFile(path)) << path.toStdString();
        PlaySound(path);  // returns at once, even for the pipe nobody writes to
    }
    EXPECT_TRUE(loadedBefore || !mapped("vornel_sound")) << "loaded for no wave";

    // A tenth of a second of silence: 16-bit mono PCM at 8 kHz.
    const QByteArray silence = QByteArray("RIFF") + QByteArray::fromHex("64060000") + "WAVEfmt " +
        QByteArray::fromHex("10000000" "0100" "0100" "401f0000" "803e0000" "0200" "1000") + "data" +
        QByteArray::fromHex("40060000") + QByteArray(1600, 0);
    const QString quiet = write("silence.SON", silence);
    ASSERT_TRUE(isWaveFile(quiet));
    PlaySound(quiet);
    EXPECT_TRUE(mapped("vornel_sound.so"));
    EXPECT_TRUE(mapped("libQt6Multimedia"));
}

}  // namespace
}  // namespace vornel
