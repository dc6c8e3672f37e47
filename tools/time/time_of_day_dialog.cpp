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

class TimeOfDayWindow final : public ToolWindow {
public:
    using ToolWindow::ToolWindow;

private:
    bool command(WPARAM id) override {
        if (id == IDC_TOD_CONVERT) show_conversion();
        else if (id == IDC_TOD_SPAN) show_span();
        else if (id == IDC_TOD_OFFSET) show_offset();
        else return false;
        return true;
    }

    void copy() override {
        copy_item_texts(window(), {IDC_TOD_CONVERTED, IDC_TOD_CONVERTED_MINUTES, IDC_TOD_SPAN_RESULT,
                                   IDC_TOD_SAME_DAY, IDC_TOD_OTHER_DAY});
    }

    std::int32_t picked_time(int picker) const {
        SYSTEMTIME time = picked(window(), picker);
        return time.wHour * 3600 + time.wMinute * 60 + time.wSecond;
    }

    std::int32_t field(int id, std::int32_t most) const { return read_field(window(), id, 0, most); }

    void open() override {
        CheckDlgButton(window(), IDC_TOD_LATER, BST_CHECKED);
        set_up_spin_field(window(), IDC_TOD_HOURS, IDC_TOD_HOURS_UPDOWN, 0, most_to_convert);
        set_up_spin_field(window(), IDC_TOD_MINUTES, IDC_TOD_MINUTES_UPDOWN, 0, most_to_convert);
        set_up_spin_field(window(), IDC_TOD_SECONDS, IDC_TOD_SECONDS_UPDOWN, 0, most_to_convert);
        set_up_spin_field(window(), IDC_TOD_OFFSET_HOURS, IDC_TOD_OFFSET_HOURS_UPDOWN, 0, most_to_offset);
        set_up_spin_field(window(), IDC_TOD_OFFSET_MINUTES, IDC_TOD_OFFSET_MINUTES_UPDOWN, 0, most_to_offset);
        SYSTEMTIME now = platform().local_time();
        for (int picker : {IDC_TOD_FIRST_TIME, IDC_TOD_SECOND_TIME, IDC_TOD_START_TIME})
            set_up_picker(window(), picker, time_format, &now);
    }

    void show_conversion() {
        ConvertedTime converted = convert_time(field(IDC_TOD_HOURS, most_to_convert),
                                               field(IDC_TOD_MINUTES, most_to_convert),
                                               field(IDC_TOD_SECONDS, most_to_convert));
        set_item_text(window(), IDC_TOD_CONVERTED, converted.hours_minutes_seconds);
        set_item_text(window(), IDC_TOD_CONVERTED_MINUTES, converted.minutes_seconds);
    }

    void show_span() {
        set_item_text(window(), IDC_TOD_SPAN_RESULT,
                      time_span(picked_time(IDC_TOD_FIRST_TIME), picked_time(IDC_TOD_SECOND_TIME)));
    }

    // The two results share one place: only the one that holds text is shown,
    // so the empty one cannot paint over the other.
    void show_in_shared_place(int id, const std::string& text) {
        set_item_text(window(), id, text);
        ShowWindow(GetDlgItem(window(), id), text.empty() ? SW_HIDE : SW_SHOWNA);
    }

    void show_offset() {
        std::int32_t sign = IsDlgButtonChecked(window(), IDC_TOD_LATER) == BST_CHECKED ? 1 : -1;
        std::int32_t minutes =
            field(IDC_TOD_OFFSET_HOURS, most_to_offset) * 60 + field(IDC_TOD_OFFSET_MINUTES, most_to_offset);
        OffsetTime offset = offset_time(picked_time(IDC_TOD_START_TIME), sign * minutes * 60);
        show_in_shared_place(IDC_TOD_SAME_DAY, offset.same_day);
        show_in_shared_place(IDC_TOD_OTHER_DAY, offset.other_day);
    }
};

}  // namespace

std::unique_ptr<ToolWindow> make_time_of_day_window(HWND window) { return std::make_unique<TimeOfDayWindow>(window); }

}  // namespace quivra
