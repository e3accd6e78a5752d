// The sound player proper, a module of its own (vornel_sound): Qt Multimedia
// and the sound server's libraries it brings cost every start of the program
// a few milliseconds of loading, so they come in with the first sound.
#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

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

// `path` is a wave file (checked by the caller); a new sound cuts the one playing.
extern "C" Q_DECL_EXPORT void vornelPlayWave(const QString& path)
{
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
