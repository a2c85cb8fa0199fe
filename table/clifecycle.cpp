#include "clifecycle.h"

#include "cboardset.h"
#include "ccustom.h"
#include "cdata.h"
#include "cscore.h"
#include "mautoplay.h"
#include "mdeal.h"
#include "mround.h"
#include "mtime.h"

#include <QTime>

#include <chrono>
#include <limits>

namespace solvane {

namespace {
constexpr int kPointsPerCard = 10;
constexpr double kSecondsPerPoint = 3.0;
constexpr double kMovesPerPoint = 2.0;

std::chrono::system_clock::time_point ToTimePoint(const QDateTime& t)
{
    return std::chrono::system_clock::time_point(std::chrono::milliseconds(t.toMSecsSinceEpoch()));
}
} // namespace

cLifecycle::cLifecycle(cData& data, cBoardSet& boards, cCustom& custom, cScore& score,
                       cRandom& rng, QObject* parent)
    : QObject(parent), data_(data), boards_(boards), custom_(custom), score_(score), rng_(rng)
{
}

std::optional<QString> cLifecycle::StartGame(const QString& name, const cGameNo& number,
                                             const QString& player)
{
    // A deal still being drawn counts as drawn: the game it started is left like any other.
    DealDrawn();
    // Refuse a game that cannot be loaded before anything of the present game changes; the
    // rules are read once, so what was checked is what is played.
    GameRules rules;
    if (auto problem = custom_.ReadRules(name, rules))
        return problem;
    leftProblem_.reset();
    if (data_.GameRunning())
        leftProblem_ = EndGame(winPending_ ? 1 : 0); // a game whose last card is up was won
    if (!player.isEmpty())
        data_.SetCurPlayer(player);
    data_.SetRecent(name);
    custom_.SelectRules(rules);
    rules_ = rules;
    emit RulesChosen();
    ++serial_;
    data_.SetCurGNo(number);
    data_.SetCurGName(name);
    settingsProblem_ = data_.Save();
    boards_.DealNumber(number.Value());
    winPending_ = false;
    solvedByComputer_ = false;
    solveAsked_.reset();
    Autoplay(boards_.Board());
    dealing_ = true;
    emit GameStarted();
    return std::nullopt;
}

void cLifecycle::DealDrawn()
{
    if (!dealing_)
        return;
    dealing_ = false;
    // The clock counts from here, in seconds as a clock shows them; the figures are the new
    // game's own from the first moment.
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    data_.SetGameStartTime(now);
    data_.SetGameRunning(true);
    StoreFigures(FiguresNow());
}

std::optional<QString> cLifecycle::EndGame(int won)
{
    // A game the computer played out was not won by the player.
    const int16_t result = static_cast<int16_t>(won == 1 && !solvedByComputer_ ? 1 : 0);
    // A win keeps the figures of the moment its last card arrived.
    if (!winPending_)
        StoreFinalFigures();
    auto problem = score_.AddScore(result);
    score_.AddSesGame(result);
    data_.SetGameRunning(false);
    winPending_ = false;
    ClearTable(boards_.Board());
    emit GameEnded(result);
    return problem;
}

KeptGame cLifecycle::Kept() const
{
    KeptGame k;
    k.Game = data_.CurGName();
    k.Number = data_.CurGNo().Text();
    k.NumberIsText = data_.CurGNo().IsText();
    k.Player = data_.CurPlayer();
    k.Seconds = ElapsedSeconds();
    k.Current = boards_.Log().GetTransID();
    k.Moves = boards_.Log().Records();
    if (solvedByComputer_ && solveAsked_) {
        k.Helped = true;
        k.HelpedTime = solveAsked_->Time;
        k.HelpedMoves = solveAsked_->Moves;
        k.HelpedScore = solveAsked_->Score;
    }
    return k;
}

void cLifecycle::LeaveKept()
{
    data_.SetGameRunning(false);
    winPending_ = false;
    dealing_ = false;
}

std::optional<QString> cLifecycle::Resume(const KeptGame& kept)
{
    const auto refused = [](const QString& why) { return QStringLiteral("The unfinished game cannot be resumed: %1.").arg(why); };
    GameRules rules;
    if (auto problem = custom_.ReadRules(kept.Game, rules))
        return refused(*problem);
    bool player = false;
    for (int slot = 1; slot <= kMaxPlayers && !player; ++slot)
        player = data_.GetPlayer(slot) == kept.Player;
    if (!player)
        return refused(QStringLiteral("its player \"%1\" is no longer one of the players").arg(kept.Player));
    double value = 0;
    const cGameNo number = kept.NumberIsText ? cGameNo::FromText(kept.Number)
                                             : cGameNo(cGameNo::ParseNumber(kept.Number, value) ? value : -1);
    if (!kept.NumberIsText && value < 0)
        return refused(QStringLiteral("its game number \"%1\" is not a number").arg(kept.Number));

    custom_.SelectRules(rules);
    rules_ = rules;
    emit RulesChosen();
    ++serial_;
    data_.SetCurGNo(number);
    data_.SetCurGName(kept.Game);
    data_.SetCurPlayer(kept.Player);
    boards_.DealNumber(number.Value());
    if (auto why = ReplayKeptMoves(kept)) {
        ClearTable(boards_.Board());
        boards_.ResetLog();
        return refused(*why);
    }
    winPending_ = false;
    dealing_ = false;
    solvedByComputer_ = kept.Helped;
    solveAsked_.reset();
    if (kept.Helped)
        solveAsked_ = Figures{int32_t(kept.HelpedTime), int16_t(kept.HelpedMoves), int16_t(kept.HelpedScore)};
    // The clock goes on from where it stopped.
    QDateTime start = QDateTime::currentDateTime().addSecs(-kept.Seconds);
    start.setTime(QTime(start.time().hour(), start.time().minute(), start.time().second()));
    data_.SetGameStartTime(start);
    data_.SetGameRunning(true);
    StoreFigures(FiguresNow());
    emit GameStarted();
    return std::nullopt;
}

std::optional<QString> cLifecycle::ReplayKeptMoves(const KeptGame& kept)
{
    cTrans& log = boards_.Log();
    if (!log.Restore(kept.Moves))
        return QStringLiteral("it holds more moves than a game may");
    // Every move is checked against the board before it is made: a damaged file may not
    // put a card where the rules of the board do not allow.
    int speed = 0;
    while (log.RedoPossible()) {
        if (!log.NextRedoFits())
            return QStringLiteral("move %1 of it does not fit its deal").arg(log.GetTransID() + 1);
        log.Redo(speed);
    }
    while (log.GetTransID() > kept.Current)
        log.Undo(speed);
    return std::nullopt;
}

cGameNo cLifecycle::RandomNumber()
{
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
    return cGameNo(RandomGameNumber(rng_, data_.RangeIndex(), seconds));
}

namespace {
int16_t ScoreOf(int goalCards, double time, double moves)
{
    const double score = kPointsPerCard * goalCards - (time / kSecondsPerPoint + moves / kMovesPerPoint);
    // A game left running for days would pass the 16-bit range; it stops at the edge.
    const double r = RoundHalfEven(score);
    if (r < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(std::min<double>(r, std::numeric_limits<int16_t>::max()));
}
} // namespace

int16_t cLifecycle::CurrentScore() const
{
    if (!data_.GameRunning())
        return 0;
    return ScoreOf(boards_.Board().TotalGoalCards(), data_.CurTime(), data_.CurMoves());
}

cLifecycle::Figures cLifecycle::FiguresNow() const
{
    Figures f;
    f.Time = static_cast<int32_t>(std::min<long long>(ElapsedSeconds(), std::numeric_limits<int32_t>::max()));
    f.Moves = static_cast<int16_t>(Moves());
    f.Score = data_.GameRunning() ? ScoreOf(boards_.Board().TotalGoalCards(), f.Time, f.Moves) : 0;
    return f;
}

void cLifecycle::StoreFigures(const Figures& f)
{
    data_.SetCurTime(f.Time);
    data_.SetCurMoves(f.Moves);
    data_.SetCurScore(f.Score);
}

void cLifecycle::StoreFinalFigures()
{
    if (solvedByComputer_ && solveAsked_)
        StoreFigures(*solveAsked_);
    else
        StoreFigures(FiguresNow());
}

void cLifecycle::NoteSolveAsked()
{
    if (data_.GameRunning() && !solveAsked_)
        solveAsked_ = FiguresNow();
}

long long cLifecycle::ElapsedSeconds() const
{
    return solvane::ElapsedSeconds(data_.GameRunning(), ToTimePoint(data_.GameStartTime()),
                                   ToTimePoint(QDateTime::currentDateTime()));
}

int cLifecycle::Moves() const { return boards_.Log().GetTransID(); }

cLifecycle::StatusTexts cLifecycle::StatusTick()
{
    StatusTexts t;
    if (!data_.GameRunning())
        return t;
    if (data_.ShowScore() == 1)
        t.Score = QStringLiteral("Score :") + QString::number(CurrentScore());
    if (data_.ShowTime() == 1)
        t.Time = QStringLiteral("Time :") + QString::fromStdString(ElapsedTimeText(ElapsedSeconds()));
    if (data_.ShowMoves() == 1)
        t.Moves = QStringLiteral("Moves :") + QString::number(Moves());
    // Once the last card is up the figures stand still until the finish dialog shows them.
    if (!winPending_) {
        data_.SetCurScore(CurrentScore());
        const long long elapsed = ElapsedSeconds();
        data_.SetCurTime(static_cast<int32_t>(std::min<long long>(elapsed, std::numeric_limits<int32_t>::max())));
        data_.SetCurMoves(static_cast<int16_t>(Moves()));
    }
    return t;
}

QString cLifecycle::Caption() const
{
    return data_.ProdName() + QStringLiteral(" [") + data_.CurGName() + QStringLiteral("] [") +
           data_.CurPlayer() + QStringLiteral("] [") + data_.CurGNo().Text() + QStringLiteral("]");
}

std::optional<QString> cLifecycle::FinishWin() { return EndGame(1); }

bool cLifecycle::AutoplayOn() const { return data_.Autoplay() != 0; }

bool cLifecycle::GameRunning() const { return data_.GameRunning(); }

void cLifecycle::WinCheck()
{
    if (winPending_ || !data_.GameRunning())
        return;
    if (boards_.Board().TotalGoalCards() == boards_.Board().TotalCards()) {
        // The figures of the win are those of this moment, before any tick can pass.
        StoreFinalFigures();
        winPending_ = true;
        emit GameWon();
    }
}

} // namespace solvane
