#pragma once
// Drawing a card-sized picture on the table: pixel for pixel when the picture was painted
// for the size shown (the common case, and the fast one), smoothly scaled otherwise (for the
// moment a new size takes to paint).
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace solvane {

void DrawItemPicture(QPainter& p, const QPixmap& pm, const QRectF& target);

// The outline of a card or placeholder of the given size in twips: rounded like the art,
// so a click on a transparent corner falls through to what lies beneath.
QPainterPath CardOutline(const QRectF& rect);

} // namespace solvane
