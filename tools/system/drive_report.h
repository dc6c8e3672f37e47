// The drive space report's lines, built from what the drive queries answered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/drive_space.h"

namespace quivra {

enum class FreeSpaceQuery { extended, classic, none };

// Which free-space query the system understands; none for an unknown system.
FreeSpaceQuery free_space_query(unsigned platform_id, unsigned major, unsigned build);

// The one line shown instead of a report on an unknown system.
extern const char unknown_system_line[];

// Drive letters present in the mask, from B: up (A: is never examined).
std::vector<char> drive_letters(std::uint32_t mask);

// The classic query's 32-bit counts, multiplied without overflow.
DriveSpace classic_space(std::uint32_t sectors_per_cluster, std::uint32_t bytes_per_sector,
                         std::uint32_t free_clusters, std::uint32_t total_clusters);

struct DriveFacts {
    char letter = 'C';
    unsigned type = 0;                // the platform's drive type code
    std::optional<DriveSpace> space;  // empty when the free-space query failed
    std::string label;                // empty when the volume query failed
    std::string file_system;
};

enum class SizeUnit { megabytes, kilobytes };

// The drive's five lines: heading, blank, sizes, rule, blank.
std::vector<std::string> drive_lines(const DriveFacts& drive, SizeUnit unit);

}  // namespace quivra
