#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/Sound.h"

namespace vornel {
namespace {

const QString Sounds = QStringLiteral(VORNEL_ASSETS "/sounds/");

// The shipped sounds are what any wave player takes: RIFF, PCM, 16 bits,
// one or two channels, and short.
TEST(Sounds, ShippedSoundsAreShortSixteenBitPcmWaves)
{
    for (const char* name : {"Win.SON", "CRASH1.SON"}) {
        SCOPED_TRACE(name);
        QFile f(Sounds + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        ASSERT_GE(b.size(), 44);
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
        auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(u32(4), quint32(b.size() - 8));
        EXPECT_EQ(u16(20), 1);  // PCM
        EXPECT_TRUE(u16(22) == 1 || u16(22) == 2);
        EXPECT_EQ(u16(34), 16);
        EXPECT_EQ(b.mid(36, 4), "data");
        EXPECT_EQ(u32(40), quint32(b.size() - 44));
        const double seconds = double(u32(40)) / u32(28);
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 1.0);
        EXPECT_TRUE(isWaveFile(Sounds + name));
    }
}

TEST(Sounds, OnlyRegularWaveFilesReachThePlayerAndOthersPlayNothing)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return dir.filePath(name);
    };
    QFile shipped(Sounds + "Win.SON");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray wave = shipped.readAll();
    const QString pipe = dir.filePath("pipe.SON");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);

    EXPECT_TRUE(isWaveFile(write("copy.SON", wave)));
    const QStringList refused{dir.filePath("missing.SON"), dir.path(), pipe, write("empty.SON", {}),
        write("header.SON", wave.left(12)), write("text.SON", QByteArray(2000, 'x')),
        write("riff.SON", "RIFF" + wave.mid(4, 4) + "AVI " + wave.mid(12))};
    for (const QString& path : refused) {
        EXPECT_FALSE(isWaveFile(path)) << path.toStdString();
        PlaySound(path);  // returns at once, even for the pipe nobody writes to
    }
}

}  // namespace
}  // namespace vornel
