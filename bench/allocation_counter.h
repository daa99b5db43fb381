#pragma once

#include <cstddef>

namespace pruhomat::bench {

// How many times operator new has been called in this program so far. The benchmark binary
// replaces the global operator new to count them.
std::size_t allocationCount();

}  // namespace pruhomat::bench
