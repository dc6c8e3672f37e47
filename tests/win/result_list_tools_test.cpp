// The tools that answer in a list: the unit converters, the currency converter and its rate editor, the world clock and the drive report.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/currency.h"
#include "res/dialogs/drive_report.h"
#include "res/dialogs/list_converter.h"
#include "res/dialogs/rate_editor.h"
#include "res/dialogs/stopwatch.h"
#include "res/dialogs/world_clock.h"
#include "res/launcher_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/convert/rate_editor.h"
#include "tools/time/world_clock.h"

namespace quivra::testing {
namespace {

using ResultListToolsTest = WindowTest;

// The row a combo box shows, and choosing one without telling the dialog.
LRESULT selected_row(HWND dialog, int id) { return SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0); }
void choose_row(HWND dialog, int id, int row) { SendDlgItemMessageW(dialog, id, CB_SETCURSEL, WPARAM(row), 0); }

constexpr int inch = 4;
constexpr std::pair<int, int> converters[] = {  // launcher command, ids base
    {IDC_OPEN_LENGTH, LENGTH_CONVERTER_BASE}, {IDC_OPEN_WEIGHT, WEIGHT_CONVERTER_BASE},
    {IDC_OPEN_AREA, AREA_CONVERTER_BASE}, {IDC_OPEN_VOLUME, VOLUME_CONVERTER_BASE},
    {IDC_OPEN_SPEED, SPEED_CONVERTER_BASE}};
constexpr int tokyo = 0, sydney = 11, wellington = 12, london = 23;

void pick_time(HWND tool, WORD hour, WORD minute) {
    set_picker(tool, IDC_WORLD_TIME, {2026, 12, 1, 7, hour, minute, 0, 0});
}

TEST_F(ResultListToolsTest, EachConverterKeepsTheUnitOfItsLastConversionForTheNextOpeningAndTheFile) {
    write_bytes(settings_file(), "len_def=15\r\nweight_def=13\r\narea_def=3\r\nvol_def=23\r\nspeed_def=5\r\n");
    const LRESULT rows[] = {0, 13, 3, 23, 5};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(selected_row(open(converters[i].first), converters[i].second + IDC_LIST_UNIT), rows[i]);

    HWND tool = open(IDC_OPEN_LENGTH);
    SetDlgItemTextW(tool, LENGTH_CONVERTER_BASE + IDC_LIST_VALUE, L"3");
    choose_row(tool, LENGTH_CONVERTER_BASE + IDC_LIST_UNIT, inch);
    choose_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT, 0);  // never converted
    click(tool, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    auto lines = list_lines(tool, LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS);
    EXPECT_EQ(lines.at(inch), "インチ      \t        3.00000 in");
    EXPECT_EQ(selected_row(reopen(tool, IDC_OPEN_LENGTH), LENGTH_CONVERTER_BASE + IDC_LIST_UNIT), inch);
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_TRUE(saved("\r\nlen_def=4\r\n") && saved("\r\nvol_def=23\r\n"));
}

// Characters as the keyboard delivers them to the focused field.
void type_into(HWND tool, int id, std::wstring_view keys) {
    SetFocus(GetDlgItem(tool, id));
    for (wchar_t key : keys) SendMessageW(GetDlgItem(tool, id), WM_CHAR, key, 1);
}

TEST_F(ResultListToolsTest, TheValueTakesDecimalsExactlyRefusesOtherTextAndItsArrowsKeepTheDecimals) {
    constexpr int base = LENGTH_CONVERTER_BASE, cm = 1;
    HWND tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(text_of(tool, base + IDC_LIST_VALUE), "1");
    SetDlgItemTextW(tool, base + IDC_LIST_VALUE, L"");
    type_into(tool, base + IDC_LIST_VALUE, L"1x.5");
    EXPECT_EQ(text_of(tool, base + IDC_LIST_VALUE), "1.5") << "the letter refused as typed";
    EXPECT_EQ(text_of(tool, base + IDC_LIST_NOTE), "") << "and its word gone with the next good key";
    type_into(tool, base + IDC_LIST_VALUE, L"-");
    EXPECT_NE(text_of(tool, base + IDC_LIST_NOTE), "") << "says why";
    SetDlgItemTextW(tool, base + IDC_LIST_VALUE, L"1.123456");
    EXPECT_EQ(text_of(tool, base + IDC_LIST_VALUE), "1.5") << "a sixth decimal, set by another program";
    choose_row(tool, base + IDC_LIST_UNIT, inch);
    click(tool, base + IDC_LIST_CONVERT);
    EXPECT_EQ(list_lines(tool, base + IDC_LIST_RESULTS).at(cm), "センチメートル\t        3.81000 cm");

    HWND arrows = GetDlgItem(tool, base + IDC_LIST_VALUE_UPDOWN);
    NMUPDOWN step{{arrows, UINT_PTR(base + IDC_LIST_VALUE_UPDOWN), UINT(UDN_DELTAPOS)}, 0, 1};
    SendMessageW(tool, WM_NOTIFY, step.hdr.idFrom, LPARAM(&step));
    EXPECT_EQ(text_of(tool, base + IDC_LIST_VALUE), "2.5");
    step.iDelta = -1;
    for (int i = 0; i < 3; ++i) SendMessageW(tool, WM_NOTIFY, step.hdr.idFrom, LPARAM(&step));
    EXPECT_EQ(text_of(tool, base + IDC_LIST_VALUE), "0.5") << "not below 0";
}

TEST_F(ResultListToolsTest, EachNewConverterOpensFromItsButtonConvertsAndKeepsItsRow) {
    const struct { int command, base, row; const char* key; const char* line; } tools[] = {
        {IDC_OPEN_FUEL, FUEL_CONVERTER_BASE, 0, "fuel_def=0", "1.00000 km/L"},
        {IDC_OPEN_DATA, DATA_CONVERTER_BASE, 7, "data_def=7", "8,000,000,000.00000 bit"},
        {IDC_OPEN_ENERGY, ENERGY_CONVERTER_BASE, 4, "energy_def=4", "4,184.00000 J"},
        {IDC_OPEN_PRESSURE, PRESSURE_CONVERTER_BASE, 2, "pressure_def=2", "1,000.00000 Pa"},
        {IDC_OPEN_POWER, POWER_CONVERTER_BASE, 3, "power_def=3", "735.49875 W"},
    };
    for (const auto& t : tools) {
        HWND tool = open(t.command);
        choose_row(tool, t.base + IDC_LIST_UNIT, t.row);
        click(tool, t.base + IDC_LIST_CONVERT);
        EXPECT_TRUE(list_lines(tool, t.base + IDC_LIST_RESULTS).at(0).ends_with(std::string(" ") + t.line)) << t.key;
    }
    restart();
    for (const auto& t : tools) {
        EXPECT_TRUE(saved(std::string("\r\n") + t.key + "\r\n")) << t.key;
        EXPECT_EQ(selected_row(open(t.command), t.base + IDC_LIST_UNIT), t.row) << t.key;
    }
    // A line below the fifth decimal keeps its point in the column of the others.
    HWND pressure = open(IDC_OPEN_PRESSURE);
    choose_row(pressure, PRESSURE_CONVERTER_BASE + IDC_LIST_UNIT, 0);
    click(pressure, PRESSURE_CONVERTER_BASE + IDC_LIST_CONVERT);
    const auto lines = list_lines(pressure, PRESSURE_CONVERTER_BASE + IDC_LIST_RESULTS);
    EXPECT_TRUE(lines.at(6).ends_with(" 0.00000986923 atm")) << lines.at(6);
    EXPECT_EQ(lines.at(6).find('.'), lines.at(0).find('.'));
}

constexpr int new_york = 24;

std::string time_part(const std::string& line) { return line.substr(31); }

void report_at(HWND tool, WORD year, WORD month, WORD day, WORD hour) {
    set_picker(tool, IDC_WORLD_DATE, moment(year, month, day));
    set_picker(tool, IDC_WORLD_TIME, moment(year, month, day, hour));
    click(tool, IDC_WORLD_REPORT);
}

TEST_F(ResultListToolsTest, TheZonesDecideForANewUserFromNowAndTheManualChoiceIsKept) {
    fake.local.wHour = 21, fake.local.wMinute = 7, fake.local.wSecond = 42;
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_TRUE(checked(tool, IDC_WORLD_AUTOMATIC)) << "a new user";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tool, IDC_WORLD_SUMMER_TIME)));
    EXPECT_EQ(text_of(tool, IDC_WORLD_DATE) + " " + text_of(tool, IDC_WORLD_TIME), "2026/12/07 21:07:42");
    set_picker(tool, IDC_WORLD_TIME, moment(2026, 7, 15, 12));
    click(tool, IDC_WORLD_AUTOMATIC);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(tool, IDC_WORLD_SUMMER_TIME)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tool, IDC_WORLD_DATE)));
    click(tool, IDC_WORLD_REPORT);
    const std::size_t rows = list_lines(tool, IDC_WORLD_TIMES).size();
    EXPECT_EQ(time_part(list_lines(tool, IDC_WORLD_TIMES).at(sydney)), "13時 0分 ") << "the table's hours";
    choose_row(tool, IDC_WORLD_CITY, london);
    click(tool, IDC_WORLD_SUMMER_TIME);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(list_lines(tool, IDC_WORLD_TIMES).size(), rows) << "a second report replaces the first";
    EXPECT_EQ(time_part(list_lines(tool, IDC_WORLD_TIMES).at(tokyo)), "22時 0分 ") << "summer time moves every row";
    tool = reopen(tool, IDC_OPEN_WORLD_CLOCK);
    EXPECT_FALSE(checked(tool, IDC_WORLD_AUTOMATIC));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tool, IDC_WORLD_DATE)));
    restart();
    EXPECT_TRUE(saved("\r\nworld_auto=0\r\n"));
    EXPECT_FALSE(checked(open(IDC_OPEN_WORLD_CLOCK), IDC_WORLD_AUTOMATIC));
}

// Noon in Tokyo (03:00 UTC) on 2026/01/15 and 2026/07/15 in every city, as
// the cities' clocks read then: written from each country's rules, not from
// any zone arithmetic. Cairo, Mexico City and Rabat are left out: their
// rules changed after 2022, later than the zone data Wine 8 ships.
constexpr struct { int row; const char* january; const char* july; } noon_in_tokyo[] = {
    {0, "12時 0分 ", "12時 0分 "}, {1, "12時 0分 ", "12時 0分 "}, {2, "11時 0分 ", "11時 0分 "},
    {3, "11時 0分 ", "11時 0分 "}, {4, "11時 0分 ", "11時 0分 "}, {5, "11時 0分 ", "11時 0分 "},
    {6, "11時 0分 ", "11時 0分 "}, {7, "10時 0分 ", "10時 0分 "}, {8, "10時 0分 ", "10時 0分 "},
    {9, "10時 0分 ", "10時 0分 "}, {10, "11時 0分 ", "11時 0分 "},
    {11, "14時 0分  夏時間", "13時 0分 "}, {12, "16時 0分  夏時間", "15時 0分 "},
    {13, " 6時 0分 ", " 6時 0分 "}, {14, " 6時 0分 ", " 6時 0分 "}, {15, " 6時 0分 ", " 6時 0分 "},
    {16, " 5時 0分 ", " 6時 0分  夏時間"}, {17, " 4時 0分 ", " 5時 0分  夏時間"}, {18, " 4時 0分 ", " 5時 0分  夏時間"},
    {19, " 4時 0分 ", " 5時 0分  夏時間"}, {20, " 4時 0分 ", " 5時 0分  夏時間"}, {21, " 4時 0分 ", " 5時 0分  夏時間"},
    {22, " 4時 0分 ", " 5時 0分  夏時間"}, {23, " 3時 0分 ", " 4時 0分  夏時間"},
    {24, "22時 0分 前日", "23時 0分 前日 夏時間"}, {25, "22時 0分 前日", "23時 0分 前日 夏時間"},
    {26, "19時 0分 前日", "20時 0分 前日 夏時間"}, {27, "18時 0分 前日", "19時 0分 前日 夏時間"},
    {29, " 0時 0分 ", " 0時 0分 "}, {30, " 0時 0分 ", " 0時 0分 "}, {31, "22時 0分 前日", "22時 0分 前日"},
    {32, "17時 0分 前日", "17時 0分 前日"}, {34, " 6時 0分 ", " 6時 0分 "}, {35, " 5時 0分 ", " 5時 0分 "},
    {37, " 3時 0分 ", " 3時 0分 "},
};

TEST_F(ResultListToolsTest, NoonInTokyoReadsAsEachCitysClockDidInWinterAndSummer) {
    fake.system_zones = true;
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    report_at(tool, 2026, 1, 15, 12);
    auto january = list_lines(tool, IDC_WORLD_TIMES);
    report_at(tool, 2026, 7, 15, 12);
    auto july = list_lines(tool, IDC_WORLD_TIMES);
    ASSERT_EQ(std::pair(january.size(), july.size()), std::pair(cities.size(), cities.size()));
    for (const auto& city : noon_in_tokyo)
        EXPECT_EQ(std::pair(time_part(january[city.row]), time_part(july[city.row])),
                  std::pair(std::string(city.january), std::string(city.july)))
            << cities[city.row].name;
    // Europe's clocks went forward at 01:00 UTC that day; Sydney's go back a week later.
    report_at(tool, 2026, 3, 29, 12);
    auto march = list_lines(tool, IDC_WORLD_TIMES);
    EXPECT_EQ(std::pair(time_part(march.at(london)), time_part(march.at(sydney))),
              std::pair(std::string(" 4時 0分  夏時間"), std::string("14時 0分  夏時間")));
}

TEST_F(ResultListToolsTest, TheCityOfTheLastReportIsKeptInTheRunAndAcrossARestartAndNoRowMeansTheFirst) {
    write_bytes(settings_file(), "world_def=38\r\nvol_def=-1\r\n");
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(selected_row(tool, IDC_WORLD_CITY), tokyo) << "a stored row outside the table";
    EXPECT_EQ(selected_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT), 0);
    choose_row(tool, IDC_WORLD_CITY, -1);  // as another program could leave it
    pick_time(tool, 3, 5);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(selected_row(tool, IDC_WORLD_CITY), tokyo);
    EXPECT_EQ(list_lines(tool, IDC_WORLD_TIMES).at(london), "ロンドン(イギリス)            \t18時 5分 前日");
    EXPECT_EQ(kept().world_clock.city, tokyo);

    choose_row(tool, IDC_WORLD_CITY, wellington);
    click(tool, IDC_WORLD_REPORT);
    choose_row(tool, IDC_WORLD_CITY, sydney);  // chosen but never reported
    EXPECT_EQ(selected_row(reopen(tool, IDC_OPEN_WORLD_CLOCK), IDC_WORLD_CITY), wellington);
    restart();
    EXPECT_TRUE(saved("\r\nworld_def=12\r\n"));
    EXPECT_EQ(selected_row(open(IDC_OPEN_WORLD_CLOCK), IDC_WORLD_CITY), wellington);
}

RECT rect_in(HWND tool, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(tool, id), &r);
    MapWindowPoints(nullptr, tool, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(ResultListToolsTest, EveryResultListShowsWholeRowsAndKeepsAMarginBelow) {
    struct Tool { int command, button, list; };
    std::vector<Tool> tools = {{IDC_OPEN_WORLD_CLOCK, IDC_WORLD_REPORT, IDC_WORLD_TIMES},
                               {IDC_OPEN_CURRENCY, IDC_CURRENCY_CONVERT, IDC_CURRENCY_RESULTS},
                               {IDC_OPEN_DRIVES, IDC_DRIVE_EXAMINE, IDC_DRIVE_LIST},
                               {IDC_OPEN_STOPWATCH, IDC_STOPWATCH_BUTTON, IDC_STOPWATCH_LAPS}};
    for (auto [command, base] : converters) tools.push_back({command, base + IDC_LIST_CONVERT, base + IDC_LIST_RESULTS});
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
        EXPECT_GE(window.bottom - placed.bottom, button.left) << "no margin below the list";
        if (t.command != IDC_OPEN_CURRENCY) continue;
        click(tool, t.button);
        EXPECT_GE(rows.bottom / row_height, LONG(SendMessageW(list, LB_GETCOUNT, 0, 0)))
            << "every currency shows without scrolling";
    }
}

constexpr int yen = 0, euro = 2;
constexpr int euro_yen = IDC_RATE_YEN_FIRST + euro - int(first_edited_row);
constexpr int euro_sen = IDC_RATE_SEN_FIRST + euro - int(first_edited_row);

// Converts `amount` from `currency` and returns the yen line.
std::string in_yen(HWND converter, const wchar_t* amount, int currency) {
    SetDlgItemTextW(converter, IDC_CURRENCY_AMOUNT, amount);
    choose_row(converter, IDC_CURRENCY_FROM, currency);
    click(converter, IDC_CURRENCY_CONVERT);
    return list_lines(converter, IDC_CURRENCY_RESULTS).at(yen);
}

HWND open_editor(HWND converter) {
    choose_menu(converter, IDM_RATE_EDITOR);
    return tool_window_with(IDC_RATE_YEN_FIRST);
}

// The editor with the euro typed in as `yen` yen `sen` sen.
HWND editor_with_euro(HWND converter, const wchar_t* yen = L"1", const wchar_t* sen = L"1") {
    HWND editor = open_editor(converter);
    SetDlgItemTextW(editor, euro_yen, yen);
    SetDlgItemTextW(editor, euro_sen, sen);
    return editor;
}

void press_key(HWND editor, WPARAM key) {
    SetFocus(GetDlgItem(editor, euro_yen));
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    pump();
}

TEST_F(ResultListToolsTest, CurrencyConvertsAtTheRateStoredInItsOneEditorAndKeepsTheRateAndTheCurrency) {
    write_bytes(settings_file(), "cash_def=16\r\n");
    HWND converter = open(IDC_OPEN_CURRENCY);
    EXPECT_EQ(selected_row(converter, IDC_CURRENCY_FROM), yen);
    // Set from outside, past the field's limit.
    EXPECT_EQ(in_yen(converter, L"123456789", yen), "日本円          \t 99999999.00");

    HWND editor = editor_with_euro(converter, L"121", L"5");
    EXPECT_EQ(open_editor(converter), editor);
    EXPECT_EQ(text_of(editor, IDC_RATE_YEN_FIRST) + "." + text_of(editor, IDC_RATE_SEN_FIRST), "121.25") << "the dollar";
    click(editor, IDC_RATE_OK);
    EXPECT_EQ(in_yen(converter, L"100", euro), "日本円          \t    12105.00");
    converter = reopen(converter, IDC_OPEN_CURRENCY);
    EXPECT_EQ(selected_row(converter, IDC_CURRENCY_FROM), euro);
    EXPECT_EQ(text_of(converter, IDC_CURRENCY_AMOUNT), "1000");
    restart();
    EXPECT_TRUE(saved("\r\ncash_def=2\r\n") && saved("\r\nrate02=12105\r\n"));
    editor = open_editor(open(IDC_OPEN_CURRENCY));
    EXPECT_EQ(text_of(editor, euro_yen) + "." + text_of(editor, euro_sen), "121.5");
}

TEST_F(ResultListToolsTest, OnlyOkEnterAndAYesStoreTheRates) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    const std::int32_t before = kept().currency.rates[euro];
    auto exit_menu = [](HWND e) { choose_menu(e, IDM_EXIT); };
    struct Way {
        std::function<void(HWND)> leave;
        std::deque<bool> answers;
        bool stores;
    } ways[] = {
        {[](HWND e) { click(e, IDC_RATE_OK); }, {}, true}, {[](HWND e) { press_key(e, VK_RETURN); }, {}, true},
        {exit_menu, {true}, true}, {exit_menu, {false}, false}, {[](HWND e) { click(e, IDC_RATE_CANCEL); }, {}, false},
        {[](HWND e) { SendMessageW(e, WM_SYSCOMMAND, SC_CLOSE, 0); pump(); }, {}, false},
    };
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        SCOPED_TRACE(i);
        kept().currency.rates[euro] = before;
        fake.shown.clear();
        fake.answers = ways[i].answers;
        HWND editor = editor_with_euro(converter);
        ways[i].leave(editor);
        EXPECT_FALSE(IsWindow(editor));
        EXPECT_EQ(kept().currency.rates[euro], ways[i].stores ? 101 : before);
        EXPECT_EQ(fake.shown, std::vector<std::string>(ways[i].answers.size(), store_question));
    }
    HWND editor = editor_with_euro(converter);
    press_key(editor, VK_ESCAPE);
    choose_menu(editor, IDCANCEL);
    EXPECT_TRUE(IsWindow(editor)) << "neither Escape nor its command leaves";
}

TEST_F(ResultListToolsTest, TheLaunchersCloseShutsTheRateEditorWithoutStoringOrAsking) {
    HWND editor = editor_with_euro(open(IDC_OPEN_CURRENCY));
    const std::int32_t before = kept().currency.rates[euro];
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_TRUE(saved("\r\nrate02=12631\r\n"));

    // Nor when it comes while the editor's own question is up.
    launcher_window = nullptr;
    editor = editor_with_euro(open(IDC_OPEN_CURRENCY));
    fake.answers = {true};
    fake.while_box_is_up = [&] { choose_menu(launcher_window, IDM_EXIT); };
    choose_menu(editor, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(saved("\r\nrate02=" + std::to_string(before) + "\r\n")) << "the fields were gone";
}

constexpr std::uint64_t gb = std::uint64_t(1) << 30;

TEST_F(ResultListToolsTest, DriveReportIsRebuiltTheUnitTakesEffectAtTheNextPressAndOldSystemsGetTheClassicCounts) {
    // A: is never examined; the optical drive has no disc.
    fake.drives['A'] = {DRIVE_REMOVABLE, DriveSpace{gb, gb}, {}, VolumeInformation{"FD", "FAT"}};
    fake.drives['C'] = {DRIVE_FIXED, DriveSpace{10 * gb, 40 * gb}, {}, VolumeInformation{"システム", "NTFS"}};
    fake.drives['Q'] = {DRIVE_CDROM, {}, {}, {}};
    HWND tool = open(IDC_OPEN_DRIVES);
    click(tool, IDC_DRIVE_EXAMINE);
    std::vector<std::string> lines = list_lines(tool, IDC_DRIVE_LIST);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "C: [システム   ](NTFS  )HardDisk ");
    EXPECT_EQ(lines[2], "    残りは 10240Mb( 25% )..ドライブ容量は 40960Mbです");
    EXPECT_EQ(lines[5], "Q: [           ](      )CD-ROM   ");

    click(tool, IDC_DRIVE_KILOBYTES);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST), lines);
    fake.drives['C'].extended->free_bytes = 20 * gb;
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).at(2), "残りは 20971520kb( 50% )ドライブ容量は 41943040kbです");

    // Old systems use the classic counts: 16 TiB in 4 KiB clusters needs more than 32 bits.
    fake.drives = {{'D', {DRIVE_FIXED, DriveSpace{1, 1}, ClassicFreeSpace{8, 512, 0x7FFFFFFF, 0xFFFFFFFF},
                          VolumeInformation{"OLD", "FAT"}}}};
    fake.version = {2, 3, 1057};
    click(tool, IDC_DRIVE_MEGABYTES);
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).at(2), "    残りは8388607Mb( 49% )..ドライブ容量は16777215Mbです");
    fake.version = {0, 4, 0};
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).size(), 1u);
}

}  // namespace
}  // namespace quivra::testing
