#include "ckeyplay.h"

#include "carray.h"
#include "cdata.h"
#include "cselection.h"

#include <algorithm>
#include <cmath>

namespace solvane {

namespace {
constexpr int kUpperRow = 0;
constexpr int kLowerRow = 1;
} // namespace

cKeyPlay::cKeyPlay(cData& data, cArray& board, cSelection& selection, QObject* parent)
    : QObject(parent), data_(data), board_(board), selection_(selection)
{
}

std::vector<PileAddress> cKeyPlay::Row(int row) const
{
    std::vector<PileAddress> places;
    const auto add = [&](int cell) {
        for (int pile = 0; pile < board_.Games().Piles(cell); ++pile)
            places.push_back({cell, pile});
    };
    if (row == kUpperRow) {
        add(kReserve);
        add(kFoundation);
        // Along the row as the places stand on the table.
        std::stable_sort(places.begin(), places.end(), [this](const PileAddress& a, const PileAddress& b) {
            return board_.CordX(a.Cell, a.Pile, 0) < board_.CordX(b.Cell, b.Pile, 0);
        });
    } else {
        add(kTableau);
    }
    return places;
}

PileAddress cKeyPlay::Focus() const
{
    const auto row = Row(row_);
    if (row.empty())
        return {kTableau, 0};
    return row[size_t(std::clamp<int>(index_, 0, int(row.size()) - 1))];
}

void cKeyPlay::HideFocus()
{
    if (!shown_)
        return;
    shown_ = false;
    emit FocusChanged();
}

bool cKeyPlay::Key(int key, Qt::KeyboardModifiers modifiers)
{
    if (!data_.GameRunning())
        return false;
    const bool wasShown = shown_;
    shown_ = true;
    switch (key) {
    case Qt::Key_Left: MoveAlong(-1); break;
    case Qt::Key_Right: MoveAlong(1); break;
    case Qt::Key_Up: MoveAcross(kUpperRow); break;
    case Qt::Key_Down: MoveAcross(kLowerRow); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The first key only shows where the focus is.
        if (wasShown)
            TakeOrPut(modifiers & Qt::ShiftModifier);
        break;
    case Qt::Key_Escape:
        selection_.Clear();
        break;
    default:
        shown_ = wasShown;
        return false;
    }
    emit FocusChanged();
    return true;
}

void cKeyPlay::MoveAlong(int step)
{
    const int n = int(Row(row_).size());
    if (n > 0)
        index_ = (std::clamp(index_, 0, n - 1) + step + n) % n;
}

void cKeyPlay::MoveAcross(int row)
{
    if (row == row_ || Row(row).empty())
        return;
    // To the place of the other row that stands nearest across.
    const PileAddress from = Focus();
    const double x = board_.CordX(from.Cell, from.Pile, 0);
    const auto places = Row(row);
    const auto nearest = std::min_element(places.begin(), places.end(), [&](const PileAddress& a, const PileAddress& b) {
        return std::abs(board_.CordX(a.Cell, a.Pile, 0) - x) < std::abs(board_.CordX(b.Cell, b.Pile, 0) - x);
    });
    row_ = row;
    index_ = int(nearest - places.begin());
}

int cKeyPlay::OneMore() const
{
    const int pic = selection_.Pic();
    if (board_.CardCell(pic) != kTableau || board_.CardPos(pic) == 0)
        return -1;
    const int below = board_.GetPicID(kTableau, board_.CardPile(pic), board_.CardPos(pic) - 1);
    int count = 0;
    return CanPickUp(board_, below, count) ? below : -1;
}

void cKeyPlay::TakeOrPut(bool longestRun)
{
    const PileAddress at = Focus();
    if (selection_.Holding()) {
        const int pic = selection_.Pic();
        // On the pile it came from: one card more, if that may move.
        if (board_.CardCell(pic) == at.Cell && board_.CardPile(pic) == at.Pile) {
            const int more = OneMore();
            if (more < 0 || !selection_.Take(more))
                emit Refused(pic);
            return;
        }
        if (!selection_.PutOn(at.Cell, at.Pile, true))
            emit Refused(pic);
        return;
    }
    const int top = board_.GetTop(at.Cell, at.Pile);
    if (top < 0)
        return;
    int pic = board_.GetPicID(at.Cell, at.Pile, top);
    // The longest run that may move: the lowest card that may be taken with all on it.
    for (int pos = top - 1; longestRun && at.Cell == kTableau && pos >= 0; --pos) {
        int count = 0;
        const int lower = board_.GetPicID(at.Cell, at.Pile, pos);
        if (!CanPickUp(board_, lower, count))
            break;
        pic = lower;
    }
    if (!selection_.Take(pic))
        emit Refused(pic);
}

} // namespace solvane
