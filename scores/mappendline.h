#pragma once
// Appending one record to a data file: the line goes out whole and is flushed, so a
// crash loses at most that record; a failed write is taken back.
#include <QByteArray>
#include <QString>

#include <optional>

namespace solvane {

// Appends `line` (which ends with its line end), creating the file when missing. A file
// whose last line lacks its line end gets one first, so the new record stands on a line
// of its own. Gives the reason when the line could not be written.
std::optional<QString> AppendLine(const QString& path, const QByteArray& line);

} // namespace solvane
