#include "cselection.h"

#include "carray.h"
#include "cdata.h"
#include "mplaymove.h"
#include "mrules.h"

namespace solvane {

cSelection::cSelection(cData& data, cArray& board, QObject* parent) : QObject(parent), data_(data), board_(board) {}

bool cSelection::Take(int pic)
{
    int count = 0;
    if (!data_.GameRunning() || !CanPickUp(board_, pic, count))
        return false;
    pic_ = pic;
    count_ = count;
    emit Changed();
    return true;
}

bool cSelection::PutOn(int cell, int pile, bool keepIfRefused)
{
    if (!Holding() || !data_.GameRunning())
        return false;
    const int pic = pic_, count = count_;
    const bool moved = Accepts(board_, pic, count, cell, pile);
    if (!moved && keepIfRefused)
        return false;
    Clear(); // let go before the move, so that the move's reports find nothing held
    if (!moved || !PlayMove(board_, pic, count, cell, pile))
        return false;
    data_.PlaySound(QStringLiteral("CardUp"));
    return true;
}

void cSelection::Clear()
{
    if (!Holding())
        return;
    pic_ = -1;
    count_ = 0;
    emit Changed();
}

} // namespace solvane
