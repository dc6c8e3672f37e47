// The window shared by the five list converters.
#include "tools/convert/list_converter_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "base/win/drop_down.h"
#include "base/win/settings_store.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/list_converter.h"
#include "tools/convert/list_converter.h"

namespace quivra {

const ListConverter length_converter{LENGTH_CONVERTER_BASE, length_units, &Settings::length_unit};
const ListConverter weight_converter{WEIGHT_CONVERTER_BASE, weight_units, &Settings::weight_unit};
const ListConverter area_converter{AREA_CONVERTER_BASE, area_units, &Settings::area_unit};
const ListConverter volume_converter{VOLUME_CONVERTER_BASE, volume_units, &Settings::volume_unit};
const ListConverter speed_converter{SPEED_CONVERTER_BASE, speed_units, &Settings::speed_unit};

namespace {

constexpr int value_field = IDC_LIST_VALUE;
constexpr int value_updown = IDC_LIST_VALUE_UPDOWN;
constexpr int unit_list = IDC_LIST_UNIT;
constexpr int convert_button = IDC_LIST_CONVERT;
constexpr int result_list = IDC_LIST_RESULTS;

// The tab stops just past the longest name, not at the next default stop,
// so that the unit column fits within the list's margins.
void set_result_tab_stop(HWND dialog, const ListConverter& tool) {
    std::size_t name_columns = std::size_t(tool.table.name_width);
    for (const auto& unit : tool.table.units)
        name_columns = std::max(name_columns, std::string_view(unit.name).size());
    int quarter_characters = int(name_columns + 1) * 4;
    SendDlgItemMessageW(dialog, tool.base + result_list, LB_SETTABSTOPS, 1,
                        reinterpret_cast<LPARAM>(&quarter_characters));
}

void open(HWND dialog, const ListConverter& tool) {
    set_up_spin_field(dialog, tool.base + value_field, tool.base + value_updown, 1, 9999);
    SetDlgItemInt(dialog, tool.base + value_field, 1, FALSE);
    const auto& units = tool.table.units;
    fill_drop_down(dialog, tool.base + unit_list, units.size(), [&](std::size_t row) { return units[row].name; },
                   (settings.*tool.selection).at_startup);
    set_result_tab_stop(dialog, tool);
}

void convert(HWND dialog, const ListConverter& tool) {
    auto value = unsigned(read_field(dialog, tool.base + value_field, 0, 9999));
    LRESULT row = SendDlgItemMessageW(dialog, tool.base + unit_list, CB_GETCURSEL, 0, 0);
    if (row < 0 || std::size_t(row) >= tool.table.units.size())
        return show_lines(dialog, tool.base + result_list, {});
    (settings.*tool.selection).set(std::int32_t(row));
    show_lines(dialog, tool.base + result_list, convert_to_every_unit(tool.table, value, std::size_t(row)));
}

class ListConverterWindow final : public ToolWindow {
public:
    explicit ListConverterWindow(const ListConverter& tool) : tool_(tool) {}

    INT_PTR handle(HWND dialog, UINT message, WPARAM wparam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            open(dialog, tool_);
            return TRUE;
        case WM_COMMAND:
            if (wparam != WPARAM(tool_.base + convert_button)) return FALSE;
            convert(dialog, tool_);
            return TRUE;
        }
        return FALSE;
    }

private:
    const ListConverter& tool_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_list_converter_window(const ListConverter& tool) {
    return std::make_unique<ListConverterWindow>(tool);
}

}  // namespace quivra
