#pragma once
// The cards the player holds without dragging them: taken by a click or a key, put down by
// a click or a key on a place that accepts them. Held cards show selected; the places that
// would take them are marked by the table.
#include <QObject>

namespace solvane {

class cArray;
class cData;

class cSelection : public QObject {
    Q_OBJECT
public:
    cSelection(cData& data, cArray& board, QObject* parent = nullptr);

    bool Holding() const { return pic_ >= 0; }
    // The lowest card held, and how many cards lie on it.
    int Pic() const { return pic_; }
    int Count() const { return count_; }

    // Takes the card with every card lying on it, if the player may pick them up.
    bool Take(int pic);
    // Puts what is held on the pile, if the rules accept it there, with the sound of a card
    // put down; what is held is let go either way unless `keepIfRefused`.
    bool PutOn(int cell, int pile, bool keepIfRefused = false);
    void Clear();

signals:
    void Changed();

private:
    cData& data_;
    cArray& board_;
    int pic_ = -1;
    int count_ = 0;
};

} // namespace solvane
