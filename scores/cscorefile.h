#pragma once
// A player's score file: one line per recorded game, seven fields —
// "date text","game name",game number,time,moves,score,result — ended by CR LF.
#include "cdateform.h"
#include "scorerecord.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

namespace solvane {

class cScoreTable;

class cScoreFile {
public:
    struct LoadResult {
        bool Read = true;   // false when the file exists but could not be read
        QString Error;      // why it could not be read
        int Loaded = 0;     // records added
        int Skipped = 0;    // lines that are not records
        int FirstSkipped = 0; // line number of the first of them
    };

    // The line of a record (DateText as given), with its line end; nothing when a text
    // would break the line.
    static std::optional<QByteArray> Line(const ScoreRecord& r);

    // Appends every readable line of a file to the table under the player; a missing file
    // adds nothing.
    static LoadResult Load(const QString& path, const QString& player, cScoreTable& table,
                           const cDateForm& form);
    // Reads one line (without its line end) into the table; false when it is no record.
    static bool LoadLine(std::string_view line, uint16_t player, cScoreTable& table, const cDateForm& form);
};

} // namespace solvane
