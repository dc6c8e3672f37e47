// The drive report's window: asks the drive queries and lists the engine's lines.
#include "tools/system/drive_report_dialog.h"

#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/drive_report.h"
#include "tools/system/drive_report.h"

namespace quivra {
namespace {

std::optional<DriveSpace> free_space(char letter, FreeSpaceQuery query) {
    if (query == FreeSpaceQuery::extended) {
        auto space = platform().extended_free_space(letter);
        if (!space) return std::nullopt;
        return DriveSpace{space->free_bytes, space->total_bytes};
    }
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

void add_line(HWND list, const std::string& line) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(line).c_str()));
}

void build_report(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_DRIVE_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    WindowsVersion version = platform().windows_version();
    FreeSpaceQuery query = free_space_query(version.platform_id, version.major, version.build);
    if (query == FreeSpaceQuery::none) {
        add_line(list, unknown_system_line);
        return;
    }
    SizeUnit unit = IsDlgButtonChecked(dialog, IDC_DRIVE_KILOBYTES) == BST_CHECKED
                        ? SizeUnit::kilobytes
                        : SizeUnit::megabytes;
    for (char letter : drive_letters(platform().logical_drives()))
        for (const std::string& line : drive_lines(facts_of(letter, query), unit))
            add_line(list, line);
}

}  // namespace

INT_PTR CALLBACK drive_report_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(dialog, IDC_DRIVE_MEGABYTES, BST_CHECKED);
        return TRUE;
    case WM_COMMAND:
        if (wparam != IDC_DRIVE_EXAMINE) return FALSE;
        build_report(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
