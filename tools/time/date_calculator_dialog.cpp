// The date calculator's window: reads the pickers and shows the engine's answers.
#include "tools/time/date_calculator_dialog.h"

#include <commctrl.h>

#include "base/win/copying.h"
#include "base/win/pickers.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"
#include "tools/time/date_calculator.h"

namespace quivra {
namespace {

Date picked_date(HWND dialog, int picker) {
    SYSTEMTIME time = picked(dialog, picker);
    return {time.wYear, time.wMonth, time.wDay};
}

void open(HWND dialog) {
    for (int picker : {IDC_FIRST_DATE, IDC_SECOND_DATE, IDC_START_DATE}) set_up_picker(dialog, picker, date_format);
    CheckDlgButton(dialog, IDC_PLUS, BST_CHECKED);
    set_up_spin_field(dialog, IDC_DAY_COUNT, IDC_DAY_COUNT_UPDOWN, 0, 9999);
}

// Each returns its answer as one line, for Ctrl+C.
std::string show_days_between(HWND dialog) {
    std::int32_t days =
        days_between(picked_date(dialog, IDC_FIRST_DATE), picked_date(dialog, IDC_SECOND_DATE));
    SetDlgItemInt(dialog, IDC_DAYS_RESULT, UINT(days), TRUE);
    return copied_days(days);
}

std::string show_date_after(HWND dialog) {
    std::int32_t sign = IsDlgButtonChecked(dialog, IDC_PLUS) == BST_CHECKED ? 1 : -1;
    std::int32_t count = read_field(dialog, IDC_DAY_COUNT, 0, 9999);
    DateAfter after = date_after(picked_date(dialog, IDC_START_DATE), sign * count);
    set_item_text(dialog, IDC_DATE_RESULT, after.date);
    set_item_text(dialog, IDC_WEEKDAY_RESULT, after.weekday);
    set_item_text(dialog, IDC_ERA_RESULT, after.era);
    return copied_date(after);
}

class DateCalculatorWindow final : public ToolWindow {
public:
    INT_PTR handle(HWND dialog, UINT message, WPARAM wparam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            open(dialog);
            return TRUE;
        case WM_COMMAND:
            if (wparam == IDC_DAYS_BETWEEN) result_line_ = show_days_between(dialog);
            else if (wparam == IDC_DATE_AFTER) result_line_ = show_date_after(dialog);
            else return FALSE;
            return TRUE;
        case WM_COPY:
            if (!result_line_.empty()) copy_text(dialog, result_line_);
            return TRUE;
        }
        return FALSE;
    }

private:
    // The last answer, what Ctrl+C copies; empty before the first.
    std::string result_line_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_date_calculator_window() { return std::make_unique<DateCalculatorWindow>(); }

}  // namespace quivra
