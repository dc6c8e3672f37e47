// The age tool's windows: the pickers forwarded to the engine and its answers shown; the year's table.
#include "tools/time/age_dialog.h"

#include <commctrl.h>

#include "base/win/copying.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/age.h"
#include "tools/time/age.h"
#include "tools/time/year_list_dialog.h"

namespace quivra {
namespace {

// Birth year, eras (two at most), 干支, and the three ages; the template's headings stand over them.
constexpr int table_tab_stops[] = {32, 108, 128, 164, 200};

SYSTEMTIME system_date(const Date& day) {
    SYSTEMTIME time{};
    time.wYear = WORD(int(day.year())), time.wMonth = WORD(unsigned(day.month())), time.wDay = WORD(unsigned(day.day()));
    return time;
}

class AgeWindow final : public ToolWindow {
public:
    AgeWindow(HWND window, AgeKept& kept) : ToolWindow(window), kept_(kept) {}

private:
    void open() override {
        SYSTEMTIME today = platform().local_time();
        set_up_picker(window(), IDC_REFERENCE_DATE, date_format, &today);
        const int kept = kept_.birth_date;
        const Date birth = date(kept / 10000, kept / 100 % 100, kept % 100);
        SYSTEMTIME shown = is_valid_date(birth) ? system_date(birth) : today;
        set_up_picker(window(), IDC_BIRTH_DATE, date_format, &shown);
    }

    bool command(WPARAM id) override {
        if (id != IDC_AGE_CALCULATE) return false;
        const Date birth = picked_date(window(), IDC_BIRTH_DATE);
        answers_ = age_answers(birth, picked_date(window(), IDC_REFERENCE_DATE));
        kept_.birth_date = int(birth.year()) * 10000 + int(unsigned(birth.month())) * 100 + int(unsigned(birth.day()));
        set_item_text(window(), IDC_AGE, answers_.age);
        set_item_text(window(), IDC_KAZOE, answers_.kazoe);
        set_item_text(window(), IDC_BORN, answers_.born);
        set_item_text(window(), IDC_GRADE, answers_.grade);
        show_lines(window(), IDC_SCHOOLS, answers_.schools);
        set_item_text(window(), IDC_DAYS_LIVED, answers_.days);
        set_item_text(window(), IDC_NEXT_BIRTHDAY, answers_.next_birthday);
        return true;
    }

    void copy() override {
        if (!answers_.age.empty()) copy_text(window(), copied_answers(answers_));
    }

    AgeKept& kept_;
    AgeAnswers answers_;  // the last, what Ctrl+C copies
};

const YearList age_table{IDC_TABLE_YEAR,  IDC_TABLE_YEAR_UPDOWN, IDC_AGE_TABLE, first_table_year,
                         last_table_year, table_tab_stops,       age_table_lines};

}  // namespace

std::unique_ptr<ToolWindow> make_age_window(HWND window, AgeKept& kept) {
    return std::make_unique<AgeWindow>(window, kept);
}

std::unique_ptr<ToolWindow> make_age_table_window(HWND window) { return std::make_unique<YearListWindow>(window, age_table); }

}  // namespace quivra
