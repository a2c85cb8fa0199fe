#pragma once
// The table as the customize window changes it: its background and its card backs.
#include <cstdint>

namespace solvane {

class iTableLook {
public:
    virtual ~iTableLook() = default;
    virtual void SetBackground(int bgIndex, int fade, int32_t customColor) = 0;
    virtual void ApplyDeckBack(int deckIndex) = 0;
};

} // namespace solvane
