#pragma once

#include <cstdio>
#include <cstdlib>

namespace vorn::fuzz {

// A broken invariant ends the run so that libFuzzer keeps the input.
inline void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace vorn::fuzz
