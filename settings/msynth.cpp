#include "msynth.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace solvane::synth {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kSampleRate;

// Loudness of each sound after normalising, as a fraction of full scale. The taps are
// heard dozens of times a game, so they stay quiet; nothing comes near clipping.
constexpr double kPeakCardDown = 0.32;
constexpr double kPeakCardUp = 0.40;
constexpr double kPeakFlick = 0.36;
constexpr double kPeakSwish = 0.30;
constexpr double kPeakRiffle = 0.42;
constexpr double kPeakChime = 0.42;

// Where each sound's top end is rolled off, in Hz.
constexpr double kCutoffTap = 5000.0;
constexpr double kCutoffFlick = 6500.0;
constexpr double kCutoffSwish = 4500.0;
constexpr double kCutoffRiffle = 6000.0;
constexpr double kCutoffChime = 9000.0;

constexpr double kFadeIn = 0.001;       // seconds; keeps the first sample silent
constexpr double kFadeOutShort = 0.008; // seconds; for sounds that have died away already
constexpr double kDcBlockPole = 0.995;  // about 35 Hz at 44.1 kHz

using Buffer = std::vector<double>;

size_t SamplesFor(double seconds) { return static_cast<size_t>(std::lround(seconds * kRate)); }

// White noise from a fixed seed, so that every build renders the same sounds.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double Next() // in [-1, 1)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }
    double Between(double low, double high) { return low + (high - low) * (Next() + 1.0) / 2.0; }

private:
    uint32_t state_;
};

// Band-pass biquad with 0 dB gain at its centre; the centre may be moved per sample for
// sweeps.
class BandPass {
public:
    void Tune(double centre, double q)
    {
        const double w0 = 2.0 * kPi * centre / kRate;
        const double alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w0) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double Step(double x)
    {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Low-pass biquad (Butterworth): the sounds' top end is rolled off so that nothing hisses.
class LowPass {
public:
    explicit LowPass(double cutoff)
    {
        constexpr double kButterworthQ = 0.7071;
        const double w0 = 2.0 * kPi * cutoff / kRate;
        const double alpha = std::sin(w0) / (2.0 * kButterworthQ);
        const double a0 = 1.0 + alpha;
        b1_ = (1.0 - std::cos(w0)) / a0;
        b0_ = b1_ / 2.0;
        a1_ = -2.0 * std::cos(w0) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double Step(double x)
    {
        const double y = b0_ * (x + x2_) + b1_ * x1_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b1_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One tap of card on card or on the cloth: a short filtered noise burst for the paper's
// click and a low decaying tone for the body of the thud.
struct TapShape {
    double centre;      // Hz, the colour of the click
    double q;
    double clickDecay;  // seconds
    double thumpFreq;   // Hz, falls by a third during the thump
    double thumpDecay;  // seconds
    double thumpLevel;  // relative to the click
    double length;      // seconds rendered
};

void AddTap(Buffer& buf, double at, double level, const TapShape& shape, Noise& noise)
{
    constexpr double kAttack = 0.0004;
    constexpr double kThumpDrop = 0.33;
    BandPass filter;
    filter.Tune(shape.centre, shape.q);
    const size_t start = SamplesFor(at);
    const size_t count = SamplesFor(shape.length);
    double phase = 0.0;
    for (size_t i = 0; i < count && start + i < buf.size(); ++i) {
        const double t = i / kRate;
        const double rise = 1.0 - std::exp(-t / kAttack);
        const double click = filter.Step(noise.Next()) * std::exp(-t / shape.clickDecay);
        const double freq = shape.thumpFreq * (1.0 - kThumpDrop * (1.0 - std::exp(-t / shape.thumpDecay)));
        phase += 2.0 * kPi * freq / kRate;
        const double thump = shape.thumpLevel * std::sin(phase) * std::exp(-t / shape.thumpDecay);
        buf[start + i] += level * rise * (click + thump);
    }
}

// Filtered noise whose band moves from one centre to another (exponentially, as the ear
// hears pitch), shaped by an envelope over the position 0..1.
void AddSweep(Buffer& buf, double at, double length, double fromHz, double toHz, double q,
              const std::function<double(double)>& envelope, Noise& noise)
{
    BandPass first;
    BandPass second; // two in series give a smoother, less hissy band
    const size_t start = SamplesFor(at);
    const size_t count = SamplesFor(length);
    for (size_t i = 0; i < count && start + i < buf.size(); ++i) {
        const double u = static_cast<double>(i) / count;
        const double centre = fromHz * std::pow(toHz / fromHz, u);
        first.Tune(centre, q);
        second.Tune(centre, q);
        buf[start + i] += envelope(u) * second.Step(first.Step(noise.Next()));
    }
}

// A struck bar: a few partials, each dying away at its own rate.
struct Partial {
    double ratio;
    double level;
    double decay; // seconds
};

void AddBell(Buffer& buf, double at, double freq, double level, double decayScale)
{
    constexpr double kAttack = 0.004;
    // Harmonic partials keep it sweet; the faint 2.76 one gives the struck "ting".
    constexpr std::array<Partial, 4> kPartials{{
        {1.0, 1.0, 0.45}, {2.0, 0.16, 0.18}, {3.0, 0.04, 0.09}, {2.76, 0.05, 0.05}}};
    const size_t start = SamplesFor(at);
    for (size_t i = start; i < buf.size(); ++i) {
        const double t = (i - start) / kRate;
        const double rise = std::min(1.0, t / kAttack);
        double v = 0.0;
        for (const Partial& p : kPartials)
            v += p.level * std::sin(2.0 * kPi * freq * p.ratio * t) * std::exp(-t / (p.decay * decayScale));
        buf[i] += level * rise * v;
    }
}

// Rolls off the top above the cutoff (steeply, two stages) and removes any offset, fades
// both ends so that nothing clicks, and scales the loudest sample to the wanted peak.
std::vector<int16_t> Finish(Buffer buf, double peak, double fadeOut, double cutoff)
{
    LowPass first(cutoff);
    LowPass second(cutoff);
    double prevIn = 0.0;
    double prevOut = 0.0;
    for (double& v : buf) {
        const double soft = second.Step(first.Step(v));
        const double out = soft - prevIn + kDcBlockPole * prevOut;
        prevIn = soft;
        prevOut = out;
        v = out;
    }
    const size_t inCount = std::min(buf.size(), SamplesFor(kFadeIn));
    for (size_t i = 0; i < inCount; ++i)
        buf[i] *= static_cast<double>(i) / inCount;
    const size_t outCount = std::min(buf.size(), SamplesFor(fadeOut));
    for (size_t i = 0; i < outCount; ++i) {
        const double u = static_cast<double>(i + 1) / outCount; // 1 at the last sample
        buf[buf.size() - outCount + i] *= 0.5 * (1.0 + std::cos(kPi * u));
    }

    double loudest = 0.0;
    for (double v : buf)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
    std::vector<int16_t> out;
    out.reserve(buf.size());
    for (double v : buf)
        out.push_back(static_cast<int16_t>(std::clamp(std::lround(v * scale), -32767L, 32767L)));
    return out;
}

// Pressing on a card: the light tick of a card lifted off the pile.
std::vector<int16_t> CardDown()
{
    constexpr TapShape kLift{2600.0, 1.2, 0.0035, 330.0, 0.006, 0.30, 0.060};
    Noise noise(0x1F2E3D4Cu);
    Buffer buf(SamplesFor(0.065));
    AddTap(buf, 0.0, 1.0, kLift, noise);
    return Finish(std::move(buf), kPeakCardDown, kFadeOutShort, kCutoffTap);
}

// Letting go: the card lands with a little more body, and settles a moment later.
std::vector<int16_t> CardUp()
{
    constexpr TapShape kLand{1500.0, 0.9, 0.0065, 170.0, 0.012, 0.55, 0.080};
    constexpr TapShape kSettle{2100.0, 1.1, 0.003, 210.0, 0.006, 0.25, 0.040};
    Noise noise(0x5A6B7C8Du);
    Buffer buf(SamplesFor(0.095));
    AddTap(buf, 0.0, 1.0, kLand, noise);
    AddTap(buf, 0.011, 0.3, kSettle, noise);
    return Finish(std::move(buf), kPeakCardUp, kFadeOutShort, kCutoffTap);
}

// A card flicked to the foundation: a quick rising whisk, then it lands.
std::vector<int16_t> Flick()
{
    constexpr double kWhisk = 0.070;
    constexpr TapShape kLand{2200.0, 1.1, 0.004, 260.0, 0.007, 0.35, 0.050};
    Noise noise(0x13579BDFu);
    Buffer buf(SamplesFor(0.135));
    AddSweep(buf, 0.0, kWhisk, 1400.0, 4200.0, 1.4,
             [](double u) { return std::pow(std::sin(kPi * std::sqrt(u)), 2.0); }, noise);
    AddTap(buf, kWhisk + 0.004, 0.45, kLand, noise);
    return Finish(std::move(buf), kPeakFlick, kFadeOutShort, kCutoffFlick);
}

// Taking a move back: a soft falling swish, quickest at the start, trailing off.
std::vector<int16_t> Swish()
{
    constexpr double kLength = 0.24;
    Noise noise(0x2468ACE0u);
    Buffer buf(SamplesFor(kLength + 0.01));
    AddSweep(buf, 0.0, kLength, 3200.0, 700.0, 1.3,
             [](double u) { return std::pow(std::sin(kPi * std::sqrt(u)), 2.0); }, noise);
    return Finish(std::move(buf), kPeakSwish, kFadeOutShort, kCutoffSwish);
}

// Shuffling: the two halves riffle together (a flutter of tiny clicks that speeds up
// and slows down again over a soft rustle), then the pack is squared with one tap.
std::vector<int16_t> Riffle()
{
    constexpr int kClicks = 40;
    constexpr double kFirstClick = 0.03;
    constexpr double kFastest = 0.011;   // seconds between clicks in the middle
    constexpr double kSlowdown = 0.009;  // added at both ends
    constexpr double kJitter = 0.2;
    constexpr double kRustleLevel = 0.10;
    constexpr double kSquareGap = 0.07;
    constexpr TapShape kSquare{900.0, 0.8, 0.008, 140.0, 0.016, 0.7, 0.10};

    Noise noise(0x0BADCAFEu);
    Buffer buf(SamplesFor(0.90));
    double at = kFirstClick;
    for (int i = 0; i < kClicks; ++i) {
        const double x = 2.0 * i / (kClicks - 1) - 1.0; // -1 .. 1 across the riffle
        const TapShape click{noise.Between(2200.0, 4200.0), 1.5, 0.0025, 0.0, 0.001, 0.0, 0.012};
        const double level = (0.6 + 0.4 * (1.0 - x * x)) * noise.Between(0.75, 1.0);
        AddTap(buf, at, level, click, noise);
        at += (kFastest + kSlowdown * x * x) * (1.0 + kJitter * noise.Next());
    }
    const double riffleEnd = at;
    AddSweep(buf, kFirstClick, riffleEnd - kFirstClick, 1800.0, 2600.0, 0.7,
             [](double u) { return kRustleLevel * std::pow(std::sin(kPi * u), 2.0); }, noise);
    AddTap(buf, riffleEnd + kSquareGap, 1.2, kSquare, noise);
    return Finish(std::move(buf), kPeakRiffle, kFadeOutShort, kCutoffRiffle);
}

// A won game: four notes of a major chord rising on a small glockenspiel.
std::vector<int16_t> Chime()
{
    constexpr std::array<double, 4> kNotes{1046.50, 1318.51, 1567.98, 2093.00}; // C E G C
    constexpr double kStep = 0.11;
    constexpr double kLastRing = 1.5; // the top note rings longer
    constexpr double kLength = 1.8;
    constexpr double kFadeOut = 0.25;
    Buffer buf(SamplesFor(kLength));
    for (size_t n = 0; n < kNotes.size(); ++n) {
        const bool last = n + 1 == kNotes.size();
        AddBell(buf, n * kStep, kNotes[n], last ? 0.9 : 0.75, last ? kLastRing : 1.0);
    }
    return Finish(std::move(buf), kPeakChime, kFadeOut, kCutoffChime);
}

} // namespace

std::vector<int16_t> Render(std::string_view name)
{
    if (name == "START")
        return Riffle();
    if (name == "CARDDOWN")
        return CardDown();
    if (name == "CARDUP")
        return CardUp();
    if (name == "AUTOPLAY")
        return Flick();
    if (name == "UNDO")
        return Swish();
    if (name == "WIN")
        return Chime();
    return {};
}

} // namespace solvane::synth
