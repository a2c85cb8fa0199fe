#include "creplay.h"

#include "cboardset.h"
#include "cdata.h"

namespace solvane {

cReplay::cReplay(cData& data, cBoardSet& boards, QObject* parent)
    : QObject(parent), data_(data), boards_(boards)
{
    for (QTimer* t : {&tmrForward, &tmrBackward})
        t->setInterval(kTickMs);
    connect(&tmrForward, &QTimer::timeout, this, &cReplay::ForwardTick);
    connect(&tmrBackward, &QTimer::timeout, this, &cReplay::BackwardTick);
}

void cReplay::ReplayAll()
{
    int speed = kReplayAllSpeed;
    boards_.Log().UndoAll(speed);
    tmrForward.start();
}

void cReplay::Stop()
{
    stopEnabled_ = false;
    tmrBackward.stop();
    tmrForward.stop();
}

void cReplay::ForwardTick()
{
    tmrBackward.stop();
    stopEnabled_ = true;
    int speed = data_.ReplaySpeed();
    if (!boards_.Log().Redo(speed))
        Stop();
}

void cReplay::BackwardTick()
{
    tmrForward.stop();
    stopEnabled_ = true;
    int speed = data_.ReplaySpeed();
    if (!boards_.Log().Undo(speed))
        Stop();
}

} // namespace solvane
