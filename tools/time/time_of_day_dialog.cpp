// The time-of-day calculator's window: reads the fields and pickers, shows the engine's answers.
#include "tools/time/time_of_day_dialog.h"

#include <commctrl.h>

#include "base/win/copying.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/time_of_day.h"
#include "tools/time/time_of_day.h"

namespace quivra {
namespace {

constexpr std::int32_t most_to_convert = 999;
constexpr std::int32_t most_to_offset = 99;

std::int32_t picked_time(HWND dialog, int picker) {
    SYSTEMTIME time = picked(dialog, picker);
    return time.wHour * 3600 + time.wMinute * 60 + time.wSecond;
}

void open(HWND dialog) {
    CheckDlgButton(dialog, IDC_TOD_LATER, BST_CHECKED);
    set_up_spin_field(dialog, IDC_TOD_HOURS, IDC_TOD_HOURS_UPDOWN, 0, most_to_convert);
    set_up_spin_field(dialog, IDC_TOD_MINUTES, IDC_TOD_MINUTES_UPDOWN, 0, most_to_convert);
    set_up_spin_field(dialog, IDC_TOD_SECONDS, IDC_TOD_SECONDS_UPDOWN, 0, most_to_convert);
    set_up_spin_field(dialog, IDC_TOD_OFFSET_HOURS, IDC_TOD_OFFSET_HOURS_UPDOWN, 0, most_to_offset);
    set_up_spin_field(dialog, IDC_TOD_OFFSET_MINUTES, IDC_TOD_OFFSET_MINUTES_UPDOWN, 0, most_to_offset);
    SYSTEMTIME now = platform().local_time();
    for (int picker : {IDC_TOD_FIRST_TIME, IDC_TOD_SECOND_TIME, IDC_TOD_START_TIME})
        set_up_picker(dialog, picker, time_format, &now);
}

void show_conversion(HWND dialog) {
    ConvertedTime converted =
        convert_time(read_field(dialog, IDC_TOD_HOURS, 0, most_to_convert),
                     read_field(dialog, IDC_TOD_MINUTES, 0, most_to_convert),
                     read_field(dialog, IDC_TOD_SECONDS, 0, most_to_convert));
    set_item_text(dialog, IDC_TOD_CONVERTED, converted.hours_minutes_seconds);
    set_item_text(dialog, IDC_TOD_CONVERTED_MINUTES, converted.minutes_seconds);
}

void show_span(HWND dialog) {
    std::string span =
        time_span(picked_time(dialog, IDC_TOD_FIRST_TIME), picked_time(dialog, IDC_TOD_SECOND_TIME));
    set_item_text(dialog, IDC_TOD_SPAN_RESULT, span);
}

// The two results share one place: only the one that holds text is shown,
// so the empty one cannot paint over the other.
void show_in_shared_place(HWND dialog, int id, const std::string& text) {
    set_item_text(dialog, id, text);
    ShowWindow(GetDlgItem(dialog, id), text.empty() ? SW_HIDE : SW_SHOWNA);
}

void show_offset(HWND dialog) {
    std::int32_t sign = IsDlgButtonChecked(dialog, IDC_TOD_LATER) == BST_CHECKED ? 1 : -1;
    std::int32_t minutes = read_field(dialog, IDC_TOD_OFFSET_HOURS, 0, most_to_offset) * 60 +
                           read_field(dialog, IDC_TOD_OFFSET_MINUTES, 0, most_to_offset);
    OffsetTime offset = offset_time(picked_time(dialog, IDC_TOD_START_TIME), sign * minutes * 60);
    show_in_shared_place(dialog, IDC_TOD_SAME_DAY, offset.same_day);
    show_in_shared_place(dialog, IDC_TOD_OTHER_DAY, offset.other_day);
}

}  // namespace

INT_PTR CALLBACK time_of_day_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wparam == IDC_TOD_CONVERT) show_conversion(dialog);
        else if (wparam == IDC_TOD_SPAN) show_span(dialog);
        else if (wparam == IDC_TOD_OFFSET) show_offset(dialog);
        else return FALSE;
        return TRUE;
    case WM_COPY:
        copy_item_texts(dialog, {IDC_TOD_CONVERTED, IDC_TOD_CONVERTED_MINUTES, IDC_TOD_SPAN_RESULT, IDC_TOD_SAME_DAY, IDC_TOD_OTHER_DAY});
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
