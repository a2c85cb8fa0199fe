#pragma once
// One of the 52 card objects of the table: its value attributes, face, board address and
// position on the table in twips. Plain data; the view mirrors it.
#include <cstdint>

namespace solvane {

// A card is 71 x 96 pixels, at 15 twips to the pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kCardWidth = 1065;
constexpr int kCardHeight = 1440;
constexpr int kRanks = 13;
constexpr int kSuits = 4;
constexpr int kKing = 12;
constexpr int kFaceUp = 0;
constexpr int kFaceDown = 1;

struct cCard {
    int16_t Num = 0;      // 0 = Ace ... 12 = King
    int16_t Suit = 0;     // 0 Clubs, 1 Diamonds, 2 Spades, 3 Hearts
    int16_t Suitpile = 0; // card value \ 13
    int32_t FaceMode = kFaceDown;
    int16_t Cell = 0;
    int16_t Pile = 0;
    int16_t Pos = 0;
    bool Selected = false;
    bool Visible = false;
    double Left = 0; // twips
    double Top = 0;

    // 1 for the black suits (0 and 2), 2 for the red ones.
    int Color() const { return (Suit == 0 || Suit == 2) ? 1 : 2; }
    // The face picture number of the deck, 1..52.
    int FacePicture() const { return Suit * kRanks + Num + 1; }
};

} // namespace solvane
