// Build-time generator: renders the program's sounds into <folder>/<NAME>.wav, from which
// the build embeds them as resources. Each file is written beside its place and renamed
// over it, so an interrupted build never leaves a cut-short sound behind.
#include "msynth.h"
#include "mwave.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool WriteWhole(const std::filesystem::path& target, const std::vector<uint8_t>& bytes)
{
    std::filesystem::path temp = target;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temp, target, error);
    return !error;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (std::string_view name : solvane::synth::kSoundNames) {
        const auto bytes = solvane::wave::Encode(solvane::synth::Render(name), solvane::synth::kSampleRate);
        const auto target = folder / (std::string(name) + ".wav");
        if (!WriteWhole(target, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", target.string().c_str());
            return 1;
        }
    }
    return 0;
}
