// Windows drawn for their monitor's DPI: the bold digits, the icons, and a place wholly on screen.
#include <tuple>
#include <utility>

#include "app/tool_table.h"
#include "base/win/display_font.h"
#include "base/win/dpi.h"
#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "res/dialogs/game.h"
#include "res/dialogs/stopwatch.h"
#include "res/dialogs/time_calculator.h"
#include "res/launcher_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using DpiTest = WindowTest;

// The font's height as asked for, and as the system made it.
std::pair<int, int> heights(HFONT font) {
    LOGFONTW asked{};
    GetObjectW(font, sizeof asked, &asked);
    HDC screen = GetDC(nullptr);
    HGDIOBJ before = SelectObject(screen, font);
    TEXTMETRICW made{};
    GetTextMetricsW(screen, &made);
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    return {asked.lfHeight, made.tmHeight};
}

int icon_width(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

HWND icon_control(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return child;
    return nullptr;
}

int shown_icon_width(HWND dialog) {
    return icon_width(HICON(SendMessageW(icon_control(dialog), STM_GETICON, 0, 0)));
}

HFONT font_of(HWND dialog, int id) { return HFONT(SendDlgItemMessageW(dialog, id, WM_GETFONT, 0, 0)); }

RECT rectangle_of(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }

// What the system sends when the window is dragged onto a monitor of `dpi`.
RECT move_to_monitor_of(HWND window, int dpi) {
    RECT now = rectangle_of(window);
    int from = window_dpi(window);
    RECT suggested{100, 50, 100 + MulDiv(now.right - now.left, dpi, from), 50 + MulDiv(now.bottom - now.top, dpi, from)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
    return suggested;
}

TEST(DisplayFont, IsBoldAndSixteenPixelsHighAtNinetySixDpiAndGrowsWithTheDpiItIsMadeFor) {
    for (auto [dpi, height] : {std::pair{96, 16}, {120, 20}, {144, 24}, {192, 32}}) {
        HFONT font = create_display_font(dpi);
        auto [asked, made] = heights(font);
        EXPECT_EQ(asked, height) << dpi << " dpi";
        LOGFONTW described{};
        GetObjectW(font, sizeof described, &described);
        EXPECT_EQ(described.lfWeight, FW_BOLD);
        EXPECT_NEAR(made, height, 1) << dpi << " dpi: the rasteriser rounds, but no more";
        DeleteObject(font);
    }
}

TEST_F(DpiTest, AToolMovedToAMonitorOfAnotherDpiTakesTheSuggestedPlaceAndRedrawsItsIconAndDigitsForItAndFreesTheFontOnClosing) {
    for (auto [command, digits] : {std::pair{IDC_OPEN_STOPWATCH, IDC_STOPWATCH_ELAPSED},
                                   {IDC_OPEN_TIME_CALCULATOR, IDC_CALC_RESULT}, {IDC_OPEN_GAME, IDC_GAME_FIRST_CELL}}) {
        SCOPED_TRACE(command);
        HWND tool = open(command);
        int dpi = window_dpi(tool);
        EXPECT_EQ(shown_icon_width(tool), at_dpi(32, dpi));
        HFONT opening_font = font_of(tool, digits);
        EXPECT_EQ(heights(opening_font).first, at_dpi(16, dpi));

        RECT suggested = move_to_monitor_of(tool, 192);
        EXPECT_TRUE(rectangle_of(tool) == suggested);
        EXPECT_EQ(shown_icon_width(tool), 64);
        HFONT last_font = font_of(tool, digits);
        EXPECT_EQ(heights(last_font).first, 32);
        EXPECT_EQ(GetObjectType(opening_font), 0u) << "the font it replaced is kept";
        choose_menu(tool, IDM_EXIT);
        EXPECT_EQ(GetObjectType(last_font), 0u) << "the font outlived its window";
    }
}

TEST_F(DpiTest, TheLaunchersButtonsShowTheirIconsAtTheDpiOfItsMonitor) {
    HWND l = launcher();
    auto button_icon_widths = [&] {
        std::vector<int> widths;
        for (const Tool& tool : launcher_tools())
            widths.push_back(icon_width(HICON(SendDlgItemMessageW(l, tool.command, BM_GETIMAGE, IMAGE_ICON, 0))));
        return widths;
    };
    const std::size_t buttons = launcher_tools().size();
    EXPECT_EQ(button_icon_widths(), std::vector<int>(buttons, at_dpi(32, window_dpi(l))));
    RECT suggested = move_to_monitor_of(l, 144);
    EXPECT_TRUE(rectangle_of(l) == suggested);
    EXPECT_EQ(button_icon_widths(), std::vector<int>(buttons, 48));
}

TEST_F(DpiTest, AToolKeptWhereNoMonitorShowsAllOfItOpensWhollyOnTheScreen) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const Tool& clock = *tool_for_command(IDC_OPEN_WORLD_CLOCK);
    for (Position place : {Position{work.right - 20, work.bottom - 20}, Position{-5000, 30}}) {
        kept().windows.positions[clock.position] = place;
        HWND tool = open(IDC_OPEN_WORLD_CLOCK);
        RECT r = rectangle_of(tool), inside{};
        EXPECT_TRUE(IntersectRect(&inside, &r, &work) && inside == r) << place.left << "," << place.top;
        choose_menu(tool, IDM_EXIT);
    }
}

}  // namespace
}  // namespace quivra::testing
