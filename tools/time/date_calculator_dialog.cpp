// The date calculator's window: reads the pickers and choices, shows the engine's answers.
#include "tools/time/date_calculator_dialog.h"

#include <commctrl.h>

#include "base/stored_row.h"
#include "base/win/copying.h"
#include "base/win/drop_down.h"
#include "base/win/pickers.h"
#include "base/win/settings_store.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"
#include "tools/time/business_calendar.h"
#include "tools/time/date_calculator.h"

namespace quivra {
namespace {

// Each choice that the file keeps, with its setting.
struct KeptChoice {
    int id;
    Kept<std::int32_t> Settings::*setting;
};
constexpr KeptChoice kept_choices[] = {
    {IDC_COUNT_FIRST_DAY, &Settings::count_first_day}, {IDC_SATURDAY_OFF, &Settings::saturday_off},
    {IDC_SUNDAY_OFF, &Settings::sunday_off},           {IDC_HOLIDAYS_OFF, &Settings::holidays_off},
    {IDC_YEAR_END_OFF, &Settings::year_end_off},
};

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

Date picked_date(HWND dialog, int picker) {
    SYSTEMTIME time = picked(dialog, picker);
    return {time.wYear, time.wMonth, time.wDay};
}

DaysOff days_off(HWND dialog) {
    return {checked(dialog, IDC_SATURDAY_OFF), checked(dialog, IDC_SUNDAY_OFF), checked(dialog, IDC_HOLIDAYS_OFF),
            checked(dialog, IDC_YEAR_END_OFF)};
}

std::size_t count_unit(HWND dialog) {
    return stored_row(SendDlgItemMessageW(dialog, IDC_COUNT_UNIT, CB_GETCURSEL, 0, 0), count_unit_names.size());
}

void show_direction(HWND dialog) { set_item_text(dialog, IDC_DIRECTION, direction_word(checked(dialog, IDC_MINUS))); }

void open(HWND dialog) {
    for (int picker : {IDC_FIRST_DATE, IDC_SECOND_DATE, IDC_START_DATE}) set_up_picker(dialog, picker, date_format);
    CheckDlgButton(dialog, IDC_PLUS, BST_CHECKED);
    set_up_spin_field(dialog, IDC_DAY_COUNT, IDC_DAY_COUNT_UPDOWN, 0, 9999);
    fill_drop_down(dialog, IDC_COUNT_UNIT, count_unit_names.size(),
                   [](std::size_t row) { return count_unit_names[row]; }, settings.count_unit.at_startup);
    for (const KeptChoice& choice : kept_choices)
        CheckDlgButton(dialog, choice.id, (settings.*choice.setting).at_startup ? BST_CHECKED : BST_UNCHECKED);
    show_direction(dialog);
}

// Each returns its answer as one line, for Ctrl+C.
std::string show_days_between(HWND dialog) {
    Date first = picked_date(dialog, IDC_FIRST_DATE), second = picked_date(dialog, IDC_SECOND_DATE);
    bool count_first_day = checked(dialog, IDC_COUNT_FIRST_DAY);
    std::int32_t days = days_counted(first, second, count_first_day);
    SetDlgItemInt(dialog, IDC_DAYS_RESULT, UINT(days), TRUE);
    set_item_text(dialog, IDC_BETWEEN_YMD, years_months_days(first, second));
    SetDlgItemInt(dialog, IDC_BETWEEN_BUSINESS,
                  UINT(business_days_between(first, second, days_off(dialog), count_first_day)), TRUE);
    return copied_days(days);
}

std::string show_date_after(HWND dialog) {
    std::int32_t sign = checked(dialog, IDC_PLUS) ? 1 : -1;
    std::int32_t count = read_field(dialog, IDC_DAY_COUNT, 0, 9999);
    auto unit = CountUnit(count_unit(dialog));
    DateAfter after = describe_date(date_after_by(picked_date(dialog, IDC_START_DATE), sign * count, unit, days_off(dialog)));
    set_item_text(dialog, IDC_DATE_RESULT, after.date);
    set_item_text(dialog, IDC_WEEKDAY_RESULT, after.weekday);
    set_item_text(dialog, IDC_ERA_RESULT, after.era);
    set_item_text(dialog, IDC_HOLIDAY_RESULT, after.holiday);
    return copied_date(after);
}

// A choice is kept the moment it is made, so that the next opening shows it.
bool keep_choice(HWND dialog, WPARAM command) {
    if (command == MAKEWPARAM(IDC_COUNT_UNIT, CBN_SELCHANGE)) {
        settings.count_unit.set(std::int32_t(count_unit(dialog)));
        return true;
    }
    for (const KeptChoice& choice : kept_choices)
        if (command == WPARAM(choice.id)) {
            (settings.*choice.setting).set(checked(dialog, choice.id) ? 1 : 0);
            return true;
        }
    if (command == IDC_PLUS || command == IDC_MINUS) {
        show_direction(dialog);
        return true;
    }
    return false;
}

class DateCalculatorWindow final : public ToolWindow {
public:
    explicit DateCalculatorWindow(const Tool& holiday_list) : holiday_list_(holiday_list) {}

    INT_PTR handle(HWND dialog, UINT message, WPARAM wparam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            open(dialog);
            return TRUE;
        case WM_COMMAND:
            if (wparam == IDC_DAYS_BETWEEN) result_line_ = show_days_between(dialog);
            else if (wparam == IDC_DATE_AFTER) result_line_ = show_date_after(dialog);
            else if (wparam == IDM_HOLIDAY_LIST) open_tool(holiday_list_);
            else return keep_choice(dialog, wparam);
            return TRUE;
        case WM_COPY:
            if (!result_line_.empty()) copy_text(dialog, result_line_);
            return TRUE;
        }
        return FALSE;
    }

private:
    const Tool& holiday_list_;
    // The last answer, what Ctrl+C copies; empty before the first.
    std::string result_line_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_date_calculator_window(const Tool& holiday_list) {
    return std::make_unique<DateCalculatorWindow>(holiday_list);
}

}  // namespace quivra
