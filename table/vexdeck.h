#pragma once
// The deck the deal is dealt from: the edges of the cards still in it, showing behind the
// top card, so that the source of the deal reads as a pack of cards and not as a card
// lying in the first free cell. It draws only; the cards themselves are the card items.
#include <QGraphicsItem>

namespace solvane {

class VexDeck : public QGraphicsItem {
public:
    // Twips the edges reach out from the top card at most, and between two edges.
    static constexpr int kMaxReach = 180;
    static constexpr int kEdgeStep = 15;
    static constexpr int kCardsPerEdge = 4;

    VexDeck();
    // The number of cards in the deck; none hides it.
    void SetCards(int cards);
    int Edges() const { return edges_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int edges_ = 0;
};

} // namespace solvane
