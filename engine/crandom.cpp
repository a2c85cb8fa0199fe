#include "crandom.h"

#include <bit>
#include <cstring>

namespace solvane {

namespace {
constexpr uint32_t kMask24 = 0xFFFFFF;
constexpr uint32_t kMultiplier = 0x43FD43FD;
constexpr uint32_t kIncrement = 0xC39EC3;
}

void cRandom::Advance()
{
    state_ = static_cast<uint32_t>((uint64_t(state_) * kMultiplier + kIncrement) & kMask24);
}

float cRandom::Value() const { return static_cast<float>(state_) / 16777216.0f; }

float cRandom::Rnd()
{
    Advance();
    return Value();
}

float cRandom::Rnd(float x)
{
    if (x < 0) {
        const uint32_t b = std::bit_cast<uint32_t>(x);
        state_ = (b + (b >> 24)) & kMask24;
        Advance();
        return Value();
    }
    if (x == 0)
        return Value();
    return Rnd();
}

void cRandom::Mix(uint32_t h)
{
    const uint32_t v = ((h & 0xFFFF) << 8) ^ ((h >> 8) & 0xFFFF00);
    state_ = (state_ & 0xFF0000FF) | v;
}

void cRandom::Randomize(double n)
{
    const uint64_t bits = std::bit_cast<uint64_t>(n);
    Mix(static_cast<uint32_t>(bits >> 32));
}

void cRandom::RandomizeTimer(float secondsSinceMidnight)
{
    Mix(std::bit_cast<uint32_t>(secondsSinceMidnight));
}

} // namespace solvane
