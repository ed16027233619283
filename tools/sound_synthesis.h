#pragma once

// The game's four sounds, synthesised: a wooden knock for a move, a double knock for a capture, a
// bright pair of tones for check and a short arpeggio for the end of a game. make-sounds writes
// them as WAV files (PCM, 16 bits, mono, 44.1 kHz) that are committed and compiled into the program;
// the tests synthesise them again and compare byte for byte.
//
// The output is the same on every machine: the synthesis uses only additions, multiplications,
// divisions and exactly rounded library calls (fmod, lround), with its own sine and exponential and
// its own noise generator, so that nothing depends on the precision of a maths library, and it is
// compiled without fused multiply-adds.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sounds {

inline constexpr int SampleRate = 44100;

// One sound of the game: the name of its file and how it is made.
struct SoundFile {
    const char* Name; // "move.wav"
    std::vector<std::int16_t> (*Synthesise)();
};

std::vector<std::int16_t> MoveSound();
std::vector<std::int16_t> CaptureSound();
std::vector<std::int16_t> CheckSound();
std::vector<std::int16_t> GameEndSound();

inline constexpr std::array<SoundFile, 4> SoundFiles { {
    { "move.wav", &MoveSound },
    { "capture.wav", &CaptureSound },
    { "check.wav", &CheckSound },
    { "game-end.wav", &GameEndSound },
} };

// The bytes of a WAV file holding the samples: the RIFF header with its "fmt " chunk (PCM, one
// channel, SampleRate, 16 bits) and the "data" chunk, little-endian.
std::string WavFile(const std::vector<std::int16_t>& samples);

} // namespace sounds
