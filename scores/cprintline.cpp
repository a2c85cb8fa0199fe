#include "cprintline.h"

#include "cgameno.h"

namespace solvane {

cPrintLine& cPrintLine::Column(const QString& text)
{
    const qsizetype n = text_.size();
    const qsizetype stop = (n + kZoneWidth - 1) / kZoneWidth * kZoneWidth;
    text_ += QString(stop - n, u' ');
    text_ += text;
    return *this;
}

cPrintLine& cPrintLine::Adjacent(const QString& text)
{
    text_ += text;
    return *this;
}

QString cPrintLine::NumberText(int64_t n)
{
    return (n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
           QString::number(n < 0 ? -static_cast<uint64_t>(n) : static_cast<uint64_t>(n)) + u' ';
}

QString cPrintLine::NumberText(double v)
{
    return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + cGameNo::NumberText(v < 0 ? -v : v) + u' ';
}

} // namespace solvane
