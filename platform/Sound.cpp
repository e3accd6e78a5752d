#include "platform/Sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include "storage/SafeFile.h"

namespace vornel {

namespace {

// A sound is a few seconds at most; a larger file is not one of ours.
constexpr std::size_t MaxSoundBytes = 8u << 20;

// Qt Multimedia tells stderr about a missing sound server or device; the
// game stays silent about its sounds, as it always has.
class QuietMessages {
public:
    QuietMessages() : previous_(qInstallMessageHandler(drop)) { }
    ~QuietMessages() { qInstallMessageHandler(previous_); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

private:
    static void drop(QtMsgType, const QMessageLogContext&, const QString&) { }
    QtMessageHandler previous_;
};

// The one player of the program, made at the first sound: it connects to
// the sound server, which start-up need not wait for.
QSoundEffect* player()
{
    static QPointer<QSoundEffect> effect;
    if (!effect && QCoreApplication::instance())
        effect = new QSoundEffect(QCoreApplication::instance());
    return effect;
}

}  // namespace

bool isWaveFile(const QString& path)
{
    const std::optional<std::string> bytes = readRegularFile(path.toStdString(), MaxSoundBytes);
    return bytes && bytes->size() > 44 && bytes->compare(0, 4, "RIFF") == 0 && bytes->compare(8, 4, "WAVE") == 0;
}

void PlaySound(const QString& path)
{
    if (!isWaveFile(path))
        return;
    QuietMessages quiet;
    QSoundEffect* effect = player();
    // Without a device the effect would only complain at every play.
    if (!effect || QMediaDevices::defaultAudioOutput().isNull())
        return;
    const QUrl url = QUrl::fromLocalFile(path);
    effect->stop();
    if (effect->source() != url)
        effect->setSource(url);
    effect->play();
}

}  // namespace vornel
