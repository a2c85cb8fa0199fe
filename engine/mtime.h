#pragma once
// Elapsed time of a game and its text form h:mm:ss.
#include <chrono>
#include <string>

namespace solvane {

// Whole seconds from start to now; 0 while no game runs.
long long ElapsedSeconds(bool running, std::chrono::system_clock::time_point start,
                         std::chrono::system_clock::time_point now);
// Hours (the whole number, not wrapped), minutes and seconds, the last two with two digits:
// 125 gives 0:02:05, 61 hours give 61:00:00.
std::string ElapsedTimeText(long long seconds);

} // namespace solvane
