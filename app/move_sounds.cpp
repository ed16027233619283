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
    for (std::size_t i = 0; i < Effects.size(); ++i) {
        Effects[i] = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
        Effects[i]->setSource(QUrl(QLatin1String("qrc") + SourceOf(static_cast<TSoundKind>(i))));
    }
    QObject::connect(Devices.get(), &QMediaDevices::audioOutputsChanged, Devices.get(), [this] { UseDefaultOutput(); });
}

TSoundEffectPlayer::~TSoundEffectPlayer() = default;

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

// A sound that is still playing starts again: moves in quick succession each get their knock.
void TSoundEffectPlayer::Play(TSoundKind kind) { Effects.at(static_cast<std::size_t>(kind))->play(); }

bool TSoundEffectPlayer::Loaded() const
{
    return std::all_of(Effects.begin(), Effects.end(),
        [](const std::unique_ptr<QSoundEffect>& effect) { return effect->status() == QSoundEffect::Ready; });
}

// Headphones plugged in, or another output chosen in the system's settings: the sounds go there.
void TSoundEffectPlayer::UseDefaultOutput()
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    for (const std::unique_ptr<QSoundEffect>& effect : Effects)
        if (effect->audioDevice() != output)
            effect->setAudioDevice(output);
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
