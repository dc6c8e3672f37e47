// The window shared by the list converters.
#include "tools/convert/list_converter_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "base/win/drop_down.h"
#include "base/win/kept_text_field.h"
#include "base/win/text.h"
#include "res/dialogs/list_converter.h"
#include "tools/convert/list_converter.h"

namespace quivra {

const ListConverter length_converter{LENGTH_CONVERTER_BASE, length_units};
const ListConverter weight_converter{WEIGHT_CONVERTER_BASE, weight_units};
const ListConverter area_converter{AREA_CONVERTER_BASE, area_units};
const ListConverter volume_converter{VOLUME_CONVERTER_BASE, volume_units};
const ListConverter speed_converter{SPEED_CONVERTER_BASE, speed_units};
const ListConverter fuel_converter{FUEL_CONVERTER_BASE, fuel_units};
const ListConverter data_converter{DATA_CONVERTER_BASE, data_units};
const ListConverter energy_converter{ENERGY_CONVERTER_BASE, energy_units};
const ListConverter pressure_converter{PRESSURE_CONVERTER_BASE, pressure_units};
const ListConverter power_converter{POWER_CONVERTER_BASE, power_units};

namespace {

// "123456789.12345"
constexpr int longest_value = 15;

// The tab stop just past the longest name, not at the next default stop,
// so that the unit column fits within the list's margins; in quarters of a character.
int result_tab_stop(const ListConverter& tool) {
    std::size_t name_columns = std::size_t(tool.table.name_width);
    for (const auto& unit : tool.table.units)
        name_columns = std::max(name_columns, std::string_view(unit.name).size());
    return int(name_columns + 1) * 4;
}

// A line wider than the list, as a value far below the fifth decimal is, scrolls into view.
void fit_scroll_width(HWND dialog, const ListConverter& tool, const std::vector<std::string>& lines) {
    HWND list = GetDlgItem(dialog, tool.base + IDC_LIST_RESULTS);
    RECT tab{0, 0, result_tab_stop(tool), 0};
    MapDialogRect(dialog, &tab);
    const int tab_pixels = tab.right;
    HDC dc = GetDC(list);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& line : lines) {
        const std::wstring text = widen(line);
        widest = std::max<LONG>(widest, LOWORD(GetTabbedTextExtentW(dc, text.c_str(), int(text.size()), 1, &tab_pixels)));
    }
    SelectObject(dc, font);
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, WPARAM(widest + GetSystemMetrics(SM_CXEDGE) * 2), 0);
}

class ListConverterWindow final : public ToolWindow {
public:
    ListConverterWindow(HWND window, const ListConverter& tool, UnitKept& kept)
        : ToolWindow(window), tool_(tool), kept_(kept) {}

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message != WM_NOTIFY) return ToolWindow::handle(message, wparam, lparam);
        const auto& notice = *reinterpret_cast<const NMUPDOWN*>(lparam);
        if (notice.hdr.idFrom != UINT_PTR(tool_.base + IDC_LIST_VALUE_UPDOWN) || notice.hdr.code != UDN_DELTAPOS)
            return FALSE;
        // The arrows step the whole part and keep the decimals; the control's own position stays.
        int field = tool_.base + IDC_LIST_VALUE;
        set_item_text(window(), field, stepped_value(item_text(window(), field), notice.iDelta > 0 ? 1 : -1));
        SetWindowLongPtrW(window(), DWLP_MSGRESULT, TRUE);
        return TRUE;
    }

private:
    bool command(WPARAM id) override {
        if (id == WPARAM(tool_.base + IDC_LIST_CONVERT)) convert();
        else if (id == MAKEWPARAM(tool_.base + IDC_LIST_VALUE, EN_CHANGE))
            set_item_text(window(), tool_.base + IDC_LIST_NOTE, value_field_.check());
        else return false;
        return true;
    }

    void open() override {
        SendDlgItemMessageW(window(), tool_.base + IDC_LIST_VALUE, EM_LIMITTEXT, longest_value, 0);
        value_field_.attach(GetDlgItem(window(), tool_.base + IDC_LIST_VALUE));
        set_item_text(window(), tool_.base + IDC_LIST_VALUE, "1");
        const auto& units = tool_.table.units;
        fill_drop_down(window(), tool_.base + IDC_LIST_UNIT, units.size(),
                       [&](std::size_t row) { return units[row].name; }, kept_.unit);
        const int tab_stop = result_tab_stop(tool_);
        SendDlgItemMessageW(window(), tool_.base + IDC_LIST_RESULTS, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab_stop));
    }

    void convert() {
        // The field holds only what reads; another program's text that got past it reads as 0.
        std::uint64_t value = read_value(item_text(window(), tool_.base + IDC_LIST_VALUE)).value_or(0);
        LRESULT row = SendDlgItemMessageW(window(), tool_.base + IDC_LIST_UNIT, CB_GETCURSEL, 0, 0);
        if (row < 0 || std::size_t(row) >= tool_.table.units.size())
            return show_lines(window(), tool_.base + IDC_LIST_RESULTS, {});
        kept_.unit = std::int32_t(row);
        const std::vector<std::string> lines = convert_to_every_unit(tool_.table, value, std::size_t(row));
        show_lines(window(), tool_.base + IDC_LIST_RESULTS, lines);
        fit_scroll_width(window(), tool_, lines);
    }

    const ListConverter& tool_;
    UnitKept& kept_;
    KeptTextField value_field_{value_text_refusal};
};

}  // namespace

std::unique_ptr<ToolWindow> make_list_converter_window(HWND window, const ListConverter& tool, UnitKept& kept) {
    return std::make_unique<ListConverterWindow>(window, tool, kept);
}

}  // namespace quivra
