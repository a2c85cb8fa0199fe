#pragma once
// The score store: records every ended game in the player's score file and in the
// session list, loads score files into one table, computes the totals and top lists of
// the statistics windows, clears the score files, writes the statistics report, and
// keeps the favourites.
//
// Numbering follows the windows: GetScore 1..ScoreTop, GetTopScore 0..20 (0 never
// filled), GetSesGame 1..SesTop, GetFav 1..FavTop. Table() gives the loaded rows
// numbered from 0 for models over large tables.
#include "cdateform.h"
#include "cfavourites.h"
#include "cscoretable.h"
#include "iscorestore.h"
#include "scorerecord.h"
#include "stattotals.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace solvane {

class cData;
class iPrompt;

constexpr int kTopSlots = 20;

class cScore : public iScoreStore {
public:
    cScore(cData& data, iPrompt& prompt);
    cScore(const cScore&) = delete;
    cScore& operator=(const cScore&) = delete;

    // --- Recording ---------------------------------------------------------------------
    // Appends the current game (cData's CurGName, CurGNo, CurTime, CurMoves, CurScore),
    // dated now, to the current player's score file. Gives the reason when it could not.
    std::optional<QString> AddScore(int16_t mWon);
    // Appends the current game to the session list (no date).
    void AddSesGame(int16_t mWon);
    // Appends one record, with the date text it carries, to a player's score file.
    std::optional<QString> AppendScore(const QString& player, const ScoreRecord& record);
    // Now, in the general date form of the regional settings.
    QString DateTextNow() const;
    QString ScoreFilePath(const QString& player) const override;

    // --- The loaded table --------------------------------------------------------------
    // Adds the player's score file to the table (a missing file adds nothing). False when
    // the file exists but could not be read or the name cannot be a file name.
    bool OpenScore(const QString& player);
    // Empties the table, then loads every player's file in slot order.
    bool OpenAllScore();
    // Empties the table and the top list.
    void CloseScore();
    int32_t ScoreTop() const { return table_.Size(); }
    const cScoreTable& Table() const { return table_; }
    // Lines of the loaded files that were not records, and one text per file that had
    // such lines or could not be read; reset by OpenAllScore and CloseScore.
    int SkippedLines() const { return skippedLines_; }
    QStringList LoadProblems() const { return loadProblems_; }

    // 1..ScoreTop; an empty record outside.
    ScoreRecord GetScore(int i) const;
    // The k-th loaded record (from 1, in table order) of that game; empty when none.
    ScoreRecord GetGameScore(const QString& gameName, int k) const;

    // --- Top lists ---------------------------------------------------------------------
    // The 20 highest scores above 0, highest first, later records first among equals.
    // An empty name or player matches every record; mWon = 1 takes won games only.
    void Sort(const QString& gName, const QString& player, int16_t mWon);
    // The 20 won games of least time (or fewest moves when `moves`), smallest first,
    // later records first among equals; a key below 1 never enters.
    void FinSort(bool time, bool moves);
    // Slot 0..20; an empty record for an empty slot.
    ScoreRecord GetTopScore(int slot) const;
    // The table row (from 0) in a slot, or -1.
    int TopRow(int slot) const;
    int TopCount() const;

    // --- Totals ------------------------------------------------------------------------
    StatTotals TotalStat() const;
    StatTotals GameStat(const QString& gameName) const;
    StatTotals PlayerStat(const QString& player) const;
    // The records dated in the same day, month or year as `date`; its label as the period
    // lists show it.
    DateTotals DateStat(const QDate& date, DateInterval interval) const;
    StatTotals SesStat() const;

    // --- Session -----------------------------------------------------------------------
    int SesTop() const { return static_cast<int>(session_.size()); }
    ScoreRecord GetSesGame(int i) const;

    // --- Clearing and the report -------------------------------------------------------
    // Asks, then deletes every player's score file. True when the files are gone.
    bool ClearStat() override;
    // Asks for a file name and writes the report there; true when it was written. The
    // loaded table is empty afterwards.
    bool ExportStat() override;
    // The report's text as ExportStat writes it (loads all files, empties the table).
    QString ReportText();

    // --- Favourites --------------------------------------------------------------------
    bool OpenFav() { return favourites_.Open(); }
    std::optional<QString> AddFav(const QString& mName, const cGameNo& mGno) { return favourites_.Add(mName, mGno); }
    int FavTop() const { return favourites_.Top(); }
    FavRecord GetFav(int i) const { return favourites_.Get(i); }
    void CloseFav() { favourites_.Close(); }
    std::optional<QString> ClearFav() { return favourites_.Clear(); }
    const cFavourites& Favourites() const { return favourites_; }

    // The players whose files are loaded, reported and cleared: slots 1..20 in order,
    // empty slots and repeated names left out.
    QStringList Players() const;
    // The clock for record dates and the report (tests pin it).
    void SetClock(std::function<QDateTime()> now) { now_ = std::move(now); }
    QDateTime Now() const { return now_(); }

private:
    template <typename Match>
    StatTotals Totals(Match match) const;
    template <typename Match>
    StatTotals ColumnTotals(const std::vector<int32_t>& column, Match match) const;
    void ClearTop() { top_.fill(-1); }

    cData& data_;
    iPrompt& prompt_;
    cScoreTable table_;
    std::array<int, kTopSlots + 1> top_{}; // table rows, -1 empty; slot 0 unused
    std::vector<ScoreRecord> session_;
    cFavourites favourites_;
    int skippedLines_ = 0;
    QStringList loadProblems_;
    std::function<QDateTime()> now_;
};

} // namespace solvane
