#include "cpictures.h"

#include "martlist.h"
#include "martmetrics.h"
#include "mbacks.h"
#include "mfaces.h"
#include "micon.h"
#include "mmarks.h"
#include "mtiles.h"

#include <QPainter>

#include <cmath>

namespace solvane {

namespace {
constexpr double kRatioSteps = 100.0; // ratios closer than 1/100 share a picture
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// A transparent pixmap of a logical size at a ratio, with a painter ready to draw on it.
QPixmap Paint(QSize logical, qreal ratio, const std::function<void(QPainter&)>& draw)
{
    QPixmap pm(QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                     static_cast<int>(std::ceil(logical.height() * ratio))));
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    draw(p);
    return pm;
}

QSize CardSize() { return {kCardPixelWidth, kCardPixelHeight}; }
} // namespace

QPixmap cPictures::Cached(Kind kind, int id, qreal ratio, const Painter& paint)
{
    if (!(ratio > 0))
        ratio = 1.0;
    const auto ratioKey = static_cast<quint64>(std::lround(ratio * kRatioSteps));
    const quint64 key = (quint64(kind) << 56) | (quint64(quint32(id)) << 24) | ratioKey;
    const auto it = cache_.constFind(key);
    if (it != cache_.constEnd())
        return *it;
    QPixmap pm = paint(ratioKey / kRatioSteps);
    cache_.insert(key, pm);
    return pm;
}

QPixmap cPictures::GetPic(int id, qreal ratio)
{
    if (IsTileId(id))
        return Cached(kTile, id, ratio,
                      [id](qreal r) { return QPixmap::fromImage(PaintTile(id, r)); });
    if (IsBackId(id))
        return Cached(kBack, id, ratio, [id](qreal r) {
            return Paint(CardSize(), r, [id](QPainter& p) { PaintBack(p, id); });
        });
    return {};
}

QPixmap cPictures::MainPic(int number, qreal ratio)
{
    if (number < 1 || number > kFacePictures)
        return {};
    const int suit = (number - 1) / kFaceRanks, num = (number - 1) % kFaceRanks;
    return Cached(kFace, number, ratio, [suit, num](qreal r) {
        return Paint(CardSize(), r, [suit, num](QPainter& p) { PaintFace(p, suit, num); });
    });
}

QPixmap cPictures::RightPic(int mark, qreal ratio)
{
    if (mark < 0 || mark >= kMarkPictures)
        return {};
    return Cached(kMark, mark, ratio, [mark](qreal r) {
        return Paint(CardSize(), r, [mark](QPainter& p) { PaintMark(p, mark); });
    });
}

QPixmap cPictures::DeckPic(int deckIndex, qreal ratio)
{
    return GetPic(IsBackId(deckIndex) ? deckIndex : kFallbackDeck, ratio);
}

QPixmap cPictures::IconPic(int size, qreal ratio)
{
    if (size < 1)
        return {};
    return Cached(kIcon, size, ratio, [size](qreal r) {
        return Paint(QSize(size, size), r, [size](QPainter& p) { PaintIcon(p, size); });
    });
}

QIcon cPictures::ProgramIcon()
{
    QIcon icon;
    for (int size : kIconSizes)
        icon.addPixmap(IconPic(size));
    return icon;
}

} // namespace solvane
