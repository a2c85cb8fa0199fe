#include "mappendline.h"

#include <QDir>
#include <QFile>

namespace solvane {

std::optional<QString> AppendLine(const QString& path, const QByteArray& line)
{
    QFile f(path);
    auto failed = [&f, &path]() {
        return QStringLiteral("%1 cannot be written (%2)").arg(QDir::toNativeSeparators(path), f.errorString());
    };
    if (!f.open(QIODevice::ReadWrite))
        return failed();
    const qint64 size = f.size();
    QByteArray out;
    if (size > 0) {
        char last = 0;
        if (!f.seek(size - 1) || !f.getChar(&last))
            return failed();
        if (last != '\n')
            out = "\r\n";
    }
    out += line;
    if (!f.seek(size) || f.write(out) != out.size() || !f.flush()) {
        const QString why = failed();
        f.resize(size); // take back a part-written line
        return why;
    }
    return std::nullopt;
}

} // namespace solvane
