#pragma once
// The canonical 44-byte-header WAV form of mono 16-bit PCM samples.
#include <cstdint>
#include <vector>

namespace solvane::wave {

std::vector<uint8_t> Encode(const std::vector<int16_t>& samples, int sampleRate);

} // namespace solvane::wave
