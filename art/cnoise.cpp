#include "cnoise.h"

#include <algorithm>
#include <cmath>

namespace solvane {

namespace {
constexpr double kTwoPi = 6.283185307179586;

int Wrap(int i, int period) { return ((i % period) + period) % period; }
double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double Lerp(double a, double b, double t) { return a + (b - a) * t; }
} // namespace

uint32_t cNoise::Hash(int x, int y, uint32_t salt) const
{
    uint32_t h = seed_ ^ (static_cast<uint32_t>(x) * 0x8DA6B343u) ^
                 (static_cast<uint32_t>(y) * 0xD8163841u) ^ (salt * 0xCB1AB31Fu);
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double cNoise::Hash01(int x, int y, uint32_t salt) const
{
    return (Hash(x, y, salt) >> 8) * (1.0 / 16777216.0);
}

double cNoise::Gradient(double x, double y, int px, int py) const
{
    px = std::max(1, px);
    py = std::max(1, py);
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    auto corner = [&](int dx, int dy) {
        const double angle = Hash01(Wrap(x0 + dx, px), Wrap(y0 + dy, py)) * kTwoPi;
        return std::cos(angle) * (fx - dx) + std::sin(angle) * (fy - dy);
    };
    const double u = Fade(fx), v = Fade(fy);
    // Unit gradients give at most about 0.7; scale to about -1..1.
    return 1.4 * Lerp(Lerp(corner(0, 0), corner(1, 0), u), Lerp(corner(0, 1), corner(1, 1), u), v);
}

double cNoise::Fbm(double u, double v, int cx, int cy, int octaves, double gain) const
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Gradient(u * cx, v * cy, cx, cy);
        norm += amp;
        amp *= gain;
        cx *= 2;
        cy *= 2;
    }
    return norm > 0 ? sum / norm : 0;
}

double cNoise::Turbulence(double u, double v, int cx, int cy, int octaves) const
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * std::abs(Gradient(u * cx, v * cy, cx, cy));
        norm += amp;
        amp *= 0.5;
        cx *= 2;
        cy *= 2;
    }
    return norm > 0 ? sum / norm : 0;
}

cNoise::Cells cNoise::Worley(double u, double v, int cx, int cy) const
{
    cx = std::max(1, cx);
    cy = std::max(1, cy);
    const double x = u * cx, y = v * cy;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    Cells c{1e9, 1e9, 0};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = Wrap(ix + dx, cx), gy = Wrap(iy + dy, cy);
            const double fx = ix + dx + Hash01(gx, gy, 1) - x;
            const double fy = iy + dy + Hash01(gx, gy, 2) - y;
            const double d = std::sqrt(fx * fx + fy * fy);
            if (d < c.F1) {
                c.F2 = c.F1;
                c.F1 = d;
                c.Id = static_cast<uint32_t>(gy * cx + gx);
            } else if (d < c.F2) {
                c.F2 = d;
            }
        }
    return c;
}

} // namespace solvane
