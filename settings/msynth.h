#pragma once
// The program's six sounds, synthesised: no recording is shipped, the build renders them
// into WAV files that become the program's resources. Plain C++ so that the build's small
// generator needs no Qt.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace solvane::synth {

inline constexpr int kSampleRate = 44100;

// Resource names, as the settings store asks for them.
inline constexpr std::array<std::string_view, 6> kSoundNames{
    "START", "CARDDOWN", "CARDUP", "AUTOPLAY", "UNDO", "WIN"};

// Mono 16-bit samples at kSampleRate; empty for a name that is not one of kSoundNames.
// The same name always gives the same samples.
std::vector<int16_t> Render(std::string_view name);

} // namespace solvane::synth
