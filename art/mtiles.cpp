#include "mtiles.h"

#include "cnoise.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace solvane {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 2 * kPi;

struct Rgb {
    double r = 0, g = 0, b = 0;
};
Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb operator*(Rgb a, double s) { return {a.r * s, a.g * s, a.b * s}; }
Rgb Mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return a * (1 - t) + b * t;
}
Rgb Shade(Rgb a, double s) { return a * (1 + s); }
double Frac(double x) { return x - std::floor(x); }
double Smooth(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// One pixel of a tile: u, v run over 0..1 across the tile; the size is in logical pixels
// for features that are measured in pixels (mortar, stars, threads).
struct Pixel {
    double u, v;
    double w, h;
};
using Shader = std::function<Rgb(const Pixel&)>;

struct TileDef {
    int Id;
    int Width, Height;
    Shader Paint;
};

// ---- Bricks: running bond, each brick its own shade, rough mortar.
struct BrickStyle {
    int perRow, rows;
    Rgb brick, mortar;
    double spread;  // brick-to-brick variation
    double mortarPx;
    uint32_t seed;
};

Shader Bricks(BrickStyle s)
{
    return [s](const Pixel& px) {
        const cNoise n(s.seed);
        const double rowF = px.v * s.rows;
        const int row = static_cast<int>(std::floor(rowF));
        const double colF = px.u * s.perRow + (row % 2 ? 0.5 : 0.0);
        const int col = static_cast<int>(std::floor(colF)) % s.perRow;
        const double bw = px.w / s.perRow, bh = px.h / s.rows;
        const double fx = Frac(colF), fy = Frac(rowF);
        const double edge = std::min(std::min(fx, 1 - fx) * bw, std::min(fy, 1 - fy) * bh);
        const double rough = n.Fbm(px.u, px.v, 16, 16, 3) * 0.8;
        const double inMortar = 1 - Smooth(s.mortarPx / 2 - 0.6, s.mortarPx / 2 + 0.6, edge + rough);
        const double tone = (n.Hash01(col, row, 7) - 0.5) * s.spread;
        const double grain = n.Fbm(px.u, px.v, 24, 24, 3) * 0.10 + (n.Hash01(int(px.u * 400), int(px.v * 400), 3) - 0.5) * 0.05;
        // A brick is a little lighter at its top edge and darker at its bottom one.
        const double bevel = (0.5 - fy) * 0.10 * Smooth(0, 3, edge);
        const Rgb brick = Shade(s.brick, tone + grain + bevel);
        const Rgb mortar = Shade(s.mortar, n.Fbm(px.u, px.v, 32, 32, 2) * 0.12);
        return Mix(brick, mortar, inMortar);
    };
}

// ---- Marbles: veins bent by turbulence.
Shader Marble(Rgb base, Rgb vein, Rgb cloud, int kx, int ky, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        // Broad, gently bent bands with a few sharp veins along them and finer ones between.
        const double warp = n.Fbm(px.u, px.v, 2, 2, 5, 0.55);
        const double s = std::sin(kTwoPi * (kx * px.u + ky * px.v) + 5.0 * warp);
        const double veins = std::pow(1 - std::abs(s), 12.0);
        const double s2 = std::sin(kTwoPi * (2 * ky * px.u - kx * px.v) + 7.0 * n.Fbm(px.u, px.v, 3, 3, 4));
        const double fine = std::pow(1 - std::abs(s2), 30.0) * 0.45;
        const double clouds = n.Fbm(px.u, px.v, 3, 3, 4) * 0.5 + 0.5;
        Rgb c = Mix(base, cloud, clouds * 0.5);
        c = Mix(c, vein, std::min(1.0, veins * 0.9 + fine));
        return Shade(c, n.Fbm(px.u, px.v, 24, 24, 2) * 0.025);
    };
}

// ---- Paper: mottled pulp with fibres running every way.
struct PaperStyle {
    Rgb base, dark;
    double mottle, fibres, specks, laid;
    uint32_t seed;
};

Shader Paper(PaperStyle s)
{
    return [s](const Pixel& px) {
        const cNoise n(s.seed);
        const double mottle = n.Fbm(px.u, px.v, 4, 4, 5);
        // Fibres: noise stretched along the two diagonals.
        const double a = px.u + px.v, b = px.u - px.v;
        const double f1 = 1 - std::abs(n.Gradient(a * 40, b * 3, 40, 3));
        const double f2 = 1 - std::abs(n.Gradient(a * 3 + 7, b * 40, 3, 40));
        const double fibre = std::pow(std::max(f1, f2), 18.0);
        const double speck = n.Hash01(int(px.u * px.w * 1.5), int(px.v * px.h * 1.5), 5) > 0.995 ? 1.0 : 0.0;
        const double laid = s.laid * std::pow(std::abs(std::sin(kPi * px.v * px.h / 3.0)), 6.0);
        Rgb c = Shade(s.base, mottle * s.mottle - laid);
        c = Mix(c, Shade(s.base, 0.08), fibre * s.fibres);
        c = Mix(c, s.dark, speck * s.specks);
        return Shade(c, (n.Hash01(int(px.u * px.w * 2), int(px.v * px.h * 2), 9) - 0.5) * 0.025);
    };
}

// ---- Rocks.
Shader Granite(Rgb base, Rgb dark, Rgb light, Rgb feldspar, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double grain = n.Fbm(px.u, px.v, 20, 20, 3);
        const double big = n.Fbm(px.u, px.v, 5, 5, 3);
        Rgb c = Shade(base, big * 0.08);
        const double d = n.Fbm(px.u + 0.31, px.v + 0.17, 26, 26, 2);
        if (grain > 0.28)
            c = Mix(c, dark, Smooth(0.28, 0.36, grain));
        if (d < -0.30)
            c = Mix(c, light, Smooth(-0.30, -0.38, d));
        if (d > 0.34)
            c = Mix(c, feldspar, Smooth(0.34, 0.42, d) * 0.8);
        return c;
    };
}

Shader Layered(Rgb a, Rgb b, Rgb c3, int layers, double warp, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double w = n.Fbm(px.u, px.v, 3, 3, 4) * warp;
        const double t = Frac(px.v * layers + w);
        Rgb c = t < 0.5 ? Mix(a, b, t * 2) : Mix(b, c3, (t - 0.5) * 2);
        const double grain = n.Fbm(px.u, px.v, 32, 32, 2) * 0.06;
        const double flakes = n.Fbm(px.u, px.v, 12, 3, 3) * 0.06;
        return Shade(c, grain + flakes);
    };
}

Shader Pebbles(Rgb grout, std::vector<Rgb> stones, int cells, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double jitterU = n.Fbm(px.u, px.v, 8, 8, 2) * 0.01;
        const cNoise::Cells w = n.Worley(px.u + jitterU, px.v, cells, cells);
        const double gap = w.F2 - w.F1;
        const Rgb stone = stones[w.Id % stones.size()];
        // Stones are rounded: lighter at their middle, darker near the joints.
        const double dome = 0.18 * (0.5 - w.F1);
        const Rgb c = Shade(stone, dome + n.Fbm(px.u, px.v, 24, 24, 3) * 0.07 +
                                       (n.Hash01(int(w.Id), 0, 4) - 0.5) * 0.18);
        return Mix(grout, c, Smooth(0.05, 0.13, gap));
    };
}

// ---- Stars: scattered points of light over a dark sky, with optional clouds and flares.
struct SkyStyle {
    Rgb top, nebulaA, nebulaB;
    double nebula;
    int bigCells, smallCells;
    double flares;
    uint32_t seed;
};

double StarLayer(const cNoise& n, const Pixel& px, int cells, double radiusPx, double chance,
                 double flares, uint32_t salt)
{
    const double x = px.u * cells, y = px.v * cells;
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    const double cellPx = px.w / cells;
    double light = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = ((ix + dx) % cells + cells) % cells, gy = ((iy + dy) % cells + cells) % cells;
            if (n.Hash01(gx, gy, salt) > chance)
                continue;
            const double sx = (ix + dx + n.Hash01(gx, gy, salt + 1) - x) * cellPx;
            const double sy = (iy + dy + n.Hash01(gx, gy, salt + 2) - y) * cellPx;
            const double bright = 0.35 + 0.65 * std::pow(n.Hash01(gx, gy, salt + 3), 2.0);
            const double r = radiusPx * (0.6 + 0.8 * n.Hash01(gx, gy, salt + 4));
            const double d2 = (sx * sx + sy * sy) / (r * r);
            light += bright * std::exp(-d2);
            if (flares > 0 && bright > 0.7) {
                const double spike = std::exp(-std::abs(sx) / (0.35 * r)) * std::exp(-std::abs(sy) / (3 * r)) +
                                     std::exp(-std::abs(sy) / (0.35 * r)) * std::exp(-std::abs(sx) / (3 * r));
                light += flares * bright * spike * 0.6;
            }
        }
    return light;
}

Shader Sky(SkyStyle s)
{
    return [s](const Pixel& px) {
        const cNoise n(s.seed);
        Rgb c = Shade(s.top, n.Fbm(px.u, px.v, 3, 3, 3) * 0.25);
        if (s.nebula > 0) {
            const double cloud = std::max(0.0, n.Fbm(px.u, px.v, 3, 3, 6) + 0.1);
            const double hue = n.Fbm(px.u + 0.5, px.v, 2, 2, 3) * 0.5 + 0.5;
            c = c + Mix(s.nebulaA, s.nebulaB, hue) * (cloud * s.nebula);
        }
        const double stars = StarLayer(n, px, s.bigCells, 0.9, 0.55, s.flares, 10) +
                             0.55 * StarLayer(n, px, s.smallCells, 0.5, 0.5, 0, 20);
        const Rgb starLight{255, 250, 235};
        return Mix(c, starLight, std::min(1.0, stars));
    };
}

// ---- Surfaces.
Shader Felt(Rgb base, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double fuzz = n.Fbm(px.u, px.v, 40, 40, 3) * 0.07;
        const double cloud = n.Fbm(px.u, px.v, 4, 4, 3) * 0.05;
        const double fleck = (n.Hash01(int(px.u * px.w * 2), int(px.v * px.h * 2), 1) - 0.5) * 0.06;
        return Shade(base, fuzz + cloud + fleck);
    };
}

Shader Leather(Rgb base, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const cNoise::Cells w = n.Worley(px.u, px.v, 18, 18);
        const double crease = 1 - Smooth(0.0, 0.18, w.F2 - w.F1);
        const double pebble = 0.08 * (0.5 - w.F1);
        return Shade(base, pebble - 0.25 * crease + n.Fbm(px.u, px.v, 5, 5, 3) * 0.08);
    };
}

Shader Canvas(Rgb base, int threads, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double x = px.u * threads, y = px.v * threads;
        const int cx = int(std::floor(x)), cy = int(std::floor(y));
        // Plain weave: warp over weft on alternate crossings.
        const bool warpOnTop = (cx + cy) % 2 == 0;
        const double across = warpOnTop ? Frac(x) : Frac(y);
        const double along = warpOnTop ? Frac(y) : Frac(x);
        const double round = std::sin(kPi * across);
        const double bow = 0.6 + 0.4 * std::sin(kPi * along);
        const double slub = n.Fbm(px.u, px.v, 12, 12, 2) * 0.06;
        return Shade(base, (round * bow - 0.75) * 0.35 + slub);
    };
}

Shader Brushed(Rgb base, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double streak = n.Fbm(px.u, px.v, 2, 90, 3) * 0.10 + n.Fbm(px.u, px.v, 6, 180, 2) * 0.05;
        const double sheen = 0.06 * std::sin(kTwoPi * (px.u + 0.25));
        return Shade(base, streak + sheen);
    };
}

Shader Cork(Rgb base, Rgb dark, Rgb light, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const cNoise::Cells w = n.Worley(px.u, px.v, 30, 30);
        const double granule = n.Hash01(int(w.Id), 0, 8);
        Rgb c = granule < 0.3 ? dark : granule > 0.8 ? light : base;
        c = Mix(c, dark, 0.6 * (1 - Smooth(0.02, 0.10, w.F2 - w.F1)));
        return Shade(c, n.Fbm(px.u, px.v, 40, 40, 2) * 0.08);
    };
}

// ---- Water.
Shader Caustics(Rgb deep, Rgb light, int cells, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double du = n.Fbm(px.u, px.v, 3, 3, 3) * 0.04, dv = n.Fbm(px.u + 0.5, px.v, 3, 3, 3) * 0.04;
        const cNoise::Cells w = n.Worley(px.u + du, px.v + dv, cells, cells);
        const double net = std::pow(1 - Smooth(0.0, 0.22, w.F2 - w.F1), 2.0);
        const Rgb c = Shade(deep, n.Fbm(px.u, px.v, 2, 2, 3) * 0.15);
        return Mix(c, light, net * 0.75);
    };
}

Shader Waves(Rgb trough, Rgb crest, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        const double warp = n.Fbm(px.u, px.v, 3, 3, 4) * 1.2;
        const double h = 0.5 * std::sin(kTwoPi * (1 * px.u + 4 * px.v) + warp) +
                         0.3 * std::sin(kTwoPi * (-2 * px.u + 7 * px.v) + 1.7 * warp) +
                         0.2 * std::sin(kTwoPi * (3 * px.u + 11 * px.v) + 2.3 * warp);
        const double t = h * 0.5 + 0.5;
        const Rgb c = Mix(trough, crest, t * t);
        const double glint = std::pow(Smooth(0.82, 1.0, t), 2.0) * 0.5;
        return Mix(c, Rgb{235, 245, 255}, glint);
    };
}

Shader Rings(Rgb water, Rgb ring, int drops, double ringPx, uint32_t seed)
{
    return [=](const Pixel& px) {
        const cNoise n(seed);
        Rgb c = Shade(water, n.Fbm(px.u, px.v, 3, 3, 3) * 0.12);
        double wave = 0;
        for (int i = 0; i < drops; ++i) {
            // Distance on the torus, so rings continue across the tile's edges.
            double dx = std::abs(px.u - n.Hash01(i, 0, 30)), dy = std::abs(px.v - n.Hash01(i, 0, 31));
            dx = std::min(dx, 1 - dx) * px.w;
            dy = std::min(dy, 1 - dy) * px.h;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double reach = ringPx * (4 + 4 * n.Hash01(i, 0, 32));
            wave += std::sin(kTwoPi * d / ringPx) * std::exp(-d / reach) * Smooth(0, ringPx * 0.5, d);
        }
        c = Mix(c, ring, std::max(0.0, wave) * 0.55);
        return Mix(c, Shade(water, -0.25), std::max(0.0, -wave) * 0.5);
    };
}

// ---- Wood: planks with growth rings and fine fibres.
struct WoodStyle {
    Rgb early, late;
    int planks;
    double rings;
    uint32_t seed;
};

Shader Wood(WoodStyle s)
{
    return [s](const Pixel& px) {
        const cNoise n(s.seed);
        const double plankF = px.v * s.planks;
        const int plank = int(std::floor(plankF));
        const double inPlank = Frac(plankF);
        const double shift = n.Hash01(plank, 0, 40);
        const double warp = n.Fbm(px.u, px.v, 2, 6, 4) * 1.6;
        const double ring = Frac((inPlank + shift) * s.rings + warp + std::sin(kTwoPi * px.u) * 0.35 * shift);
        const double late = Smooth(0.55, 0.85, ring) * (1 - Smooth(0.9, 1.0, ring));
        const double fibre = n.Fbm(px.u, px.v, 6, 120, 2) * 0.06;
        Rgb c = Mix(s.early, s.late, late);
        c = Shade(c, fibre + (shift - 0.5) * 0.12);
        // Dark seams between the planks and one butt joint per plank.
        const double plankPx = px.h / s.planks;
        const double seam = std::min(inPlank, 1 - inPlank) * plankPx;
        const double f = Frac(px.u - n.Hash01(plank, 1, 41));
        const double joint = std::min(f, 1 - f) * px.w;
        const double dark = std::max(1 - Smooth(0.3, 1.2, seam), 1 - Smooth(0.3, 1.0, joint));
        return Mix(c, Shade(s.late, -0.45), dark * 0.85);
    };
}

const std::vector<TileDef>& Tiles()
{
    static const std::vector<TileDef> tiles{
        {1, 160, 96, Bricks({4, 6, {152, 62, 44}, {196, 190, 178}, 0.22, 3.0, 101})},
        {2, 150, 96, Bricks({3, 6, {198, 163, 104}, {122, 116, 104}, 0.16, 2.5, 102})},
        {3, 160, 96, Bricks({4, 6, {96, 52, 38}, {64, 62, 60}, 0.25, 2.5, 103})},
        {4, 180, 120, Bricks({3, 4, {146, 146, 140}, {86, 86, 84}, 0.20, 3.0, 104})},
        {5, 160, 96, Bricks({4, 6, {228, 225, 216}, {168, 165, 156}, 0.06, 3.0, 105})},

        {11, 160, 160, Marble({234, 232, 228}, {110, 112, 120}, {205, 205, 210}, 1, 2, 111)},
        {12, 160, 160, Marble({28, 86, 62}, {205, 232, 214}, {14, 56, 40}, 2, 1, 112)},
        {13, 160, 160, Marble({26, 25, 30}, {205, 162, 72}, {50, 46, 54}, 1, 1, 113)},

        {21, 128, 128, Paper({{236, 221, 184}, {150, 120, 80}, 0.07, 0.25, 0.3, 0, 121})},
        {22, 128, 128, Paper({{247, 245, 239}, {180, 180, 180}, 0.02, 0.15, 0.0, 0.02, 122})},
        {23, 128, 128, Paper({{201, 196, 182}, {70, 66, 60}, 0.05, 0.25, 0.9, 0, 123})},
        {24, 128, 128, Paper({{168, 189, 214}, {90, 110, 140}, 0.04, 0.30, 0.2, 0, 124})},
        {25, 128, 128, Paper({{241, 236, 224}, {200, 190, 170}, 0.03, 0.8, 0.0, 0, 125})},

        {31, 160, 160, Granite({160, 158, 156}, {40, 40, 44}, {232, 230, 226}, {190, 140, 130}, 131)},
        {32, 160, 160, Layered({214, 168, 112}, {190, 128, 76}, {226, 190, 140}, 5, 0.8, 132)},
        {33, 160, 160, Layered({62, 70, 82}, {48, 54, 66}, {74, 82, 94}, 7, 0.5, 133)},
        {34, 160, 160,
         Pebbles({58, 52, 46}, {{150, 140, 128}, {120, 112, 104}, {170, 158, 140}, {132, 124, 120}, {108, 100, 90}}, 6, 134)},

        {41, 200, 200, Sky({{6, 9, 24}, {0, 0, 0}, {0, 0, 0}, 0, 9, 24, 0, 141})},
        {42, 200, 200, Sky({{10, 6, 26}, {110, 40, 120}, {30, 70, 150}, 0.55, 8, 22, 0, 142})},
        {43, 200, 200, Sky({{8, 16, 44}, {0, 0, 0}, {0, 0, 0}, 0, 7, 18, 1.0, 143})},

        {51, 120, 120, Felt({22, 102, 48}, 151)},
        {52, 140, 140, Leather({112, 66, 36}, 152)},
        {53, 120, 120, Canvas({206, 190, 156}, 40, 153)},
        {54, 160, 160, Brushed({150, 156, 162}, 154)},
        {55, 140, 140, Cork({176, 126, 76}, {120, 78, 42}, {206, 162, 110}, 155)},

        {61, 160, 160, Caustics({26, 112, 178}, {170, 225, 250}, 6, 161)},
        {62, 160, 160, Waves({8, 40, 84}, {40, 100, 150}, 162)},
        {63, 160, 160, Caustics({18, 134, 140}, {150, 235, 220}, 5, 163)},
        {64, 160, 160, Rings({30, 90, 150}, {130, 190, 230}, 1, 9.0, 164)},
        {65, 160, 160, Rings({28, 76, 120}, {120, 170, 210}, 6, 5.0, 165)},

        {71, 200, 120, Wood({{196, 150, 96}, {150, 104, 60}, 3, 2.5, 171})},
        {72, 200, 120, Wood({{132, 56, 36}, {92, 34, 22}, 4, 3.5, 172})},
        {73, 200, 160, Wood({{232, 200, 140}, {196, 146, 84}, 4, 1.8, 173})},
    };
    return tiles;
}

const TileDef* Find(int id)
{
    const auto& tiles = Tiles();
    const auto it = std::find_if(tiles.begin(), tiles.end(), [id](const TileDef& t) { return t.Id == id; });
    return it == tiles.end() ? nullptr : &*it;
}

int ToByte(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }
} // namespace

QSize TileSize(int id)
{
    const TileDef* t = Find(id);
    return t ? QSize(t->Width, t->Height) : QSize();
}

QImage PaintTile(int id, qreal ratio)
{
    const TileDef* t = Find(id);
    if (!t || !(ratio > 0))
        return {};
    const int w = static_cast<int>(std::lround(t->Width * ratio));
    const int h = static_cast<int>(std::lround(t->Height * ratio));
    QImage img(w, h, QImage::Format_RGB32);
    // Half a level of dither keeps dark, smooth tiles from showing bands of equal colour.
    const cNoise dither(1);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const Rgb c = t->Paint({(x + 0.5) / w, (y + 0.5) / h, double(t->Width), double(t->Height)});
            const double d = dither.Hash01(x, y) - 0.5;
            line[x] = qRgb(ToByte(c.r + d), ToByte(c.g + d), ToByte(c.b + d));
        }
    }
    img.setDevicePixelRatio(static_cast<double>(w) / t->Width);
    return img;
}

} // namespace solvane
