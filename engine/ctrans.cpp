#include "ctrans.h"

#include "carray.h"

#include <algorithm>
#include <stdexcept>

namespace solvane {

namespace {
constexpr int kSilentSpeed = 4; // at this speed or below, undo and redo make no sound

std::string AddressText(int cell, int pile, int pos)
{
    return cTrans::ConvertCell(cell) + " (Pile " + std::to_string(pile + 1) + ", Card " +
           std::to_string(pos + 1) + ")";
}
} // namespace

void cTrans::SaveTrans(int pic, int dCell, int dPile, int dPos, int mCards, int32_t tMod)
{
    if (current_ >= kMaxMoves)
        throw std::overflow_error("the move log is full");
    ++current_;
    total_ = current_;
    if (current_ > capacity_) {
        capacity_ += kCapacityStep;
        records_.resize(capacity_ + 1);
    }
    const cCard& c = board_.Card(pic);
    records_[current_] = {int16_t(pic), c.Cell, c.Pile, c.Pos, int16_t(dCell), int16_t(dPile),
                          int16_t(dPos), int16_t(mCards), tMod, openGroup_};
}

bool cTrans::Restore(const std::vector<Record>& records)
{
    if (records.size() > size_t(kMaxMoves))
        return false;
    capacity_ = (int(records.size()) / kCapacityStep + 1) * kCapacityStep;
    records_.assign(capacity_ + 1, Record{});
    std::copy(records.begin(), records.end(), records_.begin() + 1);
    total_ = int(records.size());
    current_ = 0;
    openGroup_ = 0;
    return true;
}

bool cTrans::NextRedoFits() const
{
    if (current_ >= total_)
        return false;
    const Record& r = records_[current_ + 1];
    if (r.PicID < 0 || r.PicID >= kDeckCards || r.DCell < 0 || r.DCell >= kBoardCells || r.DPile < 0 ||
        r.DPile >= board_.Games().Piles(r.DCell) || (r.SCell == r.DCell && r.SPile == r.DPile))
        return false;
    const cCard& c = board_.Card(r.PicID);
    return c.Cell == r.SCell && c.Pile == r.SPile && c.Pos == r.SPos &&
           r.mCards == board_.GetTop(r.SCell, r.SPile) - r.SPos && r.DPos == board_.GetTop(r.DCell, r.DPile) + 1 &&
           r.Group >= 0 && r.Group <= 1;
}

void cTrans::EndMulti()
{
    records_[current_].Group = 0;
    openGroup_ = 0;
}

bool cTrans::Undo(int& speed)
{
    for (;;) {
        if (current_ < 1)
            return false;
        const Record r = records_[current_];
        if (r.Group == 1)
            speed = kSilentSpeed;
        if (speed > kSilentSpeed)
            board_.SoundDue("Undo");
        if (r.tMod == kModeUncover)
            board_.SetFace(board_.GetPicID(r.SCell, r.SPile, r.SPos - 1), kFaceDown);
        board_.Move(r.PicID, r.SCell, r.SPile, r.SPos, kModeReplay, speed, r.mCards, false);
        if (r.tMod == kModeTurnUp)
            board_.SetFace(r.PicID, kFaceDown);
        else if (r.tMod == kModeTurnDown)
            board_.SetFace(r.PicID, kFaceUp);
        --current_;
        if (records_[current_].Group != 1)
            return true;
    }
}

bool cTrans::Redo(int& speed)
{
    for (;;) {
        if (current_ == total_)
            return false;
        if (records_[current_].Group == 1)
            speed = kSilentSpeed;
        ++current_;
        const Record r = records_[current_];
        if (speed > kSilentSpeed)
            board_.SoundDue("Redo");
        board_.Move(r.PicID, r.DCell, r.DPile, r.DPos, kModeReplay, speed, r.mCards, false);
        if (r.tMod == kModeUncover)
            board_.SetFace(board_.GetPicID(r.SCell, r.SPile, r.SPos - 1), kFaceUp);
        else if (r.tMod == kModeTurnUp)
            board_.SetFace(r.PicID, kFaceUp);
        else if (r.tMod == kModeTurnDown)
            board_.SetFace(r.PicID, kFaceDown);
        if (r.Group != 1)
            return true;
    }
}

void cTrans::UndoAll(int& speed)
{
    while (current_ >= 1)
        Undo(speed);
}

void cTrans::RedoAll(int& speed)
{
    while (current_ < total_)
        Redo(speed);
}

std::string cTrans::ConvertCell(int cell)
{
    static const char* const kNames[] = {"Tableau", "Stock", "Waste", "Foundation", "Reserve"};
    if (cell < 0 || cell > 4)
        return {};
    return kNames[cell];
}

std::vector<cTrans::HistoryRow> cTrans::HistoryRows() const
{
    std::vector<HistoryRow> rows;
    rows.reserve(total_);
    for (int i = 1; i <= total_; ++i) {
        const Record& r = records_[i];
        const RowKind kind = i == current_ ? RowKind::Current
                             : i > current_ ? RowKind::Redoable
                                            : RowKind::Done;
        rows.push_back({i, AddressText(r.SCell, r.SPile, r.SPos),
                        AddressText(r.DCell, r.DPile, r.DPos), r.mCards + 1, kind});
    }
    return rows;
}

} // namespace solvane
