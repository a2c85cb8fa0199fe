#pragma once
// The log of the moves of the current game, with undo, redo and groups.
#include <cstdint>
#include <string>
#include <vector>

namespace solvane {

class cArray;

class cTrans {
public:
    struct Record {
        int16_t PicID = 0;
        int16_t SCell = 0, SPile = 0, SPos = 0;
        int16_t DCell = 0, DPile = 0, DPos = 0;
        int16_t mCards = 0;
        int32_t tMod = 0;
        int32_t Group = 0;
    };

    enum class RowKind { Done, Current, Redoable };
    struct HistoryRow {
        int Number = 0;
        std::string Source;
        std::string Destination;
        int Cards = 0;
        RowKind Kind = RowKind::Done;
    };

    static constexpr int kCapacityStep = 100;
    static constexpr int kMaxMoves = 32767;

    explicit cTrans(cArray& board) : board_(board) {}

    void SaveTrans(int pic, int dCell, int dPile, int dPos, int mCards, int32_t tMod);
    bool Undo(int& speed);
    bool Redo(int& speed);
    void UndoAll(int& speed);
    void RedoAll(int& speed);
    bool UndoPossible() const { return current_ > 0; }
    bool RedoPossible() const { return current_ < total_; }
    int GetTransID() const { return current_; }
    int Total() const { return total_; }
    int Capacity() const { return capacity_; }
    void StartMulti() { openGroup_ = 1; }
    void EndMulti();
    // 1-based; record 0 holds no move.
    const Record& At(int i) const { return records_.at(i); }
    // The moves made so far and those that may be redone, 1..Total().
    std::vector<Record> Records() const { return {records_.begin() + 1, records_.begin() + 1 + total_}; }
    // Takes over moves kept from an earlier run, none of them made yet: Redo makes them.
    // False, changing nothing, when there are more than the log holds.
    bool Restore(const std::vector<Record>& records);
    // Whether the next move to redo may be made on the board as it stands: its card lies
    // where the move takes it from, with the cards it carries, and its place is free.
    bool NextRedoFits() const;

    static std::string ConvertCell(int cell);
    // The rows of the history list, one per logged move.
    std::vector<HistoryRow> HistoryRows() const;

private:
    cArray& board_;
    std::vector<Record> records_ = std::vector<Record>(kCapacityStep + 1);
    int capacity_ = kCapacityStep;
    int current_ = 0;
    int total_ = 0;
    int32_t openGroup_ = 0;
};

} // namespace solvane
