#include "mnames.h"

#include <QRegularExpression>

namespace solvane {

namespace {
// Device names that no file may carry on Windows, with or without an extension.
bool IsReservedDeviceName(const QString& name)
{
    static const QRegularExpression kReserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return kReserved.match(name).hasMatch();
}
} // namespace

std::optional<QString> NameProblem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("the name is empty");
    if (name.size() > kMaxNameLength)
        return QStringLiteral("the name is longer than %1 characters").arg(kMaxNameLength);
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            return QStringLiteral("the name holds a control character");
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            return QStringLiteral("the name holds the character %1").arg(c);
    }
    const QChar first = name.front(), last = name.back();
    if (first == u' ' || last == u' ' || first == u'.' || last == u'.')
        return QStringLiteral("the name begins or ends with a blank or a dot");
    if (IsReservedDeviceName(name))
        return QStringLiteral("the name is reserved for a device");
    return std::nullopt;
}

std::optional<QString> InvalidNameMessage(const QString& name)
{
    const QString invalid = QStringLiteral("Please Enter a Valid Name");
    if (name.isEmpty())
        return invalid;
    auto why = NameProblem(name);
    if (!why)
        return std::nullopt;
    QString reason = *why;
    reason[0] = reason[0].toUpper();
    return QStringLiteral("%1\n\n%2.").arg(invalid, reason);
}

} // namespace solvane
