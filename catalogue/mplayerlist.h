#pragma once
// The list of players both game windows offer, with the current player selected.
class QComboBox;

namespace solvane {

class cData;

// Fills the list with the players of slots 1..TotalPlayers and selects the current player
// when the list holds that name; otherwise nothing is selected.
void FillPlayerList(QComboBox* list, const cData& data);

} // namespace solvane
