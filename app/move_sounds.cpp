// The sounds of the game: the one sound of each move, played once the move is over, and the player
// of the sounds compiled into the program.

#include "app/move_sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <utility>

TSoundEffectPlayer::TSoundEffectPlayer()
    : Devices(std::make_unique<QMediaDevices>())
{
    LoadFor(QMediaDevices::defaultAudioOutput());
    QObject::connect(Devices.get(), &QMediaDevices::audioOutputsChanged, Devices.get(), [this] {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (QString::fromUtf8(output.id()) != OutputId)
            LoadFor(output);
    });
}

TSoundEffectPlayer::~TSoundEffectPlayer() = default;

// The decoded sounds stay in Qt's sample cache, so loading them again for another output is quick.
void TSoundEffectPlayer::LoadFor(const QAudioDevice& output)
{
    OutputId = QString::fromUtf8(output.id());
    for (std::size_t i = 0; i < Effects.size(); ++i) {
        Effects[i] = std::make_unique<QSoundEffect>(output);
        Effects[i]->setSource(QUrl(QLatin1String("qrc") + SourceOf(static_cast<TSoundKind>(i))));
    }
}

QString TSoundEffectPlayer::SourceOf(TSoundKind kind)
{
    switch (kind) {
    case TSoundKind::Move: return QStringLiteral(":/app/resources/sounds/move.wav");
    case TSoundKind::Capture: return QStringLiteral(":/app/resources/sounds/capture.wav");
    case TSoundKind::Check: return QStringLiteral(":/app/resources/sounds/check.wav");
    case TSoundKind::GameEnd: return QStringLiteral(":/app/resources/sounds/game-end.wav");
    }
    return {};
}

void TSoundEffectPlayer::Play(TSoundKind kind) { Effects.at(static_cast<std::size_t>(kind))->play(); }

bool TSoundEffectPlayer::Loaded() const
{
    return std::all_of(Effects.begin(), Effects.end(),
        [](const std::unique_ptr<QSoundEffect>& effect) { return effect->status() == QSoundEffect::Ready; });
}

bool TSoundEffectPlayer::Failed() const
{
    return std::any_of(Effects.begin(), Effects.end(),
        [](const std::unique_ptr<QSoundEffect>& effect) { return effect->status() == QSoundEffect::Error; });
}

TMoveSounds::TMoveSounds(QObject* parent)
    : QObject(parent)
{
}

TMoveSounds::~TMoveSounds() = default;

void TMoveSounds::set_Enabled(bool enabled)
{
    FEnabled = enabled;
    if (!enabled)
        Waiting.reset();
    else if (!FPlayer)
        FPlayer = MakePlayer();
}

void TMoveSounds::Hear(TSoundKind kind)
{
    if (!FEnabled)
        return;
    if (!Waiting)
        QTimer::singleShot(0, this, &TMoveSounds::PlayWaitingSound);
    Waiting = std::max(Waiting.value_or(kind), kind);
}

void TMoveSounds::PlayWaitingSound()
{
    const std::optional<TSoundKind> kind = std::exchange(Waiting, std::nullopt);
    if (kind && FEnabled && FPlayer)
        FPlayer->Play(*kind);
}
