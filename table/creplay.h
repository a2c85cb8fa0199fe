#pragma once
// Replay: steps through the move log by itself, one logged step every half second,
// forwards (redoing) or backwards (undoing).
#include <QObject>
#include <QTimer>

namespace solvane {

class cBoardSet;
class cData;

class cReplay : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 500;
    static constexpr int kReplayAllSpeed = 1;

    cReplay(cData& data, cBoardSet& boards, QObject* parent = nullptr);

    void Forward() { tmrForward.start(); }
    void Back() { tmrBackward.start(); }
    // Takes the whole game back at once, then replays it forwards.
    void ReplayAll();
    void Stop();

    bool Running() const { return tmrForward.isActive() || tmrBackward.isActive(); }
    bool StopEnabled() const { return stopEnabled_; }

    // One tick of each direction (the timers call them; tests may too).
    void ForwardTick();
    void BackwardTick();

    QTimer tmrForward;
    QTimer tmrBackward;

private:
    cData& data_;
    cBoardSet& boards_;
    bool stopEnabled_ = false;
};

} // namespace solvane
