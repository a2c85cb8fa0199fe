#pragma once
// Writing bytes to a file so that a failure says why: a short write is retried, and the
// retry meets the system's reason ("No space left on device").
#include <QByteArray>

class QFileDevice;

namespace solvane {

// Writes all of `bytes` at the present position; false when the file took less (its
// errorString() then names the reason).
bool WriteAll(QFileDevice& file, const QByteArray& bytes);

} // namespace solvane
