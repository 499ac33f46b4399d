// Counts heap allocations made through operator new in this program.
#pragma once

#include <cstddef>

namespace kalvori::bench {
std::size_t AllocationCount();
}
