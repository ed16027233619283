#pragma once

// The sounds of the game, while the player asks for them: a knock for a move, a double knock for a
// capture (en passant too), two tones for check, a short chord for the end of a game.
//
// TMoveSounds hears what each move made in the game does, as the window learns it from the board's
// events, and plays one sound for it: the board raises a move's events one after another inside its
// Move, so the sound waits for the next turn of the event loop and is then the weightiest one heard
// (a capture that checks plays the check, a move that mates the game's end). Stepping through the
// record, loading a game or a position and replaying an imported game raise no move events, so they
// stay silent. The window owns it; it lives on the main thread.
//
// TSoundPlayer is what plays a sound, so that tests listen with a recording stand-in;
// TSoundEffectPlayer plays the sounds compiled into the program through Qt Multimedia. It is made
// only when sounds are first turned on, so that a player who never asks for them never opens the
// audio system.

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAudioDevice;
class QMediaDevices;
class QSoundEffect;

// In rising weight: of the sounds a move makes, the last of these wins.
enum class TSoundKind { Move, Capture, Check, GameEnd };

class TSoundPlayer {
public:
    virtual ~TSoundPlayer() = default;
    virtual void Play(TSoundKind kind) = 0;
};

// The four sounds, read once from the program's resources, played on the default audio output. When
// the system's choice of output changes (headphones plugged in, another output chosen in its
// settings), the sounds are loaded anew for it: an effect keeps the output it was loaded for. Without
// an audio device, or without a sound server to reach one, nothing is heard; playing never blocks.
class TSoundEffectPlayer : public TSoundPlayer {
public:
    TSoundEffectPlayer();
    ~TSoundEffectPlayer() override;
    // A sound still playing starts again from its beginning.
    void Play(TSoundKind kind) override;
    // True once every sound has been read and is ready to play; Failed once one could not be.
    bool Loaded() const;
    bool Failed() const;
    // False while the system has no audio output to play on.
    bool HasOutput() const { return !OutputId.isEmpty(); }
    // The resource file of each kind's sound.
    static QString SourceOf(TSoundKind kind);

private:
    void LoadFor(const QAudioDevice& output);

    std::unique_ptr<QMediaDevices> Devices;
    std::array<std::unique_ptr<QSoundEffect>, 4> Effects;
    QString OutputId;
};

class TMoveSounds : public QObject {
    Q_OBJECT

public:
    explicit TMoveSounds(QObject* parent = nullptr);
    ~TMoveSounds() override;

    // Makes the player the first time sounds are turned on; replaceable until then, as tests do.
    std::function<std::unique_ptr<TSoundPlayer>()> MakePlayer = [] { return std::make_unique<TSoundEffectPlayer>(); };

    bool Enabled() const { return FEnabled; }
    // Off: nothing is played any more, not even a sound still waiting for its move to end.
    void set_Enabled(bool enabled);
    // The player, once sounds have been turned on.
    TSoundPlayer* Player() const { return FPlayer.get(); }

    // What the move being made does, or that the game has ended; ignored while sounds are off.
    void Hear(TSoundKind kind);

private:
    void PlayWaitingSound();

    bool FEnabled = false;
    std::unique_ptr<TSoundPlayer> FPlayer;
    std::optional<TSoundKind> Waiting;
};
