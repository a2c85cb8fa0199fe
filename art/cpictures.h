#pragma once
// The program's pictures: card faces, backs, pile marks, background tiles and the icon.
// Every picture is painted by our own code on first use at the asked pixel ratio (device
// pixels per logical pixel) and kept, so asking again costs a look-up.
#include <QHash>
#include <QIcon>
#include <QPixmap>

#include <functional>

namespace solvane {

constexpr int kFacePictures = 52;
constexpr int kMarkPictures = 15;
constexpr int kMarkRandom = 13;
constexpr int kMarkAny = 14;

class cPictures {
public:
    cPictures() = default;
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

    // Forgets every painted picture.
    void Clear() { cache_.clear(); }
    qsizetype CachedCount() const { return cache_.size(); }

private:
    enum Kind : quint8 { kTile, kBack, kFace, kMark, kIcon };
    using Painter = std::function<QPixmap(qreal ratio)>;
    QPixmap Cached(Kind kind, int id, qreal ratio, const Painter& paint);

    QHash<quint64, QPixmap> cache_;
};

} // namespace solvane
