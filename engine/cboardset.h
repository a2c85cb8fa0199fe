#pragma once
// The game definition, the board and the move log of one table, and the steps that
// select a game and deal it. The program, the tools and the tests each own one.
#include "carray.h"
#include "cgames.h"
#include "ctrans.h"
#include "gamerules.h"

#include <memory>

namespace solvane {

class cBoardSet {
public:
    cBoardSet() : board_(games_), log_(std::make_unique<cTrans>(board_)) { board_.SetLog(log_.get()); }
    cBoardSet(const cBoardSet&) = delete;
    cBoardSet& operator=(const cBoardSet&) = delete;

    cGames& Games() { return games_; }
    cArray& Board() { return board_; }
    cTrans& Log() { return *log_; }
    const cArray& Board() const { return board_; }
    const cTrans& Log() const { return *log_; }

    // Turns the ten values into the game definition; the base rank starts at 0.
    void SelectRules(const GameRules& rules);
    // Shuffles the selected game from the number, gives the cards their values, starts a
    // new empty log and deals. Autoplay is the caller's next step.
    void DealNumber(double gameNo);
    // Both, as a game start does before its first autoplay.
    void NewDeal(const GameRules& rules, double gameNo)
    {
        SelectRules(rules);
        DealNumber(gameNo);
    }

    // Replaces the move log with a new, empty one.
    void ResetLog();

private:
    cGames games_;
    cArray board_;
    std::unique_ptr<cTrans> log_;
};

} // namespace solvane
