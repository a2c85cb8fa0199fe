#include "cservices.h"

namespace solvane {

cServices::cServices(std::unique_ptr<cData> data, iPrompt& prompt)
    : data_(std::move(data)),
      prompt_(prompt),
      score_(*data_, prompt),
      custom_(*data_, boards_),
      lifecycle_(*data_, boards_, custom_, score_, random_),
      replay_(*data_, boards_),
      mousePlay_(*data_, boards_.Board())
{
    boards_.Board().SetHost(&lifecycle_);
}

} // namespace solvane
