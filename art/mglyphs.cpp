#include "mglyphs.h"

#include <QFont>
#include <QTransform>

#include <algorithm>

namespace solvane {

namespace {
constexpr int kDesignPixelSize = 100;
// Two-figure ranks sit a little closer than the font spaces them.
constexpr double kLetterSpacing = -6.0;
constexpr double kTailAllowance = 1.08;

QFont IndexFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Georgia"),
                   QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    f.setStyleHint(QFont::Serif, QFont::PreferOutline);
    f.setPixelSize(kDesignPixelSize);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, kLetterSpacing);
    return f;
}
} // namespace

QPainterPath GlyphPath(const QString& text, const QRectF& box)
{
    static const QFont font = IndexFont();
    // Capital height and top of the face: every text is scaled alike, so the letters match;
    // only a tail (Q, J) that would reach far below the box shrinks its letter a little.
    static const QRectF cap = [] {
        QPainterPath h;
        h.addText(0, 0, font, QStringLiteral("H"));
        return h.boundingRect();
    }();
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty() || box.isEmpty() || cap.isEmpty())
        return {};
    const double sy = std::min(box.height() / cap.height(),
                               kTailAllowance * box.height() / (ink.bottom() - cap.top()));
    const double sx = std::min(sy, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.top());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -cap.top());
    return t.map(path);
}

} // namespace solvane
