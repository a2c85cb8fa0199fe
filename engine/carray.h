#pragma once
// The board: which card lies where. Every other part reads the table through these
// queries and changes it only through MoveCard.
#include "ccard.h"
#include "cgames.h"
#include "crandom.h"

#include <array>
#include <cstdint>
#include <vector>

namespace solvane {

class cTrans;
class iBoardHost;
class iBoardObserver;

// Move modes of MoveCard.
enum MoveMode : int32_t {
    kModeNormal = 0,
    kModeTurnUp = 1,
    kModeTurnDown = 2,
    kModeUncover = 3,
    kModeReplay = 4,
    kModeDeal = 5,
};

constexpr int kBoardCells = 5;
constexpr int kBoardPiles = 21;
constexpr int kDeckCards = 52;
constexpr int kEmpty = -1;

class cArray {
public:
    explicit cArray(cGames& games);

    cGames& Games() { return games_; }
    const cGames& Games() const { return games_; }

    void SetLog(cTrans* log) { log_ = log; }
    cTrans* Log() const { return log_; }
    void SetHost(iBoardHost* host) { host_ = host; }
    iBoardHost* Host() const { return host_; }
    void SetObserver(iBoardObserver* observer) { observer_ = observer; }
    iBoardObserver* Observer() const { return observer_; }

    // Takes over another board's cards and piles (not its game, log, host or observer).
    void CopyStateFrom(const cArray& other);

    // Dealing: (re)creates the board for the current game and shuffles from the number.
    void Init(double gameNo);
    void RandomInit(double gameNo);
    cRandom& Generator() { return rng_; }

    // Queries.
    int16_t GetTop(int cell, int pile) const;
    int16_t GetPicID(int cell, int pile, int pos) const;
    int16_t GetTopPicID(int cell, int pile) const { return GetPicID(cell, pile, GetTop(cell, pile)); }
    int16_t GetRandom(int pic) const;
    int TotalGoalCards() const;
    int ClosedCards(int pile) const;
    int EmptyPiles(int cell) const;
    bool SlotHit(int pic, int cell, int pile, int pos, int mode) const;

    // The rank that may start an empty foundation.
    int16_t BaseRank() const { return baseRank_; }
    void SetBaseRank(int16_t r) { baseRank_ = r; }

    // The card objects and their helpers.
    const cCard& Card(int pic) const;
    cCard& Card(int pic);
    int CardCell(int pic) const { return Card(pic).Cell; }
    int CardPile(int pic) const { return Card(pic).Pile; }
    int CardPos(int pic) const { return Card(pic).Pos; }
    int CardNum(int pic) const { return Card(pic).Num; }
    int CardSuit(int pic) const { return Card(pic).Suit; }
    int CardSuitPile(int pic) const { return Card(pic).Suitpile; }
    int CardColor(int pic) const { return Card(pic).Color(); }
    int CardFace(int pic) const { return Card(pic).FaceMode; }
    int CardLeft(int pic) const;
    int CardTop(int pic) const;
    int TotalCards() const { return games_.TotalCards(); }

    // Turns a card where it lies.
    void SetFace(int pic, int faceMode);
    // Puts a card at a table position at once (dragging).
    void PositionCard(int pic, double left, double top);
    // Sends a card to a table position in `steps` animation steps (a refused drop going
    // back); its place on the board does not change.
    void SlideCard(int pic, int left, int top, int steps);
    // Table coordinates of a slot, taking the pile's closed cards into account, and for a
    // tableau pile that would reach below the tableau's bottom, its closer spacing.
    int CordX(int cell, int pile, int pos) const { return games_.GetCordX(cell, pile, pos); }
    int CordY(int cell, int pile, int pos) const;
    // The table coordinate the tableau piles must end above (0: none, the layout's spacing
    // throughout). A pile whose last card would reach below it lies closer, its cards
    // spaced evenly closer so that the last one ends at the bottom; a pile that fits keeps
    // the layout's positions. Cards whose places change are reported to the observer.
    void SetTableauBottom(int bottom);
    int TableauBottom() const { return tableauBottom_; }

    // The one operation that changes the board.
    void MoveCard(int pic, int dCell, int dPile, int dPos, int32_t& tMod, int speed, int mCards,
                  bool dFace);
    // The same with the mode passed by value; gives the mode the move ended with.
    int32_t Move(int pic, int dCell, int dPile, int dPos, int32_t tMod, int speed, int mCards = 0,
                 bool dFace = false)
    {
        MoveCard(pic, dCell, dPile, dPos, tMod, speed, mCards, dFace);
        return tMod;
    }
    void AddtoWaste(int pic);
    void MoveWasteStock();

    // Reports a sound to the view, in sequence with the moves.
    void SoundDue(const char* kind) const;

private:
    void PlaceCard(int pic, int dCell, int dPile, int dPos, int32_t tMod, int speed, bool dFace);
    int16_t& Slot(int cell, int pile, int pos);
    int16_t Slot(int cell, int pile, int pos) const;
    static void CheckCellPile(int cell, int pile);
    // Puts the cards of a tableau pile at their places again after its spacing changed.
    void RespacePile(int pile);

    cGames& games_;
    cTrans* log_ = nullptr;
    iBoardHost* host_ = nullptr;
    iBoardObserver* observer_ = nullptr;
    cRandom rng_;
    int positions_ = kDeckCards + 1;
    std::vector<int16_t> board_;
    std::array<std::array<int16_t, kBoardPiles>, kBoardCells> top_{};
    std::vector<int16_t> random_;
    std::array<cCard, kDeckCards> cards_{};
    int16_t baseRank_ = 0;
    int tableauBottom_ = 0;
    // During a move onto a tableau pile: the pile and its top once the move is done, so that
    // its spacing is reckoned for every card it will hold.
    int growingPile_ = kEmpty;
    int growingTop_ = kEmpty;
};

} // namespace solvane
