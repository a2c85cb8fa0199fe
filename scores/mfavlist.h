#pragma once
// What both favourites windows list: the catalogue's game names and the numbers kept for
// one game, in the order they were added.
#include <QString>
#include <QStringList>

#include <vector>

namespace solvane {

class cData;
class cScore;
class iPrompt;

// Game names 1..TotalGames.
QStringList CatalogueNames(const cData& data);
// The index of the current game in CatalogueNames, or 0 when it is not there.
int CurrentGameIndex(const cData& data);
// The indexes (1..FavTop) of the loaded favourites of that game, oldest first.
std::vector<int> FavouritesOf(const cScore& score, const QString& name);
// Loads the favourites; a file that could not be read, or that had damaged lines, is
// reported (the good lines are loaded all the same).
void LoadFavourites(cScore& score, const cData& data, iPrompt& prompt);

} // namespace solvane
