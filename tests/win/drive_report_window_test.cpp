// The drive report's window, with drives, sizes and failures the fake platform makes up.
#include "res/dialogs/drive_report.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using DriveReportWindowTest = WindowTest;
constexpr std::uint64_t gb = std::uint64_t(1) << 30;

TEST_F(DriveReportWindowTest, ReportIsRebuiltAndTheUnitTakesEffectAtTheNextPress) {
    // A: is never examined; the optical drive has no disc.
    fake.drives['A'] = {DRIVE_REMOVABLE, ExtendedFreeSpace{gb, gb}, {}, VolumeInformation{"FD", "FAT"}};
    fake.drives['C'] = {DRIVE_FIXED, ExtendedFreeSpace{10 * gb, 40 * gb}, {},
                        VolumeInformation{"システム", "NTFS"}};
    fake.drives['Q'] = {DRIVE_CDROM, {}, {}, {}};
    HWND tool = open(IDC_OPEN_DRIVES);
    click(tool, IDC_DRIVE_EXAMINE);
    std::vector<std::string> lines = list_lines(tool, IDC_DRIVE_LIST);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "C: [システム   ](NTFS  )HardDisk ");
    EXPECT_EQ(lines[2], "    残りは 10240Mb( 25% )..ドライブ容量は 40960Mbです");
    EXPECT_EQ(lines[5], "Q: [           ](      )CD-ROM   ");

    click(tool, IDC_DRIVE_KILOBYTES);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST), lines);
    fake.drives['C'].extended->free_bytes = 20 * gb;
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).at(2), "残りは 20971520kb( 50% )ドライブ容量は 41943040kbです");
}

TEST_F(DriveReportWindowTest, OldSystemsUseTheClassicCountsAndUnknownOnesGetOneLine) {
    // 16 TiB in 4 KiB clusters: the byte counts need more than 32 bits.
    fake.drives['D'] = {DRIVE_FIXED, ExtendedFreeSpace{1, 1},
                        ClassicFreeSpace{8, 512, 0x7FFFFFFF, 0xFFFFFFFF}, VolumeInformation{"OLD", "FAT"}};
    fake.version = {2, 3, 1057};
    HWND tool = open(IDC_OPEN_DRIVES);
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).at(2), "    残りは8388607Mb( 49% )..ドライブ容量は16777215Mbです");
    fake.version = {0, 4, 0};
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).size(), 1u);
}

}  // namespace
}  // namespace quivra::testing
