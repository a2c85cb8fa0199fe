#pragma once
// Plays the program's sounds from its resources (":/sounds/<NAME>.wav") through
// QSoundEffect. Every sound is loaded when the player is made, so the first play is not
// late; playing only starts the sound and returns. A machine without an audio output gets
// a player that stays silent and quiet.
#include "isoundplayer.h"

#include <QHash>
#include <QString>

#include <array>
#include <memory>

class QObject;
class QSoundEffect;

namespace solvane {

class cSoundPlayer final : public iSoundPlayer {
public:
    cSoundPlayer();
    ~cSoundPlayer() override;
    cSoundPlayer(const cSoundPlayer&) = delete;
    cSoundPlayer& operator=(const cSoundPlayer&) = delete;

    // The name is one of START, CARDDOWN, CARDUP, AUTOPLAY, UNDO, WIN, in any letter case;
    // any other name plays nothing.
    void Play(const QString& resource) override;
    // False when no audio output was found; then Play does nothing.
    bool Audible() const { return owner_ != nullptr; }

private:
    // Two voices per sound, so that a sound asked for again while it still rings (a chain
    // of autoplayed cards) starts afresh without cutting the previous one short.
    static constexpr int kVoices = 2;
    struct Voices {
        std::array<QSoundEffect*, kVoices> effects{};
        int next = 0;
    };

    std::unique_ptr<QObject> owner_; // parent of every effect; null when silent
    QHash<QString, Voices> sounds_;
};

} // namespace solvane
