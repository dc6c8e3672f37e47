// Lines of the drive report: type names, 64-bit sizes in either unit, and the query chosen.
#include "tools/system/drive_report.h"

#include <cinttypes>
#include <cstdio>

namespace quivra {
namespace {

const char* type_name(unsigned type) {
    switch (type) {
    case 1: return "not found";
    case 2: return "Floppy";
    case 3: return "HardDisk";
    case 4: return "Network";
    case 5: return "CD-ROM";
    case 6: return "RAMDisk";
    default: return "?????";
    }
}

std::string size_line(std::uint64_t free, std::uint64_t capacity, SizeUnit unit) {
    // A capacity that rounds down to 0 in the unit shown has no percentage.
    char percent[24] = "--";
    if (capacity != 0) std::snprintf(percent, sizeof percent, "%2" PRIu64, free * 100 / capacity);
    char line[160];
    if (unit == SizeUnit::megabytes)
        std::snprintf(line, sizeof line,
                      "    残りは%6" PRIu64 "Mb( %s%% )..ドライブ容量は%6" PRIu64 "Mbです", free,
                      percent, capacity);
    else
        std::snprintf(line, sizeof line,
                      "残りは%9" PRIu64 "kb( %s%% )ドライブ容量は%9" PRIu64 "kbです", free,
                      percent, capacity);
    return line;
}

}  // namespace

const char unknown_system_line[] = "ＯＳが不明のためドライブ情報が取得できませんでした。";

FreeSpaceQuery free_space_query(unsigned platform_id, unsigned major, unsigned build) {
    switch (platform_id) {
    case 1: return (build & 0xFFFF) > 1000 ? FreeSpaceQuery::extended : FreeSpaceQuery::classic;
    case 2: return major >= 4 ? FreeSpaceQuery::extended : FreeSpaceQuery::classic;
    default: return FreeSpaceQuery::none;
    }
}

std::vector<char> drive_letters(std::uint32_t mask) {
    std::vector<char> letters;
    for (int k = 1; k < 32; ++k)
        if (mask & (std::uint32_t(1) << k)) letters.push_back(char('A' + k));
    return letters;
}

DriveSpace classic_space(std::uint32_t sectors_per_cluster, std::uint32_t bytes_per_sector,
                         std::uint32_t free_clusters, std::uint32_t total_clusters) {
    std::uint64_t cluster = std::uint64_t(sectors_per_cluster) * bytes_per_sector;
    return {cluster * free_clusters, cluster * total_clusters};
}

std::vector<std::string> drive_lines(const DriveFacts& drive, SizeUnit unit) {
    char heading[640];  // room for the longest label and file-system name
    std::snprintf(heading, sizeof heading, "%c: [%-11s](%-6s)%-9s", drive.letter,
                  drive.label.c_str(), drive.file_system.c_str(), type_name(drive.type));
    DriveSpace space = drive.space.value_or(DriveSpace{});
    std::uint64_t divisor = unit == SizeUnit::megabytes ? 1024 * 1024 : 1024;
    return {heading, " ",
            size_line(space.free_bytes / divisor, space.total_bytes / divisor, unit),
            std::string(55, '_'), " "};
}

}  // namespace quivra
