// The date calculator's window: reads the pickers and choices, shows the engine's answers.
#include "tools/time/date_calculator_dialog.h"

#include <commctrl.h>

#include "base/stored_row.h"
#include "base/win/copying.h"
#include "base/win/drop_down.h"
#include "base/win/pickers.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"
#include "tools/time/business_calendar.h"
#include "tools/time/date_calculator.h"

namespace quivra {
namespace {

// Each day-off check box, with its value in the office calendar.
struct OfficeCheck {
    int id;
    std::int32_t OfficeCalendarKept::*value;
};
constexpr OfficeCheck office_checks[] = {
    {IDC_SATURDAY_OFF, &OfficeCalendarKept::saturday_off},
    {IDC_SUNDAY_OFF, &OfficeCalendarKept::sunday_off},
    {IDC_HOLIDAYS_OFF, &OfficeCalendarKept::holidays_off},
    {IDC_YEAR_END_OFF, &OfficeCalendarKept::year_end_off},
    {IDC_OFFICE_DAYS, &OfficeCalendarKept::entries_apply},
};

class DateCalculatorWindow final : public ToolWindow {
public:
    DateCalculatorWindow(HWND window, DateCalculatorKept& kept, OfficeCalendarKept& office)
        : ToolWindow(window), kept_(kept), office_(office) {}

private:
    bool command(WPARAM id) override {
        if (id == IDC_DAYS_BETWEEN) result_line_ = show_days_between();
        else if (id == IDC_DATE_AFTER) result_line_ = show_date_after();
        else return keep_choice(id);
        return true;
    }

    void copy() override {
        if (!result_line_.empty()) copy_text(window(), result_line_);
    }

    bool checked(int id) const { return IsDlgButtonChecked(window(), id) == BST_CHECKED; }
    void check(int id, bool on) { CheckDlgButton(window(), id, on ? BST_CHECKED : BST_UNCHECKED); }

    // Every choice is kept the moment it is made, so the kept calendar is the one shown.
    DaysOff days_off() const { return days_off_of(office_); }

    std::size_t row_of(int drop_down, std::size_t rows) const {
        return stored_row(SendDlgItemMessageW(window(), drop_down, CB_GETCURSEL, 0, 0), rows);
    }
    std::size_t count_unit() const { return row_of(IDC_COUNT_UNIT, count_unit_names.size()); }

    void show_direction() { set_item_text(window(), IDC_DIRECTION, direction_word(checked(IDC_MINUS))); }

    void open() override {
        for (int picker : {IDC_FIRST_DATE, IDC_SECOND_DATE, IDC_START_DATE})
            set_up_picker(window(), picker, date_format);
        check(IDC_PLUS, true);
        set_up_spin_field(window(), IDC_DAY_COUNT, IDC_DAY_COUNT_UPDOWN, 0, 9999);
        fill_drop_down(window(), IDC_COUNT_UNIT, count_unit_names.size(),
                       [](std::size_t row) { return count_unit_names[row]; }, kept_.count_unit);
        fill_drop_down(window(), IDC_ROLL, roll_names.size(), [](std::size_t row) { return roll_names[row]; },
                       kept_.roll);
        fill_drop_down(window(), IDC_YEAR_END_KIND, year_end_names.size(),
                       [](std::size_t row) { return year_end_names[row]; }, office_.year_end_kind);
        check(IDC_COUNT_FIRST_DAY, kept_.count_first_day);
        for (const auto& box : office_checks) check(box.id, office_.*box.value);
        show_direction();
    }

    // Each returns its answer as one line, for Ctrl+C.
    std::string show_days_between() {
        Date first = picked_date(window(), IDC_FIRST_DATE), second = picked_date(window(), IDC_SECOND_DATE);
        bool count_first_day = checked(IDC_COUNT_FIRST_DAY);
        std::int32_t days = days_counted(first, second, count_first_day);
        SetDlgItemInt(window(), IDC_DAYS_RESULT, UINT(days), TRUE);
        set_item_text(window(), IDC_BETWEEN_YMD, years_months_days(first, second));
        BusinessDays business = business_days_between(first, second, days_off(), count_first_day);
        SetDlgItemInt(window(), IDC_BETWEEN_BUSINESS, UINT(business.count), TRUE);
        set_item_text(window(), IDC_BETWEEN_HOLIDAY_NOTE, business.past_holiday_table ? holiday_table_note : "");
        return copied_days(days);
    }

    std::string show_date_after() {
        std::int32_t sign = checked(IDC_PLUS) ? 1 : -1;
        std::int32_t count = read_field(window(), IDC_DAY_COUNT, 0, 9999);
        auto unit = CountUnit(count_unit());
        const DaysOff off = days_off();
        std::optional<Date> day = date_after_by(picked_date(window(), IDC_START_DATE), sign * count, unit, off);
        // A business day is one already.
        const auto roll = unit == CountUnit::business_days ? Roll::stay : Roll(row_of(IDC_ROLL, roll_names.size()));
        std::optional<Date> rolled = day ? rolled_to_business_day(*day, roll, off) : day;
        DateAfter after = rolled == day ? describe_date(day) : describe_rolled_date(rolled, *day, roll);
        set_item_text(window(), IDC_DATE_RESULT, after.date);
        set_item_text(window(), IDC_WEEKDAY_RESULT, after.weekday);
        set_item_text(window(), IDC_ERA_RESULT, after.era);
        set_item_text(window(), IDC_HOLIDAY_RESULT, after.holiday);
        return copied_date(after);
    }

    // A choice is kept the moment it is made, so that the next opening shows it.
    bool keep_choice(WPARAM command) {
        if (command == MAKEWPARAM(IDC_COUNT_UNIT, CBN_SELCHANGE)) {
            kept_.count_unit = std::int32_t(count_unit());
            return true;
        }
        if (command == MAKEWPARAM(IDC_ROLL, CBN_SELCHANGE)) {
            kept_.roll = std::int32_t(row_of(IDC_ROLL, roll_names.size()));
            return true;
        }
        if (command == MAKEWPARAM(IDC_YEAR_END_KIND, CBN_SELCHANGE)) {
            office_.year_end_kind = std::int32_t(row_of(IDC_YEAR_END_KIND, year_end_names.size()));
            return true;
        }
        if (command == IDC_COUNT_FIRST_DAY) {
            kept_.count_first_day = checked(IDC_COUNT_FIRST_DAY);
            return true;
        }
        for (const auto& box : office_checks)
            if (command == WPARAM(box.id)) {
                office_.*box.value = checked(box.id);
                return true;
            }
        if (command == IDC_PLUS || command == IDC_MINUS) {
            show_direction();
            return true;
        }
        return false;
    }

    DateCalculatorKept& kept_;
    OfficeCalendarKept& office_;
    // The last answer, what Ctrl+C copies; empty before the first.
    std::string result_line_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_date_calculator_window(HWND window, DateCalculatorKept& kept,
                                                        OfficeCalendarKept& office) {
    return std::make_unique<DateCalculatorWindow>(window, kept, office);
}

}  // namespace quivra
