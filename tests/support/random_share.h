// How many of a random test's problems to play: all of them, or the share in percent that
// SIMPLESSO_RANDOM_SHARE asks for. The sanitized run, many times slower, plays a tenth: its
// point is memory and undefined behaviour, which the full counts of the plain run would not
// find more of.
#pragma once

#include <cstdlib>

namespace simplesso::testing_support {

inline int RandomCount(int full) {
    const char* share = std::getenv("SIMPLESSO_RANDOM_SHARE");
    const int percent = share ? std::atoi(share) : 100;
    return percent > 0 && percent < 100 ? full * percent / 100 : full;
}

}  // namespace simplesso::testing_support
