// The office calendar's window: its entries added and removed, and a month calendar of its days off.
#include "tools/time/office_calendar_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "base/win/kept_text_field.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"
#include "tools/time/business_calendar.h"
#include "tools/time/date_calculator.h"

namespace quivra {
namespace {

// A yearly entry keeps only the month and day, in a leap year so that 2/29 is one.
constexpr int yearly_year = 2000;

class OfficeCalendarWindow final : public ToolWindow {
public:
    OfficeCalendarWindow(HWND window, OfficeCalendarKept& kept) : ToolWindow(window), kept_(kept) {}

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
        // The date calculator may have changed the days off while this window was behind it.
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE) show_days_off();
            return FALSE;
        case WM_NOTIFY: {
            const auto& notice = *reinterpret_cast<const NMHDR*>(lparam);
            if (notice.idFrom != IDC_OFFICE_CALENDAR_MONTH || notice.code != MCN_GETDAYSTATE) return FALSE;
            fill_day_states(*reinterpret_cast<NMDAYSTATE*>(lparam), days_off_bits());
            return TRUE;
        }
        }
        return ToolWindow::handle(message, wparam, lparam);
    }

private:
    void open() override {
        set_up_picker(window(), IDC_OFFICE_FROM, date_format);
        set_up_picker(window(), IDC_OFFICE_TO, date_format);
        CheckDlgButton(window(), IDC_OFFICE_OFF, BST_CHECKED);
        name_field_.attach(GetDlgItem(window(), IDC_OFFICE_NAME));
        show_entries();
    }

    bool command(WPARAM id) override {
        switch (id) {
        case IDC_OFFICE_ADD: add(); return true;
        case IDC_OFFICE_REMOVE: remove(); return true;
        case MAKEWPARAM(IDC_OFFICE_NAME, EN_CHANGE):
            set_item_text(window(), IDC_OFFICE_NOTE, name_field_.check());
            return true;
        }
        return false;
    }

    void add() {
        if (kept_.entries.size() >= office_entries_max) return platform().inform(window(), office_entries_full);
        OfficeEntry entry{IsDlgButtonChecked(window(), IDC_OFFICE_WORK) == BST_CHECKED,
                          IsDlgButtonChecked(window(), IDC_OFFICE_YEARLY) == BST_CHECKED,
                          picked_date(window(), IDC_OFFICE_FROM), picked_date(window(), IDC_OFFICE_TO),
                          item_text(window(), IDC_OFFICE_NAME)};
        if (entry.yearly) {
            entry.from = date(yearly_year, int(unsigned(entry.from.month())), int(unsigned(entry.from.day())));
            entry.to = date(yearly_year, int(unsigned(entry.to.month())), int(unsigned(entry.to.day())));
        } else if (entry.to < entry.from) {
            // Picked the wrong way round: the span between the two is meant.
            std::swap(entry.from, entry.to);
        }
        kept_.entries.push_back(entry);
        show_entries();
        SendDlgItemMessageW(window(), IDC_OFFICE_LIST, LB_SETCURSEL, kept_.entries.size() - 1, 0);
    }

    void remove() {
        LRESULT row = SendDlgItemMessageW(window(), IDC_OFFICE_LIST, LB_GETCURSEL, 0, 0);
        if (row < 0 || std::size_t(row) >= kept_.entries.size()) return;
        kept_.entries.erase(kept_.entries.begin() + row);
        show_entries();
    }

    void show_entries() {
        std::vector<std::string> lines;
        for (const OfficeEntry& entry : kept_.entries) lines.push_back(office_entry_line(entry));
        show_lines(window(), IDC_OFFICE_LIST, lines);
        show_days_off();
    }

    // The office calendar's dated days off, as the date calculator's choices stand now.
    MonthBits days_off_bits() const {
        return [off = days_off_of(kept_)](int year, int month) { return dated_days_off_bits(year, month, off); };
    }

    // Wine's month calendar asks for day states only when it scrolls: they are handed over as they change.
    void show_days_off() { set_day_states(GetDlgItem(window(), IDC_OFFICE_CALENDAR_MONTH), days_off_bits()); }

    OfficeCalendarKept& kept_;
    KeptTextField name_field_{office_name_refusal};
};

}  // namespace

std::unique_ptr<ToolWindow> make_office_calendar_window(HWND window, OfficeCalendarKept& kept) {
    return std::make_unique<OfficeCalendarWindow>(window, kept);
}

}  // namespace quivra
