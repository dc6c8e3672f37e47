// The alarm editor: its fields from an alarm, and an alarm from its fields on OK.
#include "tools/time/alarm_editor_dialog.h"

#include <commctrl.h>

#include <array>

#include "base/stored_row.h"
#include "base/timer_preset.h"
#include "base/win/drop_down.h"
#include "base/win/kept_text_field.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/alarms.h"
#include "tools/time/sound_file_field_dialog.h"
#include "tools/time/timer.h"

namespace quivra {
namespace {

constexpr std::array<const char*, 5> repeat_names = {"一度だけ", "毎日", "平日（月～金）", "営業日", "曜日を選ぶ"};

std::string_view name_refusal(std::string_view cp932, bool representable) {
    if (!representable) return "Shift-JISにない文字は使えません。";
    return cp932.size() > alarm_name_max_bytes ? "名前は半角40字（全角20字）まで" : "";
}

class AlarmEditor {
public:
    AlarmEditor(HWND box, AlarmEntry& alarm) : box_(box), alarm_(alarm), sound_(box, IDC_ALARM_SOUND) {}

    void open() {
        name_.attach(GetDlgItem(box_, IDC_ALARM_NAME));
        message_.attach(GetDlgItem(box_, IDC_ALARM_MESSAGE));
        set_item_text(box_, IDC_ALARM_NAME, alarm_.name);
        SYSTEMTIME at = platform().local_time();
        at.wHour = WORD(alarm_.hour), at.wMinute = WORD(alarm_.minute), at.wSecond = 0;
        SendDlgItemMessageW(box_, IDC_ALARM_TIME, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm"));
        SendDlgItemMessageW(box_, IDC_ALARM_TIME, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&at));
        fill_drop_down(box_, IDC_ALARM_REPEAT, repeat_names.size(), [](std::size_t row) { return repeat_names[row]; },
                       std::int32_t(alarm_.repeat));
        SYSTEMTIME day = at;
        day.wYear = WORD(int(alarm_.date.year())), day.wMonth = WORD(unsigned(alarm_.date.month()));
        day.wDay = WORD(unsigned(alarm_.date.day()));
        set_up_picker(box_, IDC_ALARM_DATE, date_format, &day);
        for (int d = 0; d < 7; ++d) CheckDlgButton(box_, IDC_ALARM_SUNDAY + d, alarm_.days >> d & 1 ? BST_CHECKED : BST_UNCHECKED);
        sound_.open(alarm_.sound);
        SendDlgItemMessageW(box_, IDC_ALARM_MESSAGE, EM_LIMITTEXT, timer_message_max_bytes, 0);
        set_item_text(box_, IDC_ALARM_MESSAGE, alarm_.message);
        show_choices();
    }

    void command(WPARAM id) {
        switch (id) {
        case IDOK: keep(); EndDialog(box_, TRUE); break;
        case IDCANCEL: EndDialog(box_, FALSE); break;
        case IDC_ALARM_BROWSE: sound_.browse(); break;
        case IDC_ALARM_TRY: platform().play_sound(widen(sound_.path())); break;
        case MAKEWPARAM(IDC_ALARM_REPEAT, CBN_SELCHANGE): show_choices(); break;
        case MAKEWPARAM(IDC_ALARM_NAME, EN_CHANGE): name_.check(); break;
        case MAKEWPARAM(IDC_ALARM_MESSAGE, EN_CHANGE): message_.check(); break;
        case MAKEWPARAM(IDC_ALARM_SOUND, EN_CHANGE): sound_.check(); break;
        }
    }

private:
    AlarmRepeat repeat() const {
        return AlarmRepeat(stored_row(SendDlgItemMessageW(box_, IDC_ALARM_REPEAT, CB_GETCURSEL, 0, 0), repeat_names.size()));
    }

    // The date means something only once, the weekdays only when chosen.
    void show_choices() {
        EnableWindow(GetDlgItem(box_, IDC_ALARM_DATE), repeat() == AlarmRepeat::once);
        for (int d = 0; d < 7; ++d) EnableWindow(GetDlgItem(box_, IDC_ALARM_SUNDAY + d), repeat() == AlarmRepeat::chosen_days);
    }

    void keep() {
        alarm_.name = item_text(box_, IDC_ALARM_NAME);
        const SYSTEMTIME at = picked(box_, IDC_ALARM_TIME);
        alarm_.hour = at.wHour, alarm_.minute = at.wMinute;
        alarm_.repeat = repeat();
        alarm_.date = picked_date(box_, IDC_ALARM_DATE);
        alarm_.days = 0;
        for (int d = 0; d < 7; ++d)
            if (IsDlgButtonChecked(box_, IDC_ALARM_SUNDAY + d) == BST_CHECKED) alarm_.days = std::uint8_t(alarm_.days | 1u << d);
        alarm_.sound = sound_.can_sound() ? sound_.path() : "";
        alarm_.message = item_text(box_, IDC_ALARM_MESSAGE);
        alarm_.on = true;
    }

    const HWND box_;
    AlarmEntry& alarm_;
    SoundFileField sound_;
    KeptTextField name_{name_refusal};
    KeptTextField message_{message_text_refusal};
};

INT_PTR CALLBACK editor_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        auto* editor = new AlarmEditor(box, *reinterpret_cast<AlarmEntry*>(lparam));
        SetWindowLongPtrW(box, DWLP_USER, reinterpret_cast<LONG_PTR>(editor));
        editor->open();
        return TRUE;
    }
    auto* editor = reinterpret_cast<AlarmEditor*>(GetWindowLongPtrW(box, DWLP_USER));
    if (!editor) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(box, DWLP_USER, 0);
        delete editor;
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    editor->command(wparam);
    return TRUE;
}

}  // namespace

bool edit_alarm(HWND owner, AlarmEntry& alarm) {
    AlarmEntry edited = alarm;
    if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ALARM_EDITOR), owner, editor_procedure,
                        reinterpret_cast<LPARAM>(&edited)) != TRUE)
        return false;
    alarm = edited;
    return true;
}

}  // namespace quivra
