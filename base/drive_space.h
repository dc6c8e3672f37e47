// A drive's free space and capacity, as the drive queries answer them.
#pragma once

#include <cstdint>

namespace quivra {

// In bytes.
struct DriveSpace {
    std::uint64_t free_bytes = 0;
    std::uint64_t total_bytes = 0;
};

}  // namespace quivra
