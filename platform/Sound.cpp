#include "platform/Sound.h"

#include <QCoreApplication>
#include <QLibrary>

#include "storage/SafeFile.h"

namespace vornel {

namespace {

// A sound is a few seconds at most; a larger file is not one of ours.
constexpr std::size_t MaxSoundBytes = 8u << 20;

using PlayWave = void (*)(const QString& path);

// The player module, loaded at the first sound: beside the program in a
// build, under the library folder once installed. Without it, silence.
PlayWave waveplayer()
{
    static const PlayWave play = [] {
        const QString programFolder = QCoreApplication::applicationDirPath();
        for (const QString& folder : {programFolder, programFolder + "/" VORNEL_MODULE_DIR}) {
            QLibrary module(folder + "/vornel_sound");
            if (auto f = reinterpret_cast<PlayWave>(module.resolve("vornelPlayWave")))
                return f;
        }
        return PlayWave(nullptr);
    }();
    return play;
}

}  // namespace

bool isWaveFile(const QString& path)
{
    const std::optional<std::string> bytes = readRegularFile(path.toStdString(), MaxSoundBytes);
    return bytes && bytes->size() > 44 && bytes->compare(0, 4, "RIFF") == 0 && bytes->compare(8, 4, "WAVE") == 0;
}

void PlaySound(const QString& path)
{
    if (!isWaveFile(path) || !QCoreApplication::instance())
        return;
    if (PlayWave play = waveplayer())
        play(path);
}

}  // namespace vornel
