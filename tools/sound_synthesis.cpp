// The synthesis of the game's sounds: knocks of wood made of a few decaying partials and a burst of
// filtered noise, tones made of harmonics under a soft envelope, and the last steps that every sound
// takes (fades, level, 16-bit samples).

#include "tools/sound_synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sounds {
namespace {

    constexpr double Pi = 3.14159265358979323846;

    using Signal = std::vector<double>;

    // sin x: reduced to [-pi/2, pi/2] (fmod is exact), then its Taylor series to the x^21 term, whose
    // remainder is below 1e-15 there.
    double Sine(double x)
    {
        x = std::fmod(x, 2 * Pi);
        if (x > Pi)
            x -= 2 * Pi;
        else if (x < -Pi)
            x += 2 * Pi;
        if (x > Pi / 2)
            x = Pi - x;
        else if (x < -Pi / 2)
            x = -Pi - x;
        const double x2 = x * x;
        double term = x, sum = x;
        for (int n = 1; n <= 10; ++n) {
            term *= -x2 / ((2.0 * n) * (2.0 * n + 1));
            sum += term;
        }
        return sum;
    }

    double Cosine(double x) { return Sine(x + Pi / 2); }

    // e^x for x <= 0: halved until it is small, its Taylor series there, then squared back.
    double Exp(double x)
    {
        if (x < -700)
            return 0;
        int halvings = 0;
        while (x < -0.5) {
            x /= 2;
            ++halvings;
        }
        double term = 1, sum = 1;
        for (int n = 1; n <= 14; ++n) {
            term *= x / n;
            sum += term;
        }
        for (int i = 0; i < halvings; ++i)
            sum *= sum;
        return sum;
    }

    int SamplesIn(double seconds) { return static_cast<int>(std::lround(seconds * SampleRate)); }

    double TimeOf(int sample) { return static_cast<double>(sample) / SampleRate; }

    // White noise from a 32-bit xorshift generator, in [-1, 1).
    class Noise {
    public:
        explicit Noise(std::uint32_t seed)
            : State(seed ? seed : 1)
        {
        }
        double Next()
        {
            State ^= State << 13;
            State ^= State >> 17;
            State ^= State << 5;
            return static_cast<double>(State) / 2147483648.0 - 1.0;
        }

    private:
        std::uint32_t State;
    };

    // A band-pass filter of constant peak gain (the usual biquad of audio equalisers).
    class BandPass {
    public:
        BandPass(double centre, double q)
        {
            const double w = 2 * Pi * centre / SampleRate;
            const double alpha = Sine(w) / (2 * q);
            const double a0 = 1 + alpha;
            B0 = alpha / a0;
            B2 = -alpha / a0;
            A1 = -2 * Cosine(w) / a0;
            A2 = (1 - alpha) / a0;
        }
        double Next(double x)
        {
            const double y = B0 * x + B2 * X2 - A1 * Y1 - A2 * Y2;
            X2 = X1, X1 = x, Y2 = Y1, Y1 = y;
            return y;
        }

    private:
        double B0, B2, A1, A2;
        double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
    };

    // A sine starting at `start` seconds that dies away with the time constant `decay`.
    void AddPartial(Signal& signal, double start, double frequency, double amplitude, double decay)
    {
        for (int i = SamplesIn(start); i < static_cast<int>(signal.size()); ++i) {
            const double t = TimeOf(i) - start;
            signal[i] += amplitude * Exp(-t / decay) * Sine(2 * Pi * frequency * t);
        }
    }

    // The click of the impact: noise around `centre`, gone within a few milliseconds.
    void AddStrike(Signal& signal, double start, double centre, double amplitude, double decay, std::uint32_t seed)
    {
        Noise noise(seed);
        BandPass filter(centre, 0.8);
        for (int i = SamplesIn(start); i < static_cast<int>(signal.size()); ++i) {
            const double t = TimeOf(i) - start;
            signal[i] += amplitude * Exp(-t / decay) * filter.Next(noise.Next());
        }
    }

    // A piece set down on wood: the modes of a small wooden bar (their frequencies 1, 2.76, 5.40 and
    // 8.93 times the lowest), the duller ring of the board below it, and the strike. The higher the
    // brightness, the louder the upper modes and the click, the harder the knock sounds.
    void AddKnock(Signal& signal, double start, double pitch, double brightness, double amplitude, std::uint32_t seed)
    {
        struct Mode {
            double Ratio, Amplitude, Decay;
        };
        constexpr Mode Modes[]
            = { { 1.0, 1.0, 0.028 }, { 2.756, 0.5, 0.014 }, { 5.404, 0.22, 0.007 }, { 8.933, 0.1, 0.004 } };
        for (const Mode& mode : Modes) {
            const double weight = mode.Ratio == 1.0 ? 1.0 : brightness;
            AddPartial(signal, start, pitch * mode.Ratio, amplitude * weight * mode.Amplitude, mode.Decay);
        }
        AddPartial(signal, start, pitch * 0.45, amplitude * 0.35, 0.04);
        AddStrike(signal, start, 3000, amplitude * 0.5 * brightness, 0.0025, seed);
    }

    // A tone of `length` seconds: its harmonics (each dying away faster than the one below it, as on a
    // struck bar), a soft attack and, at its end, a release that brings it smoothly to silence.
    void AddTone(Signal& signal, double start, double length, double frequency, double amplitude, double decay)
    {
        struct Harmonic {
            double Ratio, Amplitude;
        };
        constexpr Harmonic Harmonics[] = { { 1, 1.0 }, { 2, 0.3 }, { 3, 0.1 } };
        constexpr double Attack = 0.005, Release = 0.02;
        const int first = SamplesIn(start);
        const int count = std::min(SamplesIn(length), static_cast<int>(signal.size()) - first);
        for (int k = 0; k < count; ++k) {
            const double t = TimeOf(k);
            double envelope = 1;
            if (t < Attack)
                envelope = 0.5 - 0.5 * Cosine(Pi * t / Attack);
            else if (t > length - Release)
                envelope = 0.5 + 0.5 * Cosine(Pi * (t - (length - Release)) / Release);
            double sum = 0;
            for (const Harmonic& h : Harmonics)
                sum += h.Amplitude * Exp(-t * h.Ratio / decay) * Sine(2 * Pi * frequency * h.Ratio * t);
            signal[first + k] += amplitude * envelope * sum;
        }
    }

    // Fades in and out with raised-cosine ramps (first and last samples silent, so no click), scales the
    // loudest sample to `peak` of full scale and rounds to 16 bits; peak < 1, so nothing clips.
    std::vector<std::int16_t> Finish(Signal signal, double fadeIn, double fadeOut, double peak)
    {
        const int n = static_cast<int>(signal.size());
        const int in = SamplesIn(fadeIn), out = SamplesIn(fadeOut);
        for (int i = 0; i < in && i < n; ++i)
            signal[i] *= 0.5 - 0.5 * Cosine(Pi * i / in);
        for (int k = 0; k < out && k < n; ++k)
            signal[n - out + k] *= 0.5 + 0.5 * Cosine(Pi * k / (out - 1));
        double loudest = 0;
        for (double x : signal)
            loudest = std::max(loudest, std::abs(x));
        std::vector<std::int16_t> samples(signal.size());
        for (int i = 0; i < n; ++i)
            samples[i] = static_cast<std::int16_t>(std::lround(signal[i] / loudest * peak * 32767));
        return samples;
    }

    void PutLittleEndian(std::string& bytes, std::uint32_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }

} // namespace

std::vector<std::int16_t> MoveSound()
{
    Signal signal(SamplesIn(0.15));
    AddKnock(signal, 0, 700, 1.0, 1.0, 0x2545f491u);
    return Finish(std::move(signal), 0.0015, 0.03, 0.5);
}

// The piece lands on the one it takes, harder and higher, and knocks it aside a moment later.
std::vector<std::int16_t> CaptureSound()
{
    Signal signal(SamplesIn(0.24));
    AddKnock(signal, 0, 820, 1.5, 1.0, 0x9e3779b9u);
    AddKnock(signal, 0.075, 980, 1.3, 0.7, 0x7f4a7c15u);
    return Finish(std::move(signal), 0.0015, 0.03, 0.55);
}

// A rising fifth, D6 to A6: short, bright and unlike any knock.
std::vector<std::int16_t> CheckSound()
{
    Signal signal(SamplesIn(0.32));
    AddTone(signal, 0, 0.12, 1174.66, 1.0, 0.12);
    AddTone(signal, 0.13, 0.17, 1760.0, 1.0, 0.12);
    return Finish(std::move(signal), 0.001, 0.02, 0.35);
}

// C major broken upwards, C5 E5 G5 C6, the notes ringing on together like a struck bar's.
std::vector<std::int16_t> GameEndSound()
{
    constexpr double Length = 1.1;
    Signal signal(SamplesIn(Length));
    constexpr double Notes[] = { 523.25, 659.26, 783.99, 1046.50 };
    for (int i = 0; i < 4; ++i) {
        const double start = 0.085 * i;
        AddTone(signal, start, Length - start, Notes[i], i == 3 ? 0.9 : 1.0, 0.5);
    }
    return Finish(std::move(signal), 0.001, 0.3, 0.45);
}

std::string WavFile(const std::vector<std::int16_t>& samples)
{
    constexpr int Channels = 1, BytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BytesPerSample);
    std::string bytes;
    bytes.reserve(44 + dataSize);
    bytes += "RIFF";
    PutLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4); // size of the format chunk
    PutLittleEndian(bytes, 1, 2); // PCM
    PutLittleEndian(bytes, Channels, 2);
    PutLittleEndian(bytes, SampleRate, 4);
    PutLittleEndian(bytes, SampleRate * Channels * BytesPerSample, 4); // bytes per second
    PutLittleEndian(bytes, Channels * BytesPerSample, 2); // bytes per frame
    PutLittleEndian(bytes, 8 * BytesPerSample, 2);
    bytes += "data";
    PutLittleEndian(bytes, dataSize, 4);
    for (std::int16_t sample : samples)
        PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

} // namespace sounds
