#pragma once
// The pictures the program paints, by resource number and group: the background tiles
// and the card backs, as the customize window lists them.
#include <QString>

#include <vector>

namespace solvane {

struct ArtGroup {
    QString Name;
    std::vector<int> Ids;
};

// What an unknown choice falls back to.
constexpr int kFallbackBackground = 1007; // "Dark Green", faded
constexpr int kFallbackDeck = 531;        // Misc 01
constexpr int kCustomColorIndex = 1000;
constexpr int kLastTileIndex = 999;

// Bricks, Marbles, Paper, Rocks, Stars, Surfaces, Water, Wood.
const std::vector<ArtGroup>& BackgroundGroups();
// Flowers, Garden, Geometry, Misc, Nature.
const std::vector<ArtGroup>& DeckGroups();

// The entry name of the k-th (0-based) picture of a group: "Bricks 01".
QString ArtEntryName(const ArtGroup& group, int k);
// The entry name of a resource number, or an empty text when no group holds it.
QString ArtEntryName(int id);

bool IsTileId(int id);
bool IsBackId(int id);

} // namespace solvane
