#pragma once
// The services of one run, created once by the entry procedure and handed to the windows
// that need them. Tests make a fresh set of their own.
#include "cboardset.h"
#include "ccustom.h"
#include "cdata.h"
#include "clifecycle.h"
#include "cmouseplay.h"
#include "cpictures.h"
#include "creplay.h"
#include "crandom.h"
#include "cscore.h"

#include <memory>

namespace solvane {

class iPrompt;

class cServices {
public:
    // Takes over the settings store, which the entry procedure creates first.
    cServices(std::unique_ptr<cData> data, iPrompt& prompt);
    cServices(const cServices&) = delete;
    cServices& operator=(const cServices&) = delete;

    cData& Data() { return *data_; }
    cBoardSet& Boards() { return boards_; }
    cArray& Board() { return boards_.Board(); }
    cCustom& Custom() { return custom_; }
    cScore& Score() { return score_; }
    cPictures& Pictures() { return pictures_; }
    cLifecycle& Lifecycle() { return lifecycle_; }
    cReplay& Replay() { return replay_; }
    cMousePlay& MousePlay() { return mousePlay_; }
    cRandom& Random() { return random_; }
    iPrompt& Prompt() { return prompt_; }

private:
    std::unique_ptr<cData> data_;
    iPrompt& prompt_;
    cPictures pictures_;
    cBoardSet boards_;
    cRandom random_;
    cScore score_;
    cCustom custom_;
    cLifecycle lifecycle_;
    cReplay replay_;
    cMousePlay mousePlay_;
};

} // namespace solvane
