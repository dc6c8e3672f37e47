// Every result list keeps the margins of the button above it and shows only whole rows.
#include <utility>
#include <vector>

#include "res/dialogs/currency.h"
#include "res/dialogs/drive_report.h"
#include "res/dialogs/list_converters.h"
#include "res/dialogs/world_clock.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using ResultListsTest = WindowTest;

RECT rect_in(HWND tool, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(tool, id), &r);
    MapWindowPoints(nullptr, tool, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(ResultListsTest, ShowWholeRowsWithinTheMarginsOfTheButtonAbove) {
    launcher();
    struct Tool {
        int command, button, list;
    };
    std::vector<Tool> tools = {{IDC_OPEN_WORLD_CLOCK, IDC_WORLD_REPORT, IDC_WORLD_TIMES},
                               {IDC_OPEN_CURRENCY, IDC_CURRENCY_CONVERT, IDC_CURRENCY_RESULTS},
                               {IDC_OPEN_DRIVES, IDC_DRIVE_EXAMINE, IDC_DRIVE_LIST}};
    for (auto [command, base] : {std::pair{IDC_OPEN_LENGTH, LENGTH_CONVERTER_BASE}, {IDC_OPEN_WEIGHT, WEIGHT_CONVERTER_BASE},
                                 {IDC_OPEN_AREA, AREA_CONVERTER_BASE}, {IDC_OPEN_VOLUME, VOLUME_CONVERTER_BASE},
                                 {IDC_OPEN_SPEED, SPEED_CONVERTER_BASE}})
        tools.push_back({command, base + IDC_LIST_CONVERT, base + IDC_LIST_RESULTS});
    for (auto& t : tools) {
        SCOPED_TRACE(t.command);
        HWND tool = open(t.command);
        HWND list = GetDlgItem(tool, t.list);
        RECT rows, window, button = rect_in(tool, t.button), placed = rect_in(tool, t.list);
        GetClientRect(list, &rows);
        GetClientRect(tool, &window);
        auto row_height = LONG(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        ASSERT_GT(row_height, 0);
        EXPECT_EQ(rows.bottom % row_height, 0) << "a row cut at the bottom";
        EXPECT_EQ(placed.left, button.left);
        EXPECT_EQ(placed.right, button.right);
        EXPECT_GE(window.bottom - placed.bottom, button.left) << "no margin below the list";
    }
}

TEST_F(ResultListsTest, EveryCurrencyShowsWithoutScrolling) {
    launcher();
    HWND currency = open(IDC_OPEN_CURRENCY);
    click(currency, IDC_CURRENCY_CONVERT);
    HWND list = GetDlgItem(currency, IDC_CURRENCY_RESULTS);
    RECT rows;
    GetClientRect(list, &rows);
    auto count = LONG(SendMessageW(list, LB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 0);
    EXPECT_GE(rows.bottom / LONG(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)), count);
}

}  // namespace
}  // namespace quivra::testing
