#pragma once
// The favourites file "kdt.fav": one remembered deal per line, "game name",game number,
// shared by all players, only ever appended; and the list loaded from it.
#include "scorerecord.h"

#include <QString>

#include <optional>
#include <vector>

namespace solvane {

class cFavourites {
public:
    // The file in a data folder (a path ending with a separator).
    explicit cFavourites(const QString& dataDir);

    QString Path() const { return path_; }

    // Loads the file afresh; a missing file loads nothing. False when it exists but
    // cannot be read.
    bool Open();
    // Appends one favourite to the file; the loaded list stays as it is.
    std::optional<QString> Add(const QString& name, const cGameNo& no);
    int Top() const { return static_cast<int>(list_.size()); }
    // 1 .. Top().
    FavRecord Get(int i) const;
    void Close() { list_.clear(); }
    // Deletes the file if it exists.
    std::optional<QString> Clear();
    // Lines of the last load that were not favourites.
    int Skipped() const { return skipped_; }

    static std::optional<QByteArray> Line(const QString& name, const cGameNo& no);

private:
    QString path_;
    std::vector<FavRecord> list_;
    int skipped_ = 0;
};

} // namespace solvane
