// The drive report's window: asks the drive queries and lists the engine's lines.
#include "tools/system/drive_report_dialog.h"

#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/drive_report.h"
#include "tools/system/drive_report.h"

namespace quivra {
namespace {

std::optional<DriveSpace> free_space(char letter, FreeSpaceQuery query) {
    if (query == FreeSpaceQuery::extended) return platform().extended_free_space(letter);
    auto space = platform().classic_free_space(letter);
    if (!space) return std::nullopt;
    return classic_space(space->sectors_per_cluster, space->bytes_per_sector,
                         space->free_clusters, space->total_clusters);
}

DriveFacts facts_of(char letter, FreeSpaceQuery query) {
    unsigned type = platform().drive_type(letter);
    std::optional<DriveSpace> space = free_space(letter, query);
    // A failed query shows empty fields, never another drive's.
    VolumeInformation volume = platform().volume_information(letter).value_or(VolumeInformation{});
    return {letter, type, space, volume.label, volume.file_system};
}

class DriveReportWindow final : public ToolWindow {
public:
    using ToolWindow::ToolWindow;

private:
    void open() override { CheckDlgButton(window(), IDC_DRIVE_MEGABYTES, BST_CHECKED); }

    bool command(WPARAM id) override {
        if (id != IDC_DRIVE_EXAMINE) return false;
        show_lines(window(), IDC_DRIVE_LIST, report_lines());
        return true;
    }

    std::vector<std::string> report_lines() const {
        WindowsVersion version = platform().windows_version();
        FreeSpaceQuery query = free_space_query(version.platform_id, version.major, version.build);
        if (query == FreeSpaceQuery::none) return {unknown_system_line};
        SizeUnit unit = IsDlgButtonChecked(window(), IDC_DRIVE_KILOBYTES) == BST_CHECKED ? SizeUnit::kilobytes
                                                                                          : SizeUnit::megabytes;
        std::vector<std::string> lines;
        for (char letter : drive_letters(platform().logical_drives())) {
            std::vector<std::string> drive = drive_lines(facts_of(letter, query), unit);
            lines.insert(lines.end(), drive.begin(), drive.end());
        }
        return lines;
    }
};

}  // namespace

std::unique_ptr<ToolWindow> make_drive_report_window(HWND window) { return std::make_unique<DriveReportWindow>(window); }

}  // namespace quivra
