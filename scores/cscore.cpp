#include "cscore.h"

#include "cdata.h"
#include "creportwriter.h"
#include "cscorefile.h"
#include "iprompt.h"
#include "mappendline.h"
#include "mnames.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace solvane {

namespace {
const QString kScoreExtension = QStringLiteral(".sre");
const QString kReportName = QStringLiteral("Scoreboard");
const QString kReportFilter = QStringLiteral("Text File (*.txt)");
const QString kClearQuestion = QStringLiteral(
    "Are you sure you want to clear the Statistics, High Score and Log for all Players and all Games ?");
const QString kCleared = QStringLiteral("Statistics, High Score and Log have been Cleared.");
const QString kExported = QStringLiteral("Statistics Successfully Exported to ");
constexpr int kMonthsPerYear = 12;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }
} // namespace

cScore::cScore(cData& data, iPrompt& prompt)
    : data_(data), prompt_(prompt), favourites_(data.AppDir()), now_([] { return QDateTime::currentDateTime(); })
{
    ClearTop();
}

// --- Recording ---------------------------------------------------------------------------

QString cScore::ScoreFilePath(const QString& player) const { return data_.AppDir() + player + kScoreExtension; }

QString cScore::DateTextNow() const { return cDateForm().Format(Now()); }

std::optional<QString> cScore::AppendScore(const QString& player, const ScoreRecord& record)
{
    auto refused = [](const QString& why) { return QStringLiteral("The game cannot be recorded: %1.").arg(why); };
    if (auto why = NameProblem(player))
        return refused(QStringLiteral("the player name \"%1\" cannot be used (%2)").arg(player, *why));
    const auto line = cScoreFile::Line(record);
    if (!line)
        return refused(QStringLiteral("a text of the game holds a line break"));
    data_.EnsureAppDir();
    if (auto why = AppendLine(ScoreFilePath(player), *line))
        return refused(*why);
    return std::nullopt;
}

std::optional<QString> cScore::AddScore(int16_t mWon)
{
    ScoreRecord r;
    r.DateText = DateTextNow();
    r.GameName = data_.CurGName();
    r.GameNo = data_.CurGNo();
    r.Time = data_.CurTime();
    r.Moves = data_.CurMoves();
    r.Score = data_.CurScore();
    r.Won = mWon;
    return AppendScore(data_.CurPlayer(), r);
}

void cScore::AddSesGame(int16_t mWon)
{
    ScoreRecord r;
    r.GameName = data_.CurGName();
    r.GameNo = data_.CurGNo();
    r.Moves = data_.CurMoves();
    r.Score = data_.CurScore();
    r.Time = data_.CurTime();
    r.Won = mWon;
    r.Player = data_.CurPlayer();
    session_.push_back(r);
}

// --- The loaded table --------------------------------------------------------------------

QStringList cScore::Players() const
{
    QStringList names;
    for (int slot = 1; slot <= kMaxPlayers; ++slot) {
        const QString name = data_.GetPlayer(slot);
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

bool cScore::OpenScore(const QString& player)
{
    if (auto why = NameProblem(player)) {
        loadProblems_ << QStringLiteral("The scores of \"%1\" cannot be read: %2.").arg(player, *why);
        return false;
    }
    const QString path = ScoreFilePath(player);
    const cScoreFile::LoadResult r = cScoreFile::Load(path, player, table_, cDateForm());
    skippedLines_ += r.Skipped;
    if (!r.Read)
        loadProblems_ << QStringLiteral("The score file %1 cannot be read (%2).").arg(Native(path), r.Error);
    else if (r.Skipped > 0)
        loadProblems_ << QStringLiteral("The score file %1 has %2 damaged line(s), the first is line %3; "
                                        "they were left out.")
                             .arg(Native(path))
                             .arg(r.Skipped)
                             .arg(r.FirstSkipped);
    return r.Read;
}

bool cScore::OpenAllScore()
{
    CloseScore();
    bool all = true;
    for (const QString& player : Players())
        all = OpenScore(player) && all;
    return all;
}

void cScore::CloseScore()
{
    table_.Clear();
    ClearTop();
    skippedLines_ = 0;
    loadProblems_.clear();
}

ScoreRecord cScore::GetScore(int i) const
{
    if (i < 1 || i > table_.Size())
        return {};
    return table_.Record(i - 1);
}

ScoreRecord cScore::GetGameScore(const QString& gameName, int k) const
{
    const int id = table_.FindGame(gameName);
    if (id < 0 || k < 1)
        return {};
    const auto& rows = table_.Rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Game == static_cast<uint32_t>(id) && --k == 0)
            return table_.Record(static_cast<int>(i));
    return {};
}

// --- Top lists ---------------------------------------------------------------------------

void cScore::Sort(const QString& gName, const QString& player, int16_t mWon)
{
    ClearTop();
    const int game = gName.isEmpty() ? -1 : table_.FindGame(gName);
    const int who = player.isEmpty() ? -1 : table_.FindPlayer(player);
    if ((!gName.isEmpty() && game < 0) || (!player.isEmpty() && who < 0))
        return; // nothing loaded carries that name
    const auto& rows = table_.Rows();
    auto score = [&rows](int row) { return rows[static_cast<size_t>(row)].Score; };
    for (size_t i = 0; i < rows.size(); ++i) {
        const cScoreTable::Row& r = rows[i];
        if (r.Score <= 0 || (mWon == kWon && !r.IsWon()))
            continue;
        if ((game >= 0 && r.Game != static_cast<uint32_t>(game)) || (who >= 0 && r.Player != who))
            continue;
        if (top_[kTopSlots] >= 0 && score(top_[kTopSlots]) > r.Score)
            continue; // below the whole list
        for (int s = 1; s <= kTopSlots; ++s) {
            if (top_[s] < 0 || score(top_[s]) <= r.Score) {
                std::copy_backward(top_.begin() + s, top_.end() - 1, top_.end());
                top_[s] = static_cast<int>(i);
                break;
            }
        }
    }
}

void cScore::FinSort(bool time, bool moves)
{
    ClearTop();
    const auto& rows = table_.Rows();
    auto key = [&rows, moves](size_t row) { return moves ? rows[row].Moves : rows[row].Time; };
    (void)time; // the key is the time unless moves are asked for
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].IsWon())
            continue;
        const int32_t k = key(i);
        if (k < 1)
            continue; // a won game without time or moves is no record
        if (top_[kTopSlots] >= 0 && key(static_cast<size_t>(top_[kTopSlots])) < k)
            continue;
        for (int s = 1; s <= kTopSlots; ++s) {
            if (top_[s] < 0 || key(static_cast<size_t>(top_[s])) >= k) {
                std::copy_backward(top_.begin() + s, top_.end() - 1, top_.end());
                top_[s] = static_cast<int>(i);
                break;
            }
        }
    }
}

ScoreRecord cScore::GetTopScore(int slot) const
{
    const int row = TopRow(slot);
    return row < 0 ? ScoreRecord() : table_.Record(row);
}

int cScore::TopRow(int slot) const { return (slot < 1 || slot > kTopSlots) ? -1 : top_[slot]; }

int cScore::TopCount() const
{
    return static_cast<int>(std::count_if(top_.begin() + 1, top_.end(), [](int row) { return row >= 0; }));
}

// --- Totals ------------------------------------------------------------------------------

template <typename Match>
StatTotals cScore::Totals(Match match) const
{
    StatTotals t;
    for (const cScoreTable::Row& r : table_.Rows()) {
        if (!match(r))
            continue;
        ++t.Played;
        t.Won += r.IsWon() ? 1 : 0;
        t.Score += r.Score;
        t.Moves += r.Moves;
        t.Time += r.Time;
    }
    t.Lost = t.Played - t.Won;
    return t;
}

StatTotals cScore::TotalStat() const
{
    return Totals([](const cScoreTable::Row&) { return true; });
}

StatTotals cScore::GameStat(const QString& gameName) const
{
    const int id = table_.FindGame(gameName);
    if (id < 0)
        return {};
    return Totals([id](const cScoreTable::Row& r) { return r.Game == static_cast<uint32_t>(id); });
}

StatTotals cScore::PlayerStat(const QString& player) const
{
    const int id = table_.FindPlayer(player);
    if (id < 0)
        return {};
    return Totals([id](const cScoreTable::Row& r) { return r.Player == id; });
}

template <typename Match>
StatTotals cScore::ColumnTotals(const std::vector<int32_t>& column, Match match) const
{
    StatTotals t;
    const auto& rows = table_.Rows();
    for (size_t i = 0; i < column.size(); ++i) {
        if (!match(column[i]))
            continue;
        const cScoreTable::Row& r = rows[i];
        ++t.Played;
        t.Won += r.IsWon() ? 1 : 0;
        t.Score += r.Score;
        t.Moves += r.Moves;
        t.Time += r.Time;
    }
    t.Lost = t.Played - t.Won;
    return t;
}

DateTotals cScore::DateStat(const QDate& date, DateInterval interval) const
{
    const DateStamp at = DateStamp::Of(date);
    StatTotals t;
    if (at.Valid()) {
        switch (interval) {
        case DateInterval::Day:
            t = ColumnTotals(table_.Days(), [&at](int32_t day) { return day == at.Day; });
            break;
        case DateInterval::Month:
            t = ColumnTotals(table_.Months(), [&at](int32_t month) { return month == at.Month; });
            break;
        case DateInterval::Year: {
            const int32_t first = at.Month - at.Month % kMonthsPerYear;
            t = ColumnTotals(table_.Months(), [first](int32_t month) {
                return month >= first && month < first + kMonthsPerYear;
            });
            break;
        }
        }
    }
    DateTotals d;
    d.Played = t.Played;
    d.Won = t.Won;
    d.Lost = t.Lost;
    d.Label = cDateForm().Label(date, interval);
    d.Score = t.Score;
    d.Moves = t.Moves;
    d.Time = t.Time;
    return d;
}

StatTotals cScore::SesStat() const
{
    StatTotals t;
    for (const ScoreRecord& r : session_) {
        ++t.Played;
        t.Won += r.Won == kWon ? 1 : 0;
        t.Score += r.Score;
        t.Moves += r.Moves;
        t.Time += r.Time;
    }
    t.Lost = t.Played - t.Won;
    return t;
}

ScoreRecord cScore::GetSesGame(int i) const
{
    if (i < 1 || i > SesTop())
        return {};
    return session_[static_cast<size_t>(i - 1)];
}

// --- Clearing and the report -------------------------------------------------------------

bool cScore::ClearStat()
{
    const QString title = data_.ProdName();
    if (!prompt_.AskYesNo(title, kClearQuestion, iPrompt::Icon::Question))
        return false;
    QStringList failed;
    for (const QString& player : Players()) {
        if (!IsValidName(player))
            continue; // such a name never had a file
        QFile f(ScoreFilePath(player));
        if (f.exists() && !f.remove())
            failed << QStringLiteral("%1 (%2)").arg(Native(f.fileName()), f.errorString());
    }
    if (!failed.isEmpty()) {
        prompt_.Inform(title, QStringLiteral("These score files could not be deleted: %1.").arg(failed.join(u"; ")),
                       iPrompt::Icon::Critical);
        return false;
    }
    prompt_.Inform(title, kCleared, iPrompt::Icon::Information);
    return true;
}

QString cScore::ReportText()
{
    OpenAllScore();
    const QString text = cReportWriter(*this, data_, cDateForm()).Text(Now());
    CloseScore();
    return text;
}

bool cScore::ExportStat()
{
    const auto path = prompt_.AskSavePath(kReportName, kReportFilter);
    if (!path || path->isEmpty())
        return false;
    const QByteArray bytes = ReportText().toUtf8();
    QSaveFile f(*path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        prompt_.Inform(data_.ProdName(),
                       QStringLiteral("The statistics could not be exported to %1 (%2).").arg(*path, f.errorString()),
                       iPrompt::Icon::Critical);
        return false;
    }
    prompt_.Inform(data_.ProdName(), kExported + *path, iPrompt::Icon::Information);
    return true;
}

} // namespace solvane
