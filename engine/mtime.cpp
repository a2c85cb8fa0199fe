#include "mtime.h"

#include <cstdio>

namespace solvane {

long long ElapsedSeconds(bool running, std::chrono::system_clock::time_point start,
                         std::chrono::system_clock::time_point now)
{
    if (!running)
        return 0;
    using namespace std::chrono;
    // Whole seconds by the calendar clock: the difference of the two times cut to seconds.
    const auto s = duration_cast<seconds>(now.time_since_epoch()).count() -
                   duration_cast<seconds>(start.time_since_epoch()).count();
    return s;
}

std::string ElapsedTimeText(long long seconds)
{
    if (seconds < 0)
        seconds = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", seconds / 3600, (seconds / 60) % 60,
                  seconds % 60);
    return buf;
}

} // namespace solvane
