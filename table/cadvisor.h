#pragma once
// Hint and Solve: shows the next move of a winning line, or plays the rest of the game out,
// a move every half second, through the same moves a player makes.
#include "msolver.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <vector>

namespace solvane {

class cBoardSet;
class cData;
class cLifecycle;
class cSolveService;
class cTableView;
class iPrompt;

class cAdvisor : public QObject {
    Q_OBJECT
public:
    static constexpr int kHintMs = 2000;
    static constexpr int kFlashMs = 250;
    static constexpr int kSolveStepMs = 500;

    cAdvisor(cData& data, cBoardSet& boards, cLifecycle& lifecycle, cSolveService& solver,
             cTableView& table, iPrompt& prompt, QObject* parent = nullptr);

    void Hint();
    void Solve();
    void StopSolve();
    bool Solving() const { return solving_; }
    bool HintShowing() const { return hintTimer_.isActive(); }
    // The move the hint shows, while it shows.
    const SolveStep& HintMove() const { return hint_; }
    // One step of Solve (the timer calls it; tests may too).
    void SolveTick();
    void EndHint();

private:
    void Answered();
    void ShowHint(const SolveStep& step);
    void Flash();
    void StartPlaying();
    void TellNotWinnable();
    bool TellIfNoWinningLine();

    cData& data_;
    cBoardSet& boards_;
    cLifecycle& lifecycle_;
    cSolveService& solver_;
    cTableView& table_;
    iPrompt& prompt_;
    QTimer hintTimer_;
    QTimer flashTimer_;
    QTimer solveTimer_;
    SolveStep hint_;
    bool flashOn_ = false;
    bool hintWanted_ = false;
    bool solveWanted_ = false;
    bool solving_ = false;
    std::vector<SolveStep> plan_;
    size_t next_ = 0;
    uint64_t expectedKey_ = 0;
};

} // namespace solvane
