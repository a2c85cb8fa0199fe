#pragma once
// The life of one game: starting it by name and number, timing, counting and scoring it
// while it runs, noticing the win, and ending and recording it.
#include "cgameno.h"
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

    cLifecycle(cData& data, cBoardSet& boards, cCustom& custom, cScore& score, cRandom& rng,
               QObject* parent = nullptr);

    // Starts a game; a running game is recorded as lost first. A game whose rules cannot
    // be loaded is refused with the reason, and the game in progress is kept. A player
    // given becomes the current player once the running game is recorded under its own.
    std::optional<QString> StartGame(const QString& name, const cGameNo& number,
                                     const QString& player = QString());
    // Ends the running game: records it (1 won, 0 not won) and clears the table. The
    // recording's problem, if any, comes back (the game has ended all the same).
    std::optional<QString> EndGame(int won);
    // A fresh number for a new deal, from the game-number range setting.
    cGameNo RandomNumber();

    // 10 per card on the foundations, less a point per 3 seconds and per 2 moves.
    int16_t CurrentScore() const;
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
    // Marks the running game as played out by the computer: it is recorded as not won.
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
    void GameStarted();
    void GameEnded(int won);
    // All cards reached the foundations; the finish dialog should open once they are seen
    // to arrive.
    void GameWon();

private:
    cData& data_;
    cBoardSet& boards_;
    cCustom& custom_;
    cScore& score_;
    cRandom& rng_;
    GameRules rules_;
    int serial_ = 0;
    bool winPending_ = false;
    std::optional<QString> leftProblem_;
    bool solvedByComputer_ = false;
};

} // namespace solvane
