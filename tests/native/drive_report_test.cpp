// The report's lines for large, tiny and failed drives, and the query each system gets.
#include "tools/system/drive_report.h"

#include <gtest/gtest.h>

namespace quivra {
namespace {

constexpr std::uint64_t mb = 1024 * 1024, gb = 1024 * mb, four_tib = gb << 12;
constexpr SizeUnit in_mb = SizeUnit::megabytes, in_kb = SizeUnit::kilobytes;

TEST(DriveReport, SizeLinesKeepTheirFieldsFromUnderAMegabyteToTebibytes) {
    const struct { std::optional<DriveSpace> space; SizeUnit unit; const char* line; } cases[] = {
        {DriveSpace{10 * gb, 40 * gb}, in_mb, "    残りは 10240Mb( 25% )..ドライブ容量は 40960Mbです"},
        {DriveSpace{10 * gb, 40 * gb}, in_kb, "残りは 10485760kb( 25% )ドライブ容量は 41943040kbです"},
        {DriveSpace{four_tib, four_tib}, in_mb, "    残りは4194304Mb( 100% )..ドライブ容量は4194304Mbです"},
        {DriveSpace{four_tib / 2, four_tib}, in_kb, "残りは2147483648kb( 50% )ドライブ容量は4294967296kbです"},
        // 76 percent of the bytes, but 1 of 2 megabytes.
        {DriveSpace{1992294, 2621440}, in_mb, "    残りは     1Mb( 50% )..ドライブ容量は     2Mbです"},
        {DriveSpace{mb - 1, mb - 1}, in_mb, "    残りは     0Mb( --% )..ドライブ容量は     0Mbです"},
        {DriveSpace{512, 1023}, in_kb, "残りは        0kb( --% )ドライブ容量は        0kbです"},
        // A failed query shows the dash line in either unit.
        {std::nullopt, in_mb, "    残りは     0Mb( --% )..ドライブ容量は     0Mbです"},
        {std::nullopt, in_kb, "残りは        0kb( --% )ドライブ容量は        0kbです"},
    };
    for (const auto& c : cases) EXPECT_EQ(drive_lines({'C', 3, c.space, "", ""}, c.unit)[2], c.line);
    EXPECT_EQ(classic_space(64, 4096, 0, UINT32_MAX).total_bytes, 64 * 4096 * std::uint64_t(UINT32_MAX));
}

TEST(DriveReport, HeadingsPadByBytesShowFailedVolumesEmptyAndNameUnknownTypes) {
    EXPECT_EQ(drive_lines({'D', 2, {}, "データ", "FAT32"}, in_mb)[0], "D: [データ     ](FAT32 )Floppy   ");
    EXPECT_EQ(drive_lines({'D', 1, {}, "LONGERTHANELEVEN", "exFAT32x"}, in_mb)[0],
              "D: [LONGERTHANELEVEN](exFAT32x)not found");
    for (unsigned unknown : {0u, 7u})
        EXPECT_EQ(drive_lines({'D', unknown, {}, "", ""}, in_mb)[0], "D: [           ](      )?????    ");
}

TEST(DriveReport, VersionChoosesTheQueryAndAIsNeverExamined) {
    EXPECT_EQ(free_space_query(1, 4, 1001), FreeSpaceQuery::extended);
    EXPECT_EQ(free_space_query(1, 4, 1000), FreeSpaceQuery::classic);
    EXPECT_EQ(free_space_query(1, 4, 0x040003E8), FreeSpaceQuery::classic) << "only the low 16 bits count";
    EXPECT_EQ(free_space_query(2, 3, 1057), FreeSpaceQuery::classic);
    EXPECT_EQ(free_space_query(2, 4, 1381), FreeSpaceQuery::extended);
    EXPECT_EQ(free_space_query(3, 10, 0), FreeSpaceQuery::none);
    EXPECT_EQ(drive_letters(0b1111), (std::vector<char>{'B', 'C', 'D'}));
}

}  // namespace
}  // namespace quivra
