// make-sounds: synthesises the game's four sounds and writes them as WAV files.
//
//   build/make-sounds [ROOT]    writes ROOT/app/resources/sounds/move.wav, capture.wav, check.wav
//                               and game-end.wav (ROOT: the source tree this program was built from)
//
// Run it by hand after changing a sound and commit its output; the build never runs it. The same
// bytes come out on every run and every machine (tools/sound_synthesis.h says why), and a test holds
// the committed files to them.

#include "tools/sound_synthesis.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char* argv[])
{
    const std::filesystem::path root = argc > 1 ? argv[1] : ZUGWERK_SOURCE_DIR;
    const std::filesystem::path folder = root / "app" / "resources" / "sounds";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "make-sounds: cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    for (const sounds::SoundFile& sound : sounds::SoundFiles) {
        const std::filesystem::path path = folder / sound.Name;
        const std::vector<std::int16_t> samples = sound.Synthesise();
        const std::string bytes = sounds::WavFile(samples);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "make-sounds: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %.3f s, %zu bytes\n", path.c_str(), static_cast<double>(samples.size()) / sounds::SampleRate,
            bytes.size());
    }
    return 0;
}
