#include "mcolortable.h"

#include <algorithm>
#include <array>

namespace solvane {

namespace {
struct Entry {
    const char* Name;
    int R, G, B;
};

constexpr std::array<Entry, kLastColorIndex - kFirstColorIndex + 1> kTable{{
    {"Blue", 0, 0, 255},
    {"Brown", 165, 42, 42},
    {"Chocolate", 210, 105, 30},
    {"Corn Flower", 100, 149, 237},
    {"Crimson", 220, 20, 60},
    {"Dark Blue", 0, 0, 139},
    {"Dark Green", 0, 100, 0},
    {"Dark Magenta", 139, 0, 139},
    {"Dark Olive Green", 85, 107, 47},
    {"Dark Red", 139, 0, 0},
    {"Dark Slate Blue", 72, 61, 139},
    {"Dark Slate Gray", 47, 79, 79},
    {"Dark Violet", 148, 0, 211},
    {"Deep Pink", 255, 20, 147},
    {"Deep Sky Blue", 0, 191, 255},
    {"Forest Green", 34, 139, 34},
    {"Green", 0, 128, 0},
    {"Indigo", 75, 0, 130},
    {"Orange Red", 255, 69, 0},
    {"Purple", 128, 0, 128},
    {"Red", 255, 0, 0},
    {"Saddle Brown", 139, 69, 19},
    {"Sea Green", 46, 139, 87},
    {"Sienna", 160, 82, 45},
    {"Tomato", 255, 99, 71},
}};

constexpr int64_t kLargestColor = 0xFFFFFF;
constexpr int kByte = 256;
} // namespace

std::optional<NamedColor> ColorEntry(int index)
{
    if (index < kFirstColorIndex || index > kLastColorIndex)
        return std::nullopt;
    const Entry& e = kTable[static_cast<size_t>(index - kFirstColorIndex)];
    return NamedColor{QString::fromLatin1(e.Name), MakeColorValue(e.R, e.G, e.B)};
}

int ColorComponent(int64_t color, int k)
{
    if (color < 0 || color > kLargestColor || k < 1 || k > 3)
        return -1;
    int64_t v = color;
    for (int i = 1; i < k; ++i)
        v /= kByte;
    return static_cast<int>(v % kByte);
}

int32_t MakeColorValue(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

QColor ToQColor(int32_t color)
{
    // A value that is no plain colour reads as black.
    auto part = [color](int k) { return std::max(0, ColorComponent(color, k)); };
    return QColor(part(1), part(2), part(3));
}

int32_t FromQColor(const QColor& c) { return MakeColorValue(c.red(), c.green(), c.blue()); }

} // namespace solvane
