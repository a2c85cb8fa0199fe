#include "cgameno.h"

#include <QLocale>

#include <cmath>

namespace solvane {

cGameNo cGameNo::FromText(const QString& text)
{
    cGameNo g;
    g.text_ = text;
    g.isText_ = true;
    return g;
}

bool cGameNo::ParseNumber(const QString& text, double& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

double cGameNo::Value() const
{
    if (!isText_)
        return number_;
    double v = 0;
    return ParseNumber(text_, v) ? v : 0;
}

QString cGameNo::NumberText(double v)
{
    if (v == std::floor(v) && std::fabs(v) < 1e18)
        return QString::number(static_cast<long long>(v));
    QString s = QString::number(v, 'f', 15);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s;
}

QString cGameNo::Text() const { return isText_ ? text_ : NumberText(number_); }

} // namespace solvane
