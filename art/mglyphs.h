#pragma once
// Letters as outlines, sized by their own shape rather than by the font's metrics, so
// that indices and marks look the same whichever serif face the system offers.
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace solvane {

// The text in a bold serif face, scaled so a capital letter fills the box's height, narrowed when
// it would be wider than the box, and centred in the box.
QPainterPath GlyphPath(const QString& text, const QRectF& box);

} // namespace solvane
