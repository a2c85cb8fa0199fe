#pragma once
// The life of one game: starting it by name and number, timing, counting and scoring it
// while it runs, noticing the win, and ending and recording it.
#include "cgameno.h"
#include "ckeptgame.h"
#include "gamerules.h"
#include "iboardhost.h"

#include <QObject>
#include <QString>

#include <optional>

namespace solvane {

class cBoardSet;
class cCustom;
class cData;
class cRandom;
class cScore;

class cLifecycle : public QObject, public iBoardHost {
    Q_OBJECT
public:
    struct StatusTexts {
        QString Score, Time, Moves;
    };
    // What a game has earned at one moment.
    struct Figures {
        int32_t Time = 0;
        int16_t Moves = 0;
        int16_t Score = 0;
    };

    cLifecycle(cData& data, cBoardSet& boards, cCustom& custom, cScore& score, cRandom& rng,
               QObject* parent = nullptr);

    // Starts a game; a running game is recorded as lost first. A game whose rules cannot
    // be loaded is refused with the reason, and the game in progress is kept. A player
    // given becomes the current player once the running game is recorded under its own.
    // The game runs, and its clock starts, once DealDrawn() says the deal has been seen.
    // A problem in saving the settings comes back in SettingsProblem(); the game starts.
    std::optional<QString> StartGame(const QString& name, const cGameNo& number,
                                     const QString& player = QString());
    // The deal has been drawn on the table: the game runs from now.
    void DealDrawn();

    // The running game as it may be kept for a later run: its moves, where it stands in
    // them, its clock.
    KeptGame Kept() const;
    // Leaves the running game without recording it (it has been kept).
    void LeaveKept();
    // Resumes a kept game: the same board, moves to undo and redo, player and clock. The
    // reason when it cannot be (its game or player is gone, its moves do not fit its deal);
    // the table is then empty and no game runs.
    std::optional<QString> Resume(const KeptGame& kept);
    // Between a start and the end of the deal's drawing.
    bool Dealing() const { return dealing_; }
    const std::optional<QString>& SettingsProblem() const { return settingsProblem_; }
    // Ends the running game: records it (1 won, 0 not won) and clears the table. The
    // recording's problem, if any, comes back (the game has ended all the same).
    std::optional<QString> EndGame(int won);
    // A fresh number for a new deal, from the game-number range setting.
    cGameNo RandomNumber();

    // 10 per card on the foundations, less a point per 3 seconds and per 2 moves, from the
    // figures the last status tick stored.
    int16_t CurrentScore() const;
    // Time, moves and score as they stand at this moment.
    Figures FiguresNow() const;
    long long ElapsedSeconds() const;
    int Moves() const;
    // The half-second tick: the three status texts, then the running figures stored.
    StatusTexts StatusTick();
    // The caption of the main window for the current game.
    QString Caption() const;

    // A win was seen and its dialog is due; the figures stay as they were at the win.
    bool WinPending() const { return winPending_; }
    // Why the game left behind by the last start could not be recorded, if it could not.
    const std::optional<QString>& LeftGameProblem() const { return leftProblem_; }
    // The finish dialog calls this when it opens: records the win and clears the table.
    std::optional<QString> FinishWin();
    // "Solve" was asked for: the figures of the first ask in a game are what the player
    // earned, should the computer play.
    void NoteSolveAsked();
    // The computer plays the running game: it is recorded as not won, with the figures of
    // the first ask.
    void SetSolvedByComputer(bool s) { solvedByComputer_ = s; }
    bool SolvedByComputer() const { return solvedByComputer_; }

    // Counts the games started, so that positions of different games never look alike.
    int GameSerial() const { return serial_; }
    // The rules of the game on the table.
    const GameRules& Rules() const { return rules_; }

    // iBoardHost
    bool AutoplayOn() const override;
    bool GameRunning() const override;
    void WinCheck() override;

signals:
    // The rules of the game being started are in place and its deal is about to be dealt.
    void RulesChosen();
    void GameStarted();
    void GameEnded(int won);
    // All cards reached the foundations; the finish dialog should open once they are seen
    // to arrive.
    void GameWon();

private:
    // Makes the kept moves on the deal, then takes back those to be redone.
    std::optional<QString> ReplayKeptMoves(const KeptGame& kept);
    // Stores the figures the game ends with: those of now, or of the first "Solve".
    void StoreFinalFigures();
    void StoreFigures(const Figures& f);

    cData& data_;
    cBoardSet& boards_;
    cCustom& custom_;
    cScore& score_;
    cRandom& rng_;
    GameRules rules_;
    int serial_ = 0;
    bool winPending_ = false;
    bool dealing_ = false;
    std::optional<QString> leftProblem_;
    std::optional<QString> settingsProblem_;
    bool solvedByComputer_ = false;
    std::optional<Figures> solveAsked_;
};

} // namespace solvane
