#include "cadvisor.h"

#include "cboardset.h"
#include "cdata.h"
#include "clifecycle.h"
#include "csolveservice.h"
#include "ctableview.h"
#include "iprompt.h"
#include "vexcard.h"
#include "vexempty.h"

namespace solvane {

namespace {
constexpr double kDimmed = 0.25;
const QString kCannotWin =
    QStringLiteral("This game cannot be won from here. Undo some moves or start a new game.");
const QString kNoAnswer = QStringLiteral("No winning line was found in the time allowed.");
} // namespace

cAdvisor::cAdvisor(cData& data, cBoardSet& boards, cLifecycle& lifecycle, cSolveService& solver,
                   cTableView& table, iPrompt& prompt, QObject* parent)
    : QObject(parent), data_(data), boards_(boards), lifecycle_(lifecycle), solver_(solver),
      table_(table), prompt_(prompt)
{
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintMs);
    flashTimer_.setInterval(kFlashMs);
    solveTimer_.setInterval(kSolveStepMs);
    connect(&hintTimer_, &QTimer::timeout, this, &cAdvisor::EndHint);
    connect(&flashTimer_, &QTimer::timeout, this, &cAdvisor::Flash);
    connect(&solveTimer_, &QTimer::timeout, this, &cAdvisor::SolveTick);
    connect(&solver_, &cSolveService::Answered, this, &cAdvisor::Answered);
}

void cAdvisor::Hint()
{
    if (!data_.GameRunning())
        return;
    EndHint();
    table_.FinishAnimations();
    hintWanted_ = true;
    if (solver_.HasAnswer())
        Answered();
    else
        solver_.Refresh();
}

void cAdvisor::Solve()
{
    if (!data_.GameRunning() || solving_)
        return;
    EndHint();
    table_.FinishAnimations();
    // What the player earned is counted now, before the computer plays a card.
    lifecycle_.NoteSolveAsked();
    solveWanted_ = true;
    if (solver_.HasAnswer())
        Answered();
    else
        solver_.Refresh();
}

void cAdvisor::Answered()
{
    if (!solver_.HasAnswer() || (!hintWanted_ && !solveWanted_))
        return;
    const bool hint = hintWanted_, solve = solveWanted_;
    hintWanted_ = solveWanted_ = false;
    if (TellIfNoWinningLine())
        return;
    if (hint)
        ShowHint(solver_.Answer().moves.front());
    if (solve)
        StartPlaying();
}

bool cAdvisor::TellIfNoWinningLine()
{
    const SolveResult& r = solver_.Answer();
    if (r.verdict == Verdict::Winnable && !r.moves.empty())
        return false;
    prompt_.Inform(data_.ProdName(), r.verdict == Verdict::NotWinnable ? kCannotWin : kNoAnswer,
                   iPrompt::Icon::Information);
    return true;
}

void cAdvisor::ShowHint(const SolveStep& step)
{
    hint_ = step;
    if (VexCard* card = table_.PicCards(step.pic))
        card->SetSelected(true);
    flashOn_ = false;
    Flash();
    flashTimer_.start();
    hintTimer_.start();
}

void cAdvisor::Flash()
{
    flashOn_ = !flashOn_;
    const cArray& a = boards_.Board();
    const int top = a.GetTop(hint_.toCell, hint_.toPile);
    if (top != kEmpty) {
        if (VexCard* card = table_.PicCards(a.GetPicID(hint_.toCell, hint_.toPile, top)))
            card->SetSelected(flashOn_);
        return;
    }
    VexEmpty* mark = nullptr;
    switch (hint_.toCell) {
    case kTableau: mark = table_.PicHome(hint_.toPile); break;
    case kFoundation: mark = table_.PicRight(hint_.toPile); break;
    case kReserve: mark = table_.PicRes(hint_.toPile); break;
    default: break;
    }
    if (mark)
        mark->setOpacity(flashOn_ ? kDimmed : 1.0);
}

void cAdvisor::EndHint()
{
    if (!hintTimer_.isActive() && !flashTimer_.isActive())
        return;
    hintTimer_.stop();
    flashTimer_.stop();
    flashOn_ = true;
    Flash(); // back to normal
    if (VexCard* card = table_.PicCards(hint_.pic))
        card->SetSelected(false);
}

void cAdvisor::StartPlaying()
{
    plan_ = solver_.Answer().moves;
    next_ = 0;
    expectedKey_ = solver_.Key();
    solving_ = true;
    lifecycle_.SetSolvedByComputer(true);
    solveTimer_.start();
}

void cAdvisor::SolveTick()
{
    if (!solving_)
        return;
    // Play left its line (a replay ran, the game ended): stop quietly.
    if (!data_.GameRunning() || next_ >= plan_.size() || solver_.Key() != expectedKey_) {
        StopSolve();
        return;
    }
    PlayStep(boards_.Board(), plan_[next_++], data_.ReplaySpeed());
    expectedKey_ = solver_.Key();
    if (next_ >= plan_.size()) {
        solveTimer_.stop();
        solving_ = false;
    }
}

void cAdvisor::StopSolve()
{
    if (!solving_)
        return;
    solving_ = false;
    solveTimer_.stop();
    // Cards the computer played stay played, and so does the help: the game is recorded
    // with what the player had earned when "Solve" was first asked for.
}

} // namespace solvane
