#include "mwave.h"

#include <string_view>

namespace solvane::wave {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
constexpr uint32_t kFmtChunkSize = 16;
// "WAVE" + the fmt chunk with its header + the data chunk's header.
constexpr uint32_t kHeaderAfterRiff = 4 + (8 + kFmtChunkSize) + 8;

// WAV fields are little-endian whatever the machine.
void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>((v >> shift) & 0xFF));
}

void PutTag(std::vector<uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

} // namespace

std::vector<uint8_t> Encode(const std::vector<int16_t>& samples, int sampleRate)
{
    const auto dataBytes = static_cast<uint32_t>(samples.size() * kBlockAlign);
    const auto rate = static_cast<uint32_t>(sampleRate);

    std::vector<uint8_t> out;
    out.reserve(8 + kHeaderAfterRiff + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, kHeaderAfterRiff + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, kFmtChunkSize);
    Put16(out, kFormatPcm);
    Put16(out, kChannels);
    Put32(out, rate);
    Put32(out, rate * kBlockAlign);
    Put16(out, kBlockAlign);
    Put16(out, kBitsPerSample);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (int16_t s : samples)
        Put16(out, static_cast<uint16_t>(s));
    return out;
}

} // namespace solvane::wave
