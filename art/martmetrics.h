#pragma once
// Sizes shared by the painters, the picture cache and the card items, in logical pixels.
namespace solvane {

constexpr int kCardPixelWidth = 71;
constexpr int kCardPixelHeight = 96;
// The rounding of a card's corners; the items use the same outline for hit tests.
constexpr double kCardCornerRadius = 5.0;

// Table surface: 15480 x 11205 twips at 15 twips to the pixel.
constexpr int kTablePixelWidth = 1032;
constexpr int kTablePixelHeight = 747;

} // namespace solvane
