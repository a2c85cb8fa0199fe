#pragma once
// The loaded score records: one flat vector of compact rows (names as small ids, texts in
// one shared buffer, dates read once into day and month numbers), so that a million
// records load, filter and total quickly. Rows are numbered from 0 here.
#include "cdateform.h"
#include "scorerecord.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace solvane {

class cScoreTable {
public:
    // The day and month numbers of the dates stand in columns of their own, so that the
    // period totals run through 8 bytes a row instead of the whole row.
    struct Row {
        double GameNo;      // the number, or the index of its text when NoIsText
        int32_t Secs;       // of the date's time
        int32_t Time;
        int32_t Moves;
        int32_t Score;
        uint32_t DateAt;    // the date text in the text buffer
        uint32_t Game;      // game name id
        uint16_t DateLen;
        uint16_t Player;    // player id
        int16_t Won;
        bool NoIsText;

        bool IsWon() const { return Won == kWon; }
    };

    // The longest date text a row keeps.
    static constexpr size_t kMaxDateText = UINT16_MAX;

    int Size() const { return static_cast<int>(rows_.size()); }
    bool Empty() const { return rows_.empty(); }
    const Row& At(int i) const { return rows_[static_cast<size_t>(i)]; }
    const std::vector<Row>& Rows() const { return rows_; }
    // DateStamp day and month numbers by row: kNoDay when the date could not be read.
    const std::vector<int32_t>& Days() const { return days_; }
    const std::vector<int32_t>& Months() const { return months_; }
    int32_t DayOf(int i) const { return days_[static_cast<size_t>(i)]; }
    int32_t MonthOf(int i) const { return months_[static_cast<size_t>(i)]; }

    QString GameName(int i) const { return games_[At(i).Game]; }
    QString Player(int i) const { return players_[At(i).Player]; }
    QString DateText(int i) const;
    cGameNo GameNo(int i) const;
    QDate Date(int i) const { return DateStamp{DayOf(i), MonthOf(i), At(i).Secs}.Date(); }
    // The whole record, as a copy.
    ScoreRecord Record(int i) const;

    // Name ids: -1 when no loaded row carries the name.
    int FindGame(const QString& name) const;
    int FindPlayer(const QString& name) const;
    int GameCount() const { return static_cast<int>(games_.size()); }
    QString GameNameOf(int id) const { return games_[static_cast<size_t>(id)]; }
    int PlayerCount() const { return static_cast<int>(players_.size()); }
    QString PlayerNameOf(int id) const { return players_[static_cast<size_t>(id)]; }

    void Clear();
    void Reserve(size_t rows);

    // Loading: the player's id, then one row per record. Texts are UTF-8.
    uint16_t AddPlayer(const QString& name);
    void Append(std::string_view dateText, const DateStamp& date, std::string_view gameName,
                const cGameNo& gameNo, int32_t time, int32_t moves, int32_t score, int16_t won,
                uint16_t player);

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    uint32_t GameId(std::string_view name);

    std::vector<Row> rows_;
    std::vector<int32_t> days_;
    std::vector<int32_t> months_;
    std::string texts_;
    std::vector<QString> textNos_;
    std::vector<QString> games_;
    std::unordered_map<std::string, uint32_t, Hash, std::equal_to<>> gameIds_;
    std::vector<QString> players_;
    uint32_t lastGame_ = UINT32_MAX;
    std::string lastGameName_;
};

} // namespace solvane
