// The committed sound files: the bytes make-sounds writes, each a short mono PCM WAV file, read here
// by hand, that rises from silence and falls back to it and never reaches full scale.

#include "tools/sound_synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string Committed(const char* name)
{
    std::ifstream file(std::string(ZUGWERK_SOURCE_DIR) + "/app/resources/sounds/" + name, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

std::uint32_t Little(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// The canonical layout: "RIFF", its size, "WAVE", a 16-byte "fmt " chunk, then "data" and the samples.
struct Wav {
    bool canonical = false;
    std::uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<int> samples;

    explicit Wav(const std::string& bytes)
    {
        if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") || Little(bytes, 4, 4) != bytes.size() - 8
            || bytes.compare(8, 8, "WAVEfmt ") || Little(bytes, 16, 4) != 16 || bytes.compare(36, 4, "data")
            || Little(bytes, 40, 4) != bytes.size() - 44)
            return;
        canonical = true;
        format = Little(bytes, 20, 2), channels = Little(bytes, 22, 2), rate = Little(bytes, 24, 4);
        byteRate = Little(bytes, 28, 4), blockAlign = Little(bytes, 32, 2), bits = Little(bytes, 34, 2);
        for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
            samples.push_back(static_cast<std::int16_t>(Little(bytes, at, 2)));
    }
};

TEST(SoundFiles, TheCommittedFilesAreWhatTheGeneratorWrites)
{
    for (const sounds::SoundFile& sound : sounds::SoundFiles) {
        const std::string committed = Committed(sound.Name);
        const std::string generated = sounds::WavFile(sound.Synthesise());
        ASSERT_EQ(committed.size(), generated.size()) << sound.Name << ": run make-sounds and commit its output";
        const auto [differs, _] = std::mismatch(committed.begin(), committed.end(), generated.begin());
        EXPECT_TRUE(differs == committed.end())
            << sound.Name << " differs at byte " << (differs - committed.begin()) << ": run make-sounds";
    }
}

TEST(SoundFiles, EachIsAShortCleanMonoPcmSound)
{
    struct Expected {
        const char* name;
        double shortest, longest; // seconds
    };
    const Expected files[] = {
        { "move.wav", 0.08, 0.2 },
        { "capture.wav", 0.15, 0.3 },
        { "check.wav", 0.2, 0.4 },
        { "game-end.wav", 0.5, 1.5 },
    };
    for (const Expected& f : files) {
        SCOPED_TRACE(f.name);
        const Wav wav(Committed(f.name));
        ASSERT_TRUE(wav.canonical);
        EXPECT_EQ(wav.format, 1u) << "PCM";
        EXPECT_EQ(wav.channels, 1u);
        EXPECT_EQ(wav.rate, 44100u);
        EXPECT_EQ(wav.bits, 16u);
        EXPECT_EQ(wav.blockAlign, 2u);
        EXPECT_EQ(wav.byteRate, 88200u);
        const double seconds = static_cast<double>(wav.samples.size()) / 44100;
        EXPECT_GE(seconds, f.shortest);
        EXPECT_LE(seconds, f.longest);
        ASSERT_GT(wav.samples.size(), 100u);

        int loudest = 0;
        for (int sample : wav.samples)
            loudest = std::max(loudest, std::abs(sample));
        EXPECT_GT(loudest, 32767 / 5) << "loud enough to hear";
        EXPECT_LT(loudest, 32767 * 9 / 10) << "headroom: nothing clips";
        // Ramps in and out: the first and last samples are silent and the next few barely above it.
        for (int i = 0; i < 8; ++i) {
            EXPECT_LE(std::abs(wav.samples[i]), i * loudest / 20) << "sample " << i;
            EXPECT_LE(std::abs(wav.samples[wav.samples.size() - 1 - i]), i * loudest / 20) << "sample -" << i;
        }
    }
}

} // namespace
