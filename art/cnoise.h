#pragma once
// Smooth pseudo-random fields that repeat over a whole number of lattice cells, the raw
// material of the background tiles: a tile built from them meets itself without a seam.
#include <cstdint>

namespace solvane {

class cNoise {
public:
    explicit cNoise(uint32_t seed) : seed_(seed) {}

    // Gradient noise at (x, y) on a lattice repeating every px by py cells; about -1..1.
    double Gradient(double x, double y, int px, int py) const;
    // Octaves of gradient noise over the unit square (u, v in 0..1), repeating at its edges:
    // the first octave has cx by cy cells, each further one twice as many and `gain` as
    // strong. Normalised to about -1..1.
    double Fbm(double u, double v, int cx, int cy, int octaves, double gain = 0.5) const;
    // Like Fbm, summing the magnitude of each octave: billowy, about 0..1.
    double Turbulence(double u, double v, int cx, int cy, int octaves) const;

    // Cellular field over the unit square with cx by cy cells, one feature point each:
    // distances (in cells) to the nearest and the second nearest point, and the nearest
    // point's cell as a number.
    struct Cells {
        double F1 = 0, F2 = 0;
        uint32_t Id = 0;
    };
    Cells Worley(double u, double v, int cx, int cy) const;

    // A hash of a lattice point in 0..1.
    double Hash01(int x, int y, uint32_t salt = 0) const;

private:
    uint32_t Hash(int x, int y, uint32_t salt) const;
    uint32_t seed_;
};

} // namespace solvane
