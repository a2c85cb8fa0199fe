#pragma once
// Rounding and 16-bit arithmetic shared by the engine.
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace solvane {

// Halves go to the even neighbour (the default IEEE rounding mode).
inline double RoundHalfEven(double v) { return std::nearbyint(v); }

// Numbers of the board are 16-bit: a result outside that range is an error, never a wrap.
inline int16_t Checked16(long long v)
{
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        throw std::overflow_error("16-bit overflow");
    return static_cast<int16_t>(v);
}

inline int16_t Round16(double v)
{
    double r = RoundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw std::overflow_error("16-bit overflow");
    return static_cast<int16_t>(r);
}

} // namespace solvane
