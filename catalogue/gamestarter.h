#pragma once
// How the game windows start a game: the main window's start (which shows a refusal as a
// message) and the random game number, handed in so the windows need no main window.
#include "cgameno.h"

#include <QString>

#include <functional>

namespace solvane {

struct GameStarter {
    // The player becomes current as the game starts; an empty one keeps the current player.
    std::function<bool(const QString& name, const cGameNo& number, const QString& player)> start;
    std::function<cGameNo()> randomNumber;
};

} // namespace solvane
