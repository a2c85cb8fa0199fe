// The six sounds as the program carries them: well-formed WAV files that a player accepts,
// short, audible, clean at both ends, free of clipping and each its own sound.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const char* const kNames[] = {"START", "CARDDOWN", "CARDUP", "AUTOPLAY", "UNDO", "WIN"};

constexpr int kHeaderBytes = 44;
constexpr double kFullScale = 32767.0;

QByteArray LoadSound(const QString& name)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

uint32_t Le32(const QByteArray& b, int at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

uint16_t Le16(const QByteArray& b, int at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

struct Wave {
    uint32_t rate = 0;
    std::vector<int16_t> samples;
    double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

// Checks the header field by field and returns the samples.
Wave Parse(const QByteArray& b)
{
    Wave w;
    EXPECT_GE(b.size(), kHeaderBytes);
    if (b.size() < kHeaderBytes)
        return w;
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(Le32(b, 4), static_cast<uint32_t>(b.size() - 8));
    EXPECT_EQ(b.mid(8, 4), "WAVE");
    EXPECT_EQ(b.mid(12, 4), "fmt ");
    EXPECT_EQ(Le32(b, 16), 16u);
    EXPECT_EQ(Le16(b, 20), 1) << "PCM";
    EXPECT_EQ(Le16(b, 22), 1) << "mono";
    w.rate = Le32(b, 24);
    EXPECT_TRUE(w.rate == 44100 || w.rate == 22050) << w.rate;
    EXPECT_EQ(Le32(b, 28), w.rate * 2) << "byte rate";
    EXPECT_EQ(Le16(b, 32), 2) << "block align";
    EXPECT_EQ(Le16(b, 34), 16) << "bits";
    EXPECT_EQ(b.mid(36, 4), "data");
    const uint32_t dataBytes = Le32(b, 40);
    EXPECT_EQ(dataBytes, static_cast<uint32_t>(b.size() - kHeaderBytes));
    EXPECT_EQ(dataBytes % 2, 0u);
    for (int at = kHeaderBytes; at + 1 < b.size(); at += 2)
        w.samples.push_back(static_cast<int16_t>(Le16(b, at)));
    return w;
}

int Peak(const std::vector<int16_t>& s)
{
    int peak = 0;
    for (int16_t v : s)
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

// Sign changes per second: a rough measure of brightness. Broadband hiss crosses zero
// about half the sample rate; the program's sounds are meant to be soft and warm.
double CrossingsPerSecond(const Wave& w)
{
    int crossings = 0;
    for (size_t i = 1; i < w.samples.size(); ++i)
        crossings += (w.samples[i - 1] < 0) != (w.samples[i] < 0);
    return crossings / w.Seconds();
}

} // namespace

TEST(WaveData, EverySoundIsAWellFormedShortCleanMonoWave)
{
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        const QByteArray bytes = LoadSound(QString::fromLatin1(name));
        ASSERT_FALSE(bytes.isEmpty()) << "missing resource";
        const Wave w = Parse(bytes);
        ASSERT_FALSE(w.samples.empty());

        EXPECT_GE(w.Seconds(), 0.04);
        EXPECT_LE(w.Seconds(), 2.0);

        const int peak = Peak(w.samples);
        EXPECT_GE(peak, 0.15 * kFullScale) << "too quiet to hear";
        EXPECT_LE(peak, 0.7 * kFullScale) << "too loud or clipped";

        // Starting and ending at rest: no click when the sound starts or stops.
        EXPECT_LE(std::abs(w.samples.front()), 0.01 * kFullScale);
        EXPECT_LE(std::abs(w.samples.back()), 0.01 * kFullScale);

        EXPECT_LE(CrossingsPerSecond(w), 9000.0) << "harsh, hiss-like sound";
    }
}

TEST(WaveData, EachSoundIsItsOwn)
{
    std::vector<QByteArray> sounds;
    for (const char* name : kNames)
        sounds.push_back(LoadSound(QString::fromLatin1(name)));
    for (size_t a = 0; a < sounds.size(); ++a)
        for (size_t b = a + 1; b < sounds.size(); ++b)
            EXPECT_NE(sounds[a], sounds[b]) << kNames[a] << " and " << kNames[b];
}

TEST(WaveData, TapsAreQuickAndTheWinChimeRingsLongest)
{
    auto seconds = [](const char* name) { return Parse(LoadSound(QString::fromLatin1(name))).Seconds(); };
    // Heard on every press and release, so they must be over before the next click.
    EXPECT_LE(seconds("CARDDOWN"), 0.15);
    EXPECT_LE(seconds("CARDUP"), 0.15);
    EXPECT_LE(seconds("AUTOPLAY"), 0.25);
    for (const char* name : kNames)
        EXPECT_LE(seconds(name), seconds("WIN")) << name;
}
