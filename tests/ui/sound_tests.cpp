#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/Sound.h"

namespace vornel {
namespace {

// The shipped sounds are waves; nothing else, not even a pipe, reaches the player.
TEST(Sounds, OnlyRegularWaveFilesReachThePlayerAndOthersPlayNothing)
{
    const QString shipped = QStringLiteral(VORNEL_ASSETS "/sounds/");
    EXPECT_TRUE(isWaveFile(shipped + "Win.SON") && isWaveFile(shipped + "CRASH1.SON"));
    QFile f(shipped + "Win.SON");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray wave = f.readAll();
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
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
}

}  // namespace
}  // namespace vornel
