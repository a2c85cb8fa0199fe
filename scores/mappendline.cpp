#include "mappendline.h"

#include "mwriteall.h"

#include <QDir>
#include <QFile>

namespace solvane {

namespace {
// The line end that completes a last line cut short: a lone CR needs only its LF.
QByteArray LineEndAfter(char last)
{
    if (last == '\n')
        return {};
    return last == '\r' ? QByteArray("\n") : QByteArray("\r\n");
}
} // namespace

std::optional<QString> AppendLine(const QString& path, const QByteArray& line)
{
    const bool existed = QFile::exists(path);
    // Unbuffered: nothing is left in a buffer to be written later, and taking back a failed
    // line truncates the file instead of first retrying the write.
    QFile f(path);
    auto failed = [&path](const QString& why) {
        return QStringLiteral("%1 cannot be written (%2)").arg(QDir::toNativeSeparators(path), why);
    };
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failed(f.errorString());
    const qint64 size = f.size();
    QByteArray out;
    if (size > 0) {
        char last = 0;
        if (!f.seek(size - 1) || !f.getChar(&last))
            return failed(f.errorString());
        out = LineEndAfter(last);
    }
    out += line;
    if (f.seek(size) && WriteAll(f, out))
        return std::nullopt;
    const QString why = failed(f.errorString());
    // The file goes back to what it was, byte for byte; a file made for this line goes.
    f.resize(size);
    f.close();
    if (!existed)
        QFile::remove(path);
    return why;
}

} // namespace solvane
