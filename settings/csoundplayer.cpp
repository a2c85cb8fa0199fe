#include "csoundplayer.h"

#include "msynth.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

namespace solvane {

namespace {

QtMessageHandler previousHandler = nullptr;

// Without a sound server the audio layer says so on the console; for a card game that is
// simply a silent machine, not something to alarm the user with.
void DropAudioServerNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("PulseAudioService")) || message.contains(QLatin1String("pa_context")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

QAudioDevice FindOutput()
{
    previousHandler = qInstallMessageHandler(DropAudioServerNoise);
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    return device;
}

QUrl SourceOf(const QString& name)
{
    return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(name));
}

} // namespace

cSoundPlayer::cSoundPlayer()
{
    const QAudioDevice device = FindOutput();
    if (device.isNull())
        return;
    owner_ = std::make_unique<QObject>();
    for (std::string_view name : synth::kSoundNames) {
        const QString key = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        Voices& voices = sounds_[key];
        for (QSoundEffect*& effect : voices.effects) {
            effect = new QSoundEffect(device, owner_.get());
            effect->setSource(SourceOf(key)); // loads in the background
        }
    }
}

cSoundPlayer::~cSoundPlayer() = default;

void cSoundPlayer::Play(const QString& resource)
{
    const auto found = sounds_.find(resource.toUpper());
    if (found == sounds_.end())
        return;
    Voices& voices = found.value();
    QSoundEffect* chosen = voices.effects[voices.next];
    for (QSoundEffect* effect : voices.effects) {
        if (!effect->isPlaying()) {
            chosen = effect;
            break;
        }
    }
    voices.next = (voices.next + 1) % kVoices;
    if (chosen->status() != QSoundEffect::Error)
        chosen->play();
}

} // namespace solvane
