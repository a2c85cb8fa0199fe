#pragma once
// The classic 24-bit linear congruential runtime generator. Deal numbers depend on every
// bit of it, so it is implemented exactly rather than with <random>.
#include <cstdint>

namespace solvane {

class cRandom {
public:
    static constexpr uint32_t kInitialState = 0x50000;

    // A draw. A negative argument first resets the state from the argument's bits,
    // 0 repeats the last value, anything else (or no argument) advances.
    float Rnd();
    float Rnd(float x);

    // Mixes a number into the middle bits of the state without advancing it.
    void Randomize(double n);
    // Mixes the clock in: the seconds since midnight, as the runtime's timer gives them.
    void RandomizeTimer(float secondsSinceMidnight);

    uint32_t State() const { return state_; }
    void SetState(uint32_t s) { state_ = s & 0xFFFFFF; }

private:
    void Advance();
    void Mix(uint32_t h);
    float Value() const;

    uint32_t state_ = kInitialState;
};

} // namespace solvane
