#pragma once
// The 52 card faces, 71 x 96 logical pixels each.
class QPainter;
class QString;

namespace solvane {

constexpr int kFaceRanks = 13;
constexpr int kJack = 10;
constexpr int kQueen = 11;

// Paints the face of rank num (0 Ace .. 12 King) of a suit (0 Clubs, 1 Diamonds,
// 2 Spades, 3 Hearts) into the box (0, 0, 71, 96); the corners outside the rounded card
// stay untouched.
void PaintFace(QPainter& p, int suit, int num);

// The index text of a rank: "A", "2" .. "10", "J", "Q", "K".
QString RankText(int num);

} // namespace solvane
