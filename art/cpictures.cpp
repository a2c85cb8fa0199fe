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
#include <limits>

namespace solvane {

namespace {
constexpr double kRatioSteps = 1000.0; // ratios closer than 1/1000 share a picture
constexpr int kRatioBits = 24;
constexpr int kKindShift = 56;
constexpr int kBytesPerKilobyte = 1024;
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// A transparent image of a logical size at a ratio, with a painter ready to draw on it.
QImage Paint(QSize logical, qreal ratio, const std::function<void(QPainter&)>& draw)
{
    QImage img(QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                     static_cast<int>(std::ceil(logical.height() * ratio))),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    draw(p);
    return img;
}

QSize CardSize() { return {kCardPixelWidth, kCardPixelHeight}; }

int Kilobytes(const QPixmap& pm)
{
    const qint64 bytes = qint64(pm.width()) * pm.height() * pm.depth() / 8;
    return static_cast<int>(std::max<qint64>(1, bytes / kBytesPerKilobyte));
}

qreal RatioOf(quint64 key) { return double(key & ((quint64(1) << kRatioBits) - 1)) / kRatioSteps; }
} // namespace

cPictures::cPictures() : cache_(kCacheKilobytes) {}

qreal cPictures::KeptRatio(qreal ratio)
{
    if (!(ratio > 0))
        ratio = 1.0;
    return std::max(1.0, std::round(ratio * kRatioSteps)) / kRatioSteps;
}

quint64 cPictures::Key(Kind kind, int id, qreal ratio)
{
    const auto ratioKey = static_cast<quint64>(std::lround(KeptRatio(ratio) * kRatioSteps));
    return (quint64(kind) << kKindShift) | (quint64(quint32(id)) << kRatioBits) | ratioKey;
}

int cPictures::DeckId(int deckIndex) { return IsBackId(deckIndex) ? deckIndex : kFallbackDeck; }

QImage cPictures::Render(Kind kind, int id, qreal ratio)
{
    ratio = KeptRatio(ratio);
    switch (kind) {
    case kTile:
        return IsTileId(id) ? PaintTile(id, ratio) : QImage();
    case kBack:
        if (!IsBackId(id))
            return {};
        return Paint(CardSize(), ratio, [id](QPainter& p) { PaintBack(p, id); });
    case kFace: {
        if (id < 1 || id > kFacePictures)
            return {};
        const int suit = (id - 1) / kFaceRanks, num = (id - 1) % kFaceRanks;
        return Paint(CardSize(), ratio, [suit, num](QPainter& p) { PaintFace(p, suit, num); });
    }
    case kMark:
        if (id < 0 || id >= kMarkPictures)
            return {};
        return Paint(CardSize(), ratio, [id](QPainter& p) { PaintMark(p, id); });
    case kIcon:
        if (id < 1)
            return {};
        return Paint(QSize(id, id), ratio, [id](QPainter& p) { PaintIcon(p, id); });
    }
    return {};
}

void cPictures::Keep(quint64 key, const QPixmap& pm)
{
    cache_.insert(key, new QPixmap(pm), Kilobytes(pm));
}

QPixmap cPictures::Cached(Kind kind, int id, qreal ratio)
{
    const quint64 key = Key(kind, id, ratio);
    if (const QPixmap* kept = cache_.object(key))
        return *kept;
    const QImage img = Render(kind, id, ratio);
    if (img.isNull())
        return {};
    const QPixmap pm = QPixmap::fromImage(img);
    Keep(key, pm);
    return pm;
}

void cPictures::Adopt(Kind kind, int id, qreal ratio, const QImage& image)
{
    if (!image.isNull())
        Keep(Key(kind, id, ratio), QPixmap::fromImage(image));
}

bool cPictures::Has(Kind kind, int id, qreal ratio) const { return cache_.contains(Key(kind, id, ratio)); }

QPixmap cPictures::Nearest(Kind kind, int id, qreal ratio) const
{
    const quint64 exact = Key(kind, id, ratio);
    if (const QPixmap* kept = cache_.object(exact))
        return *kept;
    const quint64 prefix = exact >> kRatioBits;
    const QPixmap* best = nullptr;
    double distance = std::numeric_limits<double>::max();
    for (const quint64 key : cache_.keys()) {
        if (key >> kRatioBits != prefix)
            continue;
        const double d = std::abs(std::log(RatioOf(key) / KeptRatio(ratio)));
        if (d < distance) {
            distance = d;
            best = cache_.object(key);
        }
    }
    return best ? *best : QPixmap();
}

QPixmap cPictures::GetPic(int id, qreal ratio)
{
    if (IsTileId(id))
        return Cached(kTile, id, ratio);
    if (IsBackId(id))
        return Cached(kBack, id, ratio);
    return {};
}

QPixmap cPictures::MainPic(int number, qreal ratio) { return Cached(kFace, number, ratio); }

QPixmap cPictures::RightPic(int mark, qreal ratio) { return Cached(kMark, mark, ratio); }

QPixmap cPictures::DeckPic(int deckIndex, qreal ratio) { return GetPic(DeckId(deckIndex), ratio); }

QPixmap cPictures::IconPic(int size, qreal ratio) { return Cached(kIcon, size, ratio); }

QIcon cPictures::ProgramIcon()
{
    QIcon icon;
    for (int size : kIconSizes)
        icon.addPixmap(IconPic(size));
    return icon;
}

} // namespace solvane
