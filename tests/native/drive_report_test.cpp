#include "tools/system/drive_report.h"

#include <gtest/gtest.h>

namespace quivra {
namespace {

constexpr std::uint64_t mb = 1024 * 1024;
constexpr unsigned removable = 2, fixed = 3;

std::string size_line(std::uint64_t free, std::uint64_t total, SizeUnit unit) {
    return drive_lines({'C', fixed, DriveSpace{free, total}, "", ""}, unit)[2];
}

TEST(DriveReport, FortyGigabytesAQuarterFreeInBothUnits) {
    const std::uint64_t gb = 1024 * mb;
    EXPECT_EQ(size_line(10 * gb, 40 * gb, SizeUnit::megabytes),
              "    残りは 10240Mb( 25% )..ドライブ容量は 40960Mbです");
    EXPECT_EQ(size_line(10 * gb, 40 * gb, SizeUnit::kilobytes),
              "残りは 10485760kb( 25% )ドライブ容量は 41943040kbです");
}

TEST(DriveReport, FourTebibytesKeepEveryFieldInPlace) {
    const std::uint64_t tib = std::uint64_t(4) << 40;
    EXPECT_EQ(size_line(tib, tib, SizeUnit::megabytes),
              "    残りは4194304Mb( 100% )..ドライブ容量は4194304Mbです");
    EXPECT_EQ(size_line(tib / 2, tib, SizeUnit::kilobytes),
              "残りは2147483648kb( 50% )ドライブ容量は4294967296kbです");
}

TEST(DriveReport, PercentageComesFromTheRoundedUnits) {
    // 76 percent of the bytes, but 1 of 2 megabytes.
    EXPECT_EQ(size_line(1992294, 2621440, SizeUnit::megabytes),
              "    残りは     1Mb( 50% )..ドライブ容量は     2Mbです");
    EXPECT_EQ(size_line(1992294, 2621440, SizeUnit::kilobytes),
              "残りは     1945kb( 75% )ドライブ容量は     2560kbです");
}

TEST(DriveReport, CapacitiesBelowOneUnitShowNoPercentage) {
    EXPECT_EQ(size_line(mb - 1, mb - 1, SizeUnit::megabytes),
              "    残りは     0Mb( --% )..ドライブ容量は     0Mbです");
    EXPECT_EQ(size_line(mb, mb, SizeUnit::megabytes),
              "    残りは     1Mb( 100% )..ドライブ容量は     1Mbです");
    EXPECT_EQ(size_line(512, 1023, SizeUnit::kilobytes),
              "残りは        0kb( --% )ドライブ容量は        0kbです");
}

TEST(DriveReport, FailedQueriesLeaveEmptyFieldsAndTheDashLine) {
    auto lines = drive_lines({'E', 5, std::nullopt, "", ""}, SizeUnit::megabytes);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "E: [           ](      )CD-ROM   ");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "    残りは     0Mb( --% )..ドライブ容量は     0Mbです");
    EXPECT_EQ(lines[3], std::string(55, '_'));
    EXPECT_EQ(lines[4], " ");
    EXPECT_EQ(drive_lines({'E', 5, std::nullopt, "", ""}, SizeUnit::kilobytes)[2],
              "残りは        0kb( --% )ドライブ容量は        0kbです");
}

TEST(DriveReport, HeadingPadsByBytesAndPrintsLongTextsInFull) {
    DriveFacts drive{'D', removable, DriveSpace{}, "データ", "FAT32"};
    EXPECT_EQ(drive_lines(drive, SizeUnit::megabytes)[0], "D: [データ     ](FAT32 )Floppy   ");
    drive.label = "LONGERTHANELEVEN";
    drive.file_system = "exFAT32x";
    EXPECT_EQ(drive_lines(drive, SizeUnit::megabytes)[0], "D: [LONGERTHANELEVEN](exFAT32x)Floppy   ");
}

TEST(DriveReport, EveryTypeHasItsName) {
    const std::pair<unsigned, const char*> shown[] = {
        {0, "?????    "}, {1, "not found"}, {2, "Floppy   "}, {3, "HardDisk "},
        {4, "Network  "}, {5, "CD-ROM   "}, {6, "RAMDisk  "}, {7, "?????    "}};
    for (auto [type, name] : shown)
        EXPECT_EQ(drive_lines({'C', type, std::nullopt, "", ""}, SizeUnit::megabytes)[0],
                  std::string("C: [           ](      )") + name);
}

TEST(DriveReport, ClassicCountsMultiplyBeyondThirtyTwoBits) {
    DriveSpace space = classic_space(64, 4096, 0x80000000u, 0xFFFFFFFFu);
    EXPECT_EQ(space.free_bytes, std::uint64_t(64) * 4096 * 0x80000000u);
    EXPECT_EQ(space.total_bytes, std::uint64_t(64) * 4096 * 0xFFFFFFFFu);
}

TEST(DriveReport, VersionChoosesTheQuery) {
    EXPECT_EQ(free_space_query(1, 4, 1111), FreeSpaceQuery::extended);  // 95 OSR2
    EXPECT_EQ(free_space_query(1, 4, 950), FreeSpaceQuery::classic);
    // Only the low 16 bits of the build count on the 95 family.
    EXPECT_EQ(free_space_query(1, 4, 0x040003E8), FreeSpaceQuery::classic);
    EXPECT_EQ(free_space_query(2, 4, 1381), FreeSpaceQuery::extended);
    EXPECT_EQ(free_space_query(2, 10, 19045), FreeSpaceQuery::extended);
    EXPECT_EQ(free_space_query(2, 3, 1057), FreeSpaceQuery::classic);
    EXPECT_EQ(free_space_query(0, 3, 10), FreeSpaceQuery::none);
    EXPECT_EQ(free_space_query(3, 10, 0), FreeSpaceQuery::none);
}

TEST(DriveReport, LettersStartAtBAndSkipA) {
    EXPECT_EQ(drive_letters(0b101), std::vector<char>{'C'});
    EXPECT_EQ(drive_letters(0xFFFFFFFFu).front(), 'B');
    EXPECT_EQ(drive_letters(0xFFFFFFFFu).size(), 31u);
    EXPECT_EQ(drive_letters(0x80000000u), std::vector<char>{char('A' + 31)});
}

}  // namespace
}  // namespace quivra
