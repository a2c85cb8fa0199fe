#pragma once
// The program's pictures: card faces, backs, pile marks, background tiles and the icon.
// Every picture is painted by our own code at the asked pixel ratio (device pixels per
// logical pixel) and kept, so asking again costs a look-up. The pictures kept are bounded
// by their size in memory, the least recently used going first, so a table shown at many
// sizes in turn keeps only what it shows.
#include <QCache>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <functional>

namespace solvane {

constexpr int kFacePictures = 52;
constexpr int kMarkPictures = 15;
constexpr int kMarkRandom = 13;
constexpr int kMarkAny = 14;

class cPictures {
public:
    enum Kind : quint8 { kTile, kBack, kFace, kMark, kIcon };
    // About six full sets of the table's pictures on a 4K screen.
    static constexpr int kCacheKilobytes = 256 * 1024;

    cPictures();
    cPictures(const cPictures&) = delete;
    cPictures& operator=(const cPictures&) = delete;

    // A picture by resource number: background tiles 1..73 and card backs 501..544 of the
    // art list; a null pixmap for a number without a picture.
    QPixmap GetPic(int id, qreal ratio = 1.0);
    // Card face by picture number Suit x 13 + Num + 1 (1..52); null outside.
    QPixmap MainPic(int number, qreal ratio = 1.0);
    // Empty-pile mark 0..14 (Ace..King, random, any card); null outside.
    QPixmap RightPic(int mark, qreal ratio = 1.0);
    // The card back of a deck choice; an unknown choice shows the default back.
    QPixmap DeckPic(int deckIndex, qreal ratio = 1.0);
    // The program icon, `size` logical pixels a side.
    QPixmap IconPic(int size, qreal ratio = 1.0);
    // The icon at every size the window system asks for.
    QIcon ProgramIcon();

    // The resource number a deck choice shows (the default back for an unknown choice).
    static int DeckId(int deckIndex);
    // Paints a picture without the cache; safe to call from any thread. A null image for
    // an id without a picture.
    static QImage Render(Kind kind, int id, qreal ratio);
    // The ratio a picture asked for at `ratio` is painted and kept at.
    static qreal KeptRatio(qreal ratio);
    // Keeps a picture painted elsewhere (by Render) as if it had been asked for.
    void Adopt(Kind kind, int id, qreal ratio, const QImage& image);
    bool Has(Kind kind, int id, qreal ratio) const;
    // The picture kept at this ratio, or failing that the one kept at the nearest other
    // ratio, or a null pixmap: something to show at once while the right one is painted.
    QPixmap Nearest(Kind kind, int id, qreal ratio) const;

    // Forgets every painted picture.
    void Clear() { cache_.clear(); }
    qsizetype CachedCount() const { return cache_.size(); }

private:
    QPixmap Cached(Kind kind, int id, qreal ratio);
    void Keep(quint64 key, const QPixmap& pm);
    static quint64 Key(Kind kind, int id, qreal ratio);

    QCache<quint64, QPixmap> cache_;
};

} // namespace solvane
