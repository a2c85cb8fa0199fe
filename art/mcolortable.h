#pragma once
// The named background colours and the colour arithmetic of the stored settings.
// A colour value keeps red in its low byte, then green, then blue (0x00BBGGRR).
#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace solvane {

struct NamedColor {
    QString Name;
    int32_t Color = 0;
};

constexpr int kFirstColorIndex = 1001;
constexpr int kLastColorIndex = 1025;
// The customize window offers the entries up to this one; the rest are only drawn.
constexpr int kLastOfferedColorIndex = 1020;

// The colour table entry of index 1001..1025, or nothing.
std::optional<NamedColor> ColorEntry(int index);
// Same as ColorEntry: the store's name for the look-up.
inline std::optional<NamedColor> GetCol(int index) { return ColorEntry(index); }

// Component k (1 red, 2 green, 3 blue) of a colour value; -1 when the value is not a
// plain colour (outside 0..0xFFFFFF) or k is outside 1..3.
int ColorComponent(int64_t color, int k);

int32_t MakeColorValue(int red, int green, int blue);
QColor ToQColor(int32_t color);
int32_t FromQColor(const QColor& c);

} // namespace solvane
