#pragma once

#include <cstdlib>

// An invariant of a fuzz target: when it does not hold, the run stops and keeps the input.
inline void pruefe(bool bedingung)
{
    if (!bedingung)
        std::abort();
}
