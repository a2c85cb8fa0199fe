#include "cscoretable.h"

#include <algorithm>

namespace solvane {

QString cScoreTable::DateText(int i) const
{
    const Row& r = At(i);
    return QString::fromUtf8(texts_.data() + r.DateAt, r.DateLen);
}

cGameNo cScoreTable::GameNo(int i) const
{
    const Row& r = At(i);
    if (r.NoIsText)
        return cGameNo::FromText(textNos_[static_cast<size_t>(r.GameNo)]);
    return cGameNo(r.GameNo);
}

ScoreRecord cScoreTable::Record(int i) const
{
    const Row& r = At(i);
    ScoreRecord s;
    s.DateText = DateText(i);
    s.GameName = GameName(i);
    s.GameNo = GameNo(i);
    s.Time = r.Time;
    s.Moves = r.Moves;
    s.Score = r.Score;
    s.Won = r.Won;
    s.Player = Player(i);
    s.Date = Date(i);
    return s;
}

int cScoreTable::FindGame(const QString& name) const
{
    const auto it = gameIds_.find(name.toStdString());
    return it == gameIds_.end() ? -1 : static_cast<int>(it->second);
}

int cScoreTable::FindPlayer(const QString& name) const
{
    const auto it = std::find(players_.begin(), players_.end(), name);
    return it == players_.end() ? -1 : static_cast<int>(it - players_.begin());
}

void cScoreTable::Clear()
{
    rows_ = {};
    days_ = {};
    months_ = {};
    texts_ = {};
    textNos_.clear();
    games_.clear();
    gameIds_.clear();
    players_.clear();
    lastGame_ = UINT32_MAX;
    lastGameName_.clear();
}

void cScoreTable::Reserve(size_t rows)
{
    rows_.reserve(rows);
    days_.reserve(rows);
    months_.reserve(rows);
}

uint16_t cScoreTable::AddPlayer(const QString& name)
{
    const int id = FindPlayer(name);
    if (id >= 0)
        return static_cast<uint16_t>(id);
    players_.push_back(name);
    return static_cast<uint16_t>(players_.size() - 1);
}

uint32_t cScoreTable::GameId(std::string_view name)
{
    // Games come in runs, so the last name is the likeliest.
    if (lastGame_ != UINT32_MAX && name == lastGameName_)
        return lastGame_;
    auto it = gameIds_.find(name);
    if (it == gameIds_.end()) {
        const auto id = static_cast<uint32_t>(games_.size());
        games_.push_back(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        it = gameIds_.emplace(std::string(name), id).first;
    }
    lastGame_ = it->second;
    lastGameName_.assign(name);
    return lastGame_;
}

void cScoreTable::Append(std::string_view dateText, const DateStamp& date, std::string_view gameName,
                         const cGameNo& gameNo, int32_t time, int32_t moves, int32_t score,
                         int16_t won, uint16_t player)
{
    dateText = dateText.substr(0, kMaxDateText);
    Row r{};
    r.Secs = date.Secs;
    r.Time = time;
    r.Moves = moves;
    r.Score = score;
    r.DateAt = static_cast<uint32_t>(texts_.size());
    r.DateLen = static_cast<uint16_t>(dateText.size());
    texts_.append(dateText);
    r.Game = GameId(gameName);
    r.Player = player;
    r.Won = won;
    r.NoIsText = gameNo.IsText();
    if (r.NoIsText) {
        r.GameNo = static_cast<double>(textNos_.size());
        textNos_.push_back(gameNo.Text());
    } else {
        r.GameNo = gameNo.Value();
    }
    rows_.push_back(r);
    days_.push_back(date.Day);
    months_.push_back(date.Month);
}

} // namespace solvane
