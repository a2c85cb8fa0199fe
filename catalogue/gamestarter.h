#pragma once
// How the game windows start a game: the main window's start (which shows a refusal as a
// message) and the random game number, handed in so the windows need no main window.
#include "cgameno.h"

#include <QString>

#include <functional>

namespace solvane {

struct GameStarter {
    std::function<bool(const QString& name, const cGameNo& number)> start;
    std::function<cGameNo()> randomNumber;
};

} // namespace solvane
