#pragma once
// Plays one of the program's sounds by its resource name (START, CARDDOWN, CARDUP,
// AUTOPLAY, UNDO, WIN). The settings store decides whether a sound is wanted; this only
// plays it, asynchronously, and never fails loudly.
#include <QString>

namespace solvane {

class iSoundPlayer {
public:
    virtual ~iSoundPlayer() = default;
    virtual void Play(const QString& resource) = 0;
};

} // namespace solvane
