#include "mdrawnicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace solvane {

namespace {
constexpr int kSizes[] = {16, 24, 32, 48, 64};
} // namespace

QIcon DrawnIcon(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (int size : kSizes) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(static_cast<qreal>(size) / kIconGrid, static_cast<qreal>(size) / kIconGrid);
        draw(p);
        p.end();
        icon.addPixmap(pm, QIcon::Normal);
        icon.addPixmap(pm, QIcon::Selected);
    }
    return icon;
}

QIcon PlayerIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(30, 70, 130), 0.8));
        p.setBrush(QColor(90, 150, 220));
        p.drawEllipse(QRectF(5, 1.5, 6, 6));
        QPainterPath body;
        body.moveTo(2, 15);
        body.cubicTo(2, 8.5, 14, 8.5, 14, 15);
        body.closeSubpath();
        p.drawPath(body);
    });
}

} // namespace solvane
