#pragma once
// What the board tells the view. The board never draws: it reports each change in the
// order it happened, and the view animates them one after another.
namespace solvane {

class iBoardObserver {
public:
    virtual ~iBoardObserver() = default;
    // A card was brought to the front, shown, and sent to (x, y) twips in `steps` animation
    // steps (0 or less: a jump).
    virtual void CardPlaced(int /*pic*/, int /*x*/, int /*y*/, int /*steps*/) {}
    // A card's face changed (0 up, 1 down); it turns where it stands at that point.
    virtual void CardTurned(int /*pic*/, int /*faceMode*/) {}
    // A card was put at (left, top) at once, without animation (dragging).
    virtual void CardPositioned(int /*pic*/, double /*left*/, double /*top*/) {}
    // The cards got their values for a new deal.
    virtual void CardValuesSet() {}
    // A card of the deal has been laid; the window may process its events.
    virtual void DealStep() {}
    // An empty-pile mark is shown at (x, y) with the given mark number.
    virtual void PlaceholderShown(int /*cell*/, int /*pile*/, int /*x*/, int /*y*/, int /*mark*/) {}
    // Every card and mark left the table.
    virtual void TableCleared() {}
    // A sound of the given kind is due at this point of the sequence.
    virtual void SoundDue(const char* /*kind*/) {}
};

} // namespace solvane
