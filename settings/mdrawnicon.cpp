#include "mdrawnicon.h"

#include <QPainter>
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

} // namespace solvane
