#include "cboardset.h"

#include "mdeal.h"

namespace solvane {

void cBoardSet::SelectRules(const GameRules& rules)
{
    ApplyRules(games_, rules);
    board_.SetBaseRank(0);
}

void cBoardSet::DealNumber(double gameNo)
{
    board_.Init(gameNo);
    SetCardValues(board_);
    ResetLog();
    Deal(board_);
}

void cBoardSet::ResetLog()
{
    log_ = std::make_unique<cTrans>(board_);
    board_.SetLog(log_.get());
}

} // namespace solvane
