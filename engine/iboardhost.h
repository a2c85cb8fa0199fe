#pragma once
// What the board asks of the program around it: the autoplay switch, whether a game is
// running, and the win check that follows every move of a running game.
namespace solvane {

class iBoardHost {
public:
    virtual ~iBoardHost() = default;
    virtual bool AutoplayOn() const { return false; }
    virtual bool GameRunning() const { return false; }
    virtual void WinCheck() {}
};

} // namespace solvane
