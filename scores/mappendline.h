#pragma once
// Appending one record to a data file: the line goes out whole, so a crash loses at most
// that record; a failed write is taken back, leaving the file byte for byte as it was.
#include <QByteArray>
#include <QString>

#include <optional>

namespace solvane {

// Appends `line` (which ends with its line end), creating the file when missing. A file
// whose last line lacks its line end gets one first (an LF after a lone CR), so the new
// record stands on a line of its own and the line before stays readable. Gives the
// system's reason when the line could not be written; a file made for it is removed.
std::optional<QString> AppendLine(const QString& path, const QByteArray& line);

} // namespace solvane
