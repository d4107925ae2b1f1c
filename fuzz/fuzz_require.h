#pragma once

#include <cstdlib>

namespace fljudge::fuzz {

// Stops the run where a target's promise fails, so that libFuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace fljudge::fuzz
