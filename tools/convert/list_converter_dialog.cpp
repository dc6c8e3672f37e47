// The window shared by the list converters.
#include "tools/convert/list_converter_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "base/win/drop_down.h"
#include "base/win/kept_text_field.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/list_converter.h"
#include "tools/convert/list_converter.h"

namespace quivra {

const ListConverter length_converter{LENGTH_CONVERTER_BASE, length_units, &Settings::length_unit};
const ListConverter weight_converter{WEIGHT_CONVERTER_BASE, weight_units, &Settings::weight_unit};
const ListConverter area_converter{AREA_CONVERTER_BASE, area_units, &Settings::area_unit};
const ListConverter volume_converter{VOLUME_CONVERTER_BASE, volume_units, &Settings::volume_unit};
const ListConverter speed_converter{SPEED_CONVERTER_BASE, speed_units, &Settings::speed_unit};
const ListConverter fuel_converter{FUEL_CONVERTER_BASE, fuel_units, &Settings::fuel_unit};
const ListConverter data_converter{DATA_CONVERTER_BASE, data_units, &Settings::data_unit};
const ListConverter energy_converter{ENERGY_CONVERTER_BASE, energy_units, &Settings::energy_unit};
const ListConverter pressure_converter{PRESSURE_CONVERTER_BASE, pressure_units, &Settings::pressure_unit};

namespace {

// "123456789.12345"
constexpr int longest_value = 15;

// The tab stops just past the longest name, not at the next default stop,
// so that the unit column fits within the list's margins.
void set_result_tab_stop(HWND dialog, const ListConverter& tool) {
    std::size_t name_columns = std::size_t(tool.table.name_width);
    for (const auto& unit : tool.table.units)
        name_columns = std::max(name_columns, std::string_view(unit.name).size());
    int quarter_characters = int(name_columns + 1) * 4;
    SendDlgItemMessageW(dialog, tool.base + IDC_LIST_RESULTS, LB_SETTABSTOPS, 1,
                        reinterpret_cast<LPARAM>(&quarter_characters));
}

class ListConverterWindow final : public ToolWindow {
public:
    explicit ListConverterWindow(const ListConverter& tool) : tool_(tool) {}

    INT_PTR handle(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
        case WM_INITDIALOG:
            open(dialog);
            return TRUE;
        case WM_COMMAND:
            if (wparam == WPARAM(tool_.base + IDC_LIST_CONVERT)) convert(dialog);
            else if (wparam == MAKEWPARAM(tool_.base + IDC_LIST_VALUE, EN_CHANGE))
                set_item_text(dialog, tool_.base + IDC_LIST_NOTE, value_field_.check());
            else return FALSE;
            return TRUE;
        case WM_NOTIFY: {
            const auto& notice = *reinterpret_cast<const NMUPDOWN*>(lparam);
            if (notice.hdr.idFrom != UINT_PTR(tool_.base + IDC_LIST_VALUE_UPDOWN) || notice.hdr.code != UDN_DELTAPOS)
                return FALSE;
            // The arrows step the whole part and keep the decimals; the control's own position stays.
            int field = tool_.base + IDC_LIST_VALUE;
            set_item_text(dialog, field, stepped_value(item_text(dialog, field), notice.iDelta > 0 ? 1 : -1));
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        }
        return FALSE;
    }

private:
    void open(HWND dialog) {
        SendDlgItemMessageW(dialog, tool_.base + IDC_LIST_VALUE, EM_LIMITTEXT, longest_value, 0);
        value_field_.attach(GetDlgItem(dialog, tool_.base + IDC_LIST_VALUE));
        set_item_text(dialog, tool_.base + IDC_LIST_VALUE, "1");
        const auto& units = tool_.table.units;
        fill_drop_down(dialog, tool_.base + IDC_LIST_UNIT, units.size(),
                       [&](std::size_t row) { return units[row].name; }, (settings.*tool_.selection).at_startup);
        set_result_tab_stop(dialog, tool_);
    }

    void convert(HWND dialog) {
        // The field holds only what reads; another program's text that got past it reads as 0.
        std::uint64_t value = read_value(item_text(dialog, tool_.base + IDC_LIST_VALUE)).value_or(0);
        LRESULT row = SendDlgItemMessageW(dialog, tool_.base + IDC_LIST_UNIT, CB_GETCURSEL, 0, 0);
        if (row < 0 || std::size_t(row) >= tool_.table.units.size())
            return show_lines(dialog, tool_.base + IDC_LIST_RESULTS, {});
        (settings.*tool_.selection).set(std::int32_t(row));
        show_lines(dialog, tool_.base + IDC_LIST_RESULTS, convert_to_every_unit(tool_.table, value, std::size_t(row)));
    }

    const ListConverter& tool_;
    KeptTextField value_field_{value_text_refusal};
};

}  // namespace

std::unique_ptr<ToolWindow> make_list_converter_window(const ListConverter& tool) {
    return std::make_unique<ListConverterWindow>(tool);
}

}  // namespace quivra
