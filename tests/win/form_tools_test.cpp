// The tools that read a form and show its answer (dates, times of day, durations, temperature, tax) and what the tools copy.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string_view>
#include <tuple>
#include <vector>

#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/age.h"
#include "res/dialogs/consumption_tax.h"
#include "res/dialogs/date_calculator.h"
#include "res/dialogs/list_converter.h"
#include "res/dialogs/temperature.h"
#include "res/dialogs/time_calculator.h"
#include "res/dialogs/time_of_day.h"
#include "res/dialogs/world_clock.h"
#include "res/launcher_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/time/time_calculator.h"

namespace quivra::testing {
namespace {

using FormToolsTest = WindowTest;

// Fills the fields (text as another program could set it, past any limit) and presses `button`.
void fill_and_press(HWND tool, std::initializer_list<std::pair<int, const wchar_t*>> fields, int button) {
    for (auto [id, text] : fields) SetDlgItemTextW(tool, id, text);
    click(tool, button);
}

TEST_F(FormToolsTest, DateCalculatorCountsDaysAndStepsBackWithTheWeekdayAndTheEra) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    set_picker(tool, IDC_FIRST_DATE, {1999, 12, 0, 31, 0, 0, 0, 0});
    set_picker(tool, IDC_SECOND_DATE, {2000, 3, 0, 1, 0, 0, 0, 0});
    EXPECT_EQ(text_of(tool, IDC_FIRST_DATE), "1999/12/31") << "in every locale";
    click(tool, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "61");

    set_picker(tool, IDC_START_DATE, {2004, 2, 0, 28, 0, 0, 0, 0});
    click(tool, IDC_MINUS);
    fill_and_press(tool, {{IDC_DAY_COUNT, L"99999"}}, IDC_DATE_AFTER);
    EXPECT_EQ(text_of(tool, IDC_DATE_RESULT) + text_of(tool, IDC_WEEKDAY_RESULT), "1976/10/13水") << "9999 days at most";
    EXPECT_EQ(text_of(tool, IDC_ERA_RESULT), "昭和51年10月13日");
    EXPECT_TRUE(checked(reopen(tool, IDC_OPEN_DATE_CALCULATOR), IDC_PLUS)) << "each opening starts with plus";
}

TEST_F(FormToolsTest, DateCalculatorCountsBusinessDaysAndYearsMonthsAndDaysBesideThePlainDays) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ((std::vector{checked(tool, IDC_SATURDAY_OFF), checked(tool, IDC_SUNDAY_OFF), checked(tool, IDC_HOLIDAYS_OFF),
                           checked(tool, IDC_YEAR_END_OFF), checked(tool, IDC_COUNT_FIRST_DAY)}),
              (std::vector{true, true, true, false, false}))
        << "a new user";
    click(tool, IDC_YEAR_END_OFF);
    // The three answers for two dates: days, business days, years-months-days.
    auto between = [&](SYSTEMTIME first, SYSTEMTIME second) {
        set_picker(tool, IDC_FIRST_DATE, first);
        set_picker(tool, IDC_SECOND_DATE, second);
        click(tool, IDC_DAYS_BETWEEN);
        return std::tuple(text_of(tool, IDC_DAYS_RESULT), text_of(tool, IDC_BETWEEN_BUSINESS),
                          text_of(tool, IDC_BETWEEN_YMD));
    };
    EXPECT_EQ(between(moment(2026, 12, 25), moment(2027, 1, 8)), std::tuple("14", "6", "14日"));
    EXPECT_EQ(text_of(tool, IDC_BETWEEN_HOLIDAY_NOTE), "");
    EXPECT_EQ(std::get<1>(between(moment(2150, 12, 31), moment(2151, 1, 31))), "20") << "年末年始 is off";
    EXPECT_EQ(text_of(tool, IDC_BETWEEN_HOLIDAY_NOTE), "（祝日は1948～2150年の分だけ数えています）");
    click(tool, IDC_COUNT_FIRST_DAY);
    EXPECT_EQ(between(moment(2026, 12, 7), moment(2026, 12, 8)), std::tuple("2", "2", "1日"))
        << "both ends count; the years, months and days do not change";
}

// The row of a drop-down list chosen as the user would, with the notice it sends.
void choose(HWND tool, int id, int row) {
    SendDlgItemMessageW(tool, id, CB_SETCURSEL, WPARAM(row), 0);
    SendMessageW(tool, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(tool, id)));
}
void choose_unit(HWND tool, int row) { choose(tool, IDC_COUNT_UNIT, row); }

std::string date_after_shown(HWND tool) {
    return text_of(tool, IDC_DATE_RESULT) + " " + text_of(tool, IDC_WEEKDAY_RESULT) + " " + text_of(tool, IDC_HOLIDAY_RESULT);
}

TEST_F(FormToolsTest, DateCalculatorStepsByBusinessDaysMonthsAndYearsAndKeepsEveryChoice) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    constexpr int business_days = 4, months = 2;
    choose_unit(tool, business_days);
    set_picker(tool, IDC_START_DATE, moment(2026, 12, 28));
    fill_and_press(tool, {{IDC_DAY_COUNT, L"3"}}, IDC_DATE_AFTER);
    EXPECT_EQ(date_after_shown(tool), "2026/12/31 木 ");
    click(tool, IDC_YEAR_END_OFF);
    click(tool, IDC_DATE_AFTER);
    EXPECT_EQ(date_after_shown(tool), "2027/ 1/ 6 水 ");
    click(tool, IDC_MINUS);
    EXPECT_EQ(text_of(tool, IDC_DIRECTION), "前");
    choose_unit(tool, months);
    set_picker(tool, IDC_START_DATE, moment(2027, 2, 1));
    fill_and_press(tool, {{IDC_DAY_COUNT, L"1"}}, IDC_DATE_AFTER);
    EXPECT_EQ(date_after_shown(tool), "2027/ 1/ 1 金 元日");
    click(tool, IDC_PLUS);
    set_picker(tool, IDC_START_DATE, moment(2027, 1, 31));
    click(tool, IDC_DATE_AFTER);
    EXPECT_EQ(date_after_shown(tool), "2027/ 2/28 日 ");

    restart();
    EXPECT_TRUE(saved("\r\ndate_first=0\r\ndate_unit=2\r\noff_sat=1\r\noff_sun=1\r\noff_hol=1\r\noff_year_end=1\r\n"));
    tool = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ(std::pair(SendDlgItemMessageW(tool, IDC_COUNT_UNIT, CB_GETCURSEL, 0, 0), checked(tool, IDC_YEAR_END_OFF)),
              std::pair(LRESULT(months), true));
    choose_unit(tool, 0);
    set_picker(tool, IDC_START_DATE, moment(2026, 12, 7));
    fill_and_press(tool, {{IDC_DAY_COUNT, L"25"}}, IDC_DATE_AFTER);
    EXPECT_EQ(date_after_shown(tool), "2027/ 1/ 1 金 元日") << "days as before, with the holiday";
}

TEST_F(FormToolsTest, ADueDateOnADayOffRollsAsChosenAndSaysWhyWithEveryChoiceKept) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    auto row = [&](int id) { return SendDlgItemMessageW(tool, id, CB_GETCURSEL, 0, 0); };
    EXPECT_EQ(std::tuple(row(IDC_YEAR_END_KIND), checked(tool, IDC_OFFICE_DAYS), row(IDC_ROLL)), std::tuple(0, true, 0))
        << "a new user";
    constexpr int month_ends = 5, previous = 1, bank = 1;
    choose_unit(tool, month_ends);
    choose(tool, IDC_ROLL, previous);
    set_picker(tool, IDC_START_DATE, moment(2026, 12, 8));
    fill_and_press(tool, {{IDC_DAY_COUNT, L"1"}}, IDC_DATE_AFTER);
    EXPECT_EQ(date_after_shown(tool), "2027/ 1/29 金 1/31(日)は休み → 前の営業日");
    choose(tool, IDC_YEAR_END_KIND, bank);
    click(tool, IDC_OFFICE_DAYS);
    restart();
    EXPECT_TRUE(saved("\r\nyear_end_kind=1\r\noff_office=0\r\ndate_roll=1\r\n"));
    tool = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ(std::tuple(row(IDC_YEAR_END_KIND), checked(tool, IDC_OFFICE_DAYS), row(IDC_ROLL)), std::tuple(bank, false, previous));
}

TEST_F(FormToolsTest, TheCompanysDaysAreAddedAndRemovedKeptAcrossARestartAndCountedByTheDateCalculator) {
    write_bytes(settings_file(), "office00=off,0101\r\noffice01=work,20270327,20270327,棚卸し\r\n");
    choose_menu(open(IDC_OPEN_DATE_CALCULATOR), IDM_OFFICE_CALENDAR);
    HWND editor = tool_window_with(IDC_OFFICE_LIST);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(list_lines(editor, IDC_OFFICE_LIST), std::vector<std::string>{"2027/ 3/27～2027/ 3/27 出勤 棚卸し"})
        << "the line that reads as no entry is skipped";
    set_picker(editor, IDC_OFFICE_FROM, moment(2026, 8, 13));
    set_picker(editor, IDC_OFFICE_TO, moment(2026, 8, 16));
    click(editor, IDC_OFFICE_YEARLY);
    fill_and_press(editor, {{IDC_OFFICE_NAME, L"お盆休み"}}, IDC_OFFICE_ADD);
    EXPECT_EQ(list_lines(editor, IDC_OFFICE_LIST).at(1), "毎年   8/13～ 8/16 休み お盆休み");

    restart();
    HWND dates = open(IDC_OPEN_DATE_CALCULATOR);
    set_picker(dates, IDC_FIRST_DATE, moment(2027, 8, 10));
    set_picker(dates, IDC_SECOND_DATE, moment(2027, 8, 20));
    click(dates, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(dates, IDC_BETWEEN_BUSINESS), "5") << "8/13 and 8/16 off";
    choose_menu(dates, IDM_OFFICE_CALENDAR);
    editor = tool_window_with(IDC_OFFICE_LIST);
    SendDlgItemMessageW(editor, IDC_OFFICE_LIST, LB_SETCURSEL, 0, 0);
    click(editor, IDC_OFFICE_REMOVE);
    EXPECT_EQ(list_lines(editor, IDC_OFFICE_LIST), std::vector<std::string>{"毎年   8/13～ 8/16 休み お盆休み"});
    restart();
    EXPECT_TRUE(saved("\r\noffice00=off,0813,0816,お盆休み\r\noff_office=1\r\n"));
}

TEST_F(FormToolsTest, TheCompanysCalendarIsAMonthCalendarWithTheOfficesDaysOffInBold) {
    choose_menu(open(IDC_OPEN_DATE_CALCULATOR), IDM_OFFICE_CALENDAR);
    HWND editor = tool_window_with(IDC_OFFICE_LIST);
    HWND calendar = GetDlgItem(editor, IDC_OFFICE_CALENDAR_MONTH);
    wchar_t name[32]{};
    GetClassNameW(calendar, name, 32);
    EXPECT_EQ(std::wstring(name), L"SysMonthCal32");
    EXPECT_TRUE(GetWindowLongPtrW(calendar, GWL_STYLE) & MCS_DAYSTATE);
    MONTHDAYSTATE states[1] = {};
    NMDAYSTATE request{};
    request.nmhdr = {calendar, UINT_PTR(IDC_OFFICE_CALENDAR_MONTH), UINT(MCN_GETDAYSTATE)};
    request.stStart = moment(2027, 1, 1);
    request.cDayState = 1;
    request.prgDayState = states;
    SendMessageW(editor, WM_NOTIFY, IDC_OFFICE_CALENDAR_MONTH, LPARAM(&request));
    EXPECT_EQ(states[0], MONTHDAYSTATE(1u << 0 | 1u << 10)) << "元日 and 成人の日 with 土日祝";
}

TEST_F(FormToolsTest, AgeAnswersForTheBirthDateAndKeepsItWhileItsTableListsAYearsAges) {
    HWND tool = open(IDC_OPEN_AGE);
    EXPECT_EQ(text_of(tool, IDC_REFERENCE_DATE), "2026/12/07") << "today";
    set_picker(tool, IDC_BIRTH_DATE, moment(2000, 2, 29));
    click(tool, IDC_AGE_CALCULATE);
    EXPECT_EQ((std::vector{text_of(tool, IDC_AGE), text_of(tool, IDC_KAZOE), text_of(tool, IDC_BORN), text_of(tool, IDC_GRADE),
                           text_of(tool, IDC_DAYS_LIVED), text_of(tool, IDC_NEXT_BIRTHDAY)}),
              (std::vector<std::string>{"26歳", "27歳", "2000/ 2/29（平成12年）庚辰", "－", "生まれてから 9,779日目",
                                        "次の誕生日まで 84日（27歳）"}));
    EXPECT_EQ(list_lines(tool, IDC_SCHOOLS).size(), 4u);
    set_picker(tool, IDC_REFERENCE_DATE, moment(1999, 1, 1));
    click(tool, IDC_AGE_CALCULATE);
    EXPECT_EQ(std::pair(text_of(tool, IDC_AGE), text_of(tool, IDC_KAZOE)), std::pair(std::string("生年月日が基準日より後です"), std::string()));
    EXPECT_TRUE(list_lines(tool, IDC_SCHOOLS).empty());
    restart();
    EXPECT_TRUE(saved("\r\nbirth_date=20000229\r\n"));
    tool = open(IDC_OPEN_AGE);
    EXPECT_EQ(text_of(tool, IDC_BIRTH_DATE), "2000/02/29");

    choose_menu(tool, IDM_AGE_TABLE);
    HWND table = tool_window_with(IDC_AGE_TABLE);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(text_of(table, IDC_TABLE_YEAR), "2026");
    EXPECT_EQ(list_lines(table, IDC_AGE_TABLE).at(26), "2000年\t平成12年\t庚辰\t26歳\t25歳\t27歳");
    SetDlgItemTextW(table, IDC_TABLE_YEAR, L"2019");
    EXPECT_EQ(list_lines(table, IDC_AGE_TABLE).front(), "2019年\t平成31年・令和元年\t己亥\t0歳\t－\t1歳");
}

TEST_F(FormToolsTest, HolidayListShowsTheYearsHolidaysAndMarksPredictedEquinoxes) {
    HWND dates = open(IDC_OPEN_DATE_CALCULATOR);
    choose_menu(dates, IDM_HOLIDAY_LIST);
    HWND list = tool_window_with(IDC_HOLIDAY_LIST);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(text_of(list, IDC_HOLIDAY_YEAR), "2026") << "the fake clock's year";
    EXPECT_EQ(list_lines(list, IDC_HOLIDAY_LIST).at(9), "2026/ 5/ 6 (水)\t振替休日");
    EXPECT_EQ(text_of(list, IDC_HOLIDAY_NOTE), "");
    SetDlgItemTextW(list, IDC_HOLIDAY_YEAR, L"99999");
    EXPECT_EQ(list_lines(list, IDC_HOLIDAY_LIST).at(4), "2150/ 3/21 (土)\t春分の日（予測）") << "the last year the law is read for";
    EXPECT_NE(text_of(list, IDC_HOLIDAY_NOTE), "");
}

TEST_F(FormToolsTest, EveryDatePickersCalendarAsksForAndGetsTheHolidaysInBold) {
    HWND dates = open(IDC_OPEN_DATE_CALCULATOR);
    HWND world = open(IDC_OPEN_WORLD_CLOCK);
    for (auto [tool, picker] : {std::pair(dates, IDC_FIRST_DATE), std::pair(dates, IDC_START_DATE), std::pair(world, IDC_WORLD_DATE)}) {
        // As the calendar asks when it shows May and June 2026.
        MONTHDAYSTATE states[2] = {};
        NMDAYSTATE request{};
        request.nmhdr = {GetDlgItem(tool, picker), UINT_PTR(picker), UINT(MCN_GETDAYSTATE)};
        request.stStart = moment(2026, 5, 1);
        request.cDayState = 2;
        request.prgDayState = states;
        SendMessageW(GetDlgItem(tool, picker), WM_NOTIFY, picker, LPARAM(&request));
        EXPECT_EQ(std::pair(states[0], states[1]), std::pair(MONTHDAYSTATE(0b111100), MONTHDAYSTATE(0))) << picker;
        states[0] = 0;
        SendMessageW(tool, WM_NOTIFY, picker, LPARAM(&request));
        EXPECT_EQ(states[0], MONTHDAYSTATE(0b111100)) << "passed on to the window, as Windows' picker does";
    }
}

TEST_F(FormToolsTest, TimeOfDayStartsAtTheOpeningTimeShowsTheOffsetsDayInTheOtherFieldAndClampsItsFields) {
    fake.local = {2026, 12, 1, 7, 23, 30, 5, 0};
    HWND tool = open(IDC_OPEN_TIME_OF_DAY);
    for (int picker : {IDC_TOD_FIRST_TIME, IDC_TOD_SECOND_TIME, IDC_TOD_START_TIME})
        EXPECT_EQ(text_of(tool, picker), "23:30:05");
    set_picker(tool, IDC_TOD_FIRST_TIME, {2001, 1, 1, 1, 17, 30, 15, 0});
    set_picker(tool, IDC_TOD_SECOND_TIME, {2001, 1, 1, 1, 9, 0, 0, 0});
    click(tool, IDC_TOD_SPAN);
    EXPECT_EQ(text_of(tool, IDC_TOD_SPAN_RESULT), "- 8時間30分15秒");

    set_picker(tool, IDC_TOD_START_TIME, {2001, 1, 1, 1, 23, 30, 0, 0});
    fill_and_press(tool, {{IDC_TOD_OFFSET_HOURS, L"1"}, {IDC_TOD_OFFSET_MINUTES, L"0"}}, IDC_TOD_OFFSET);
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "翌日の0時30分0秒");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(tool, IDC_TOD_SAME_DAY))) << "it would paint over the other";
    fill_and_press(tool, {{IDC_TOD_OFFSET_HOURS, L"0"}}, IDC_TOD_OFFSET);
    EXPECT_EQ(text_of(tool, IDC_TOD_SAME_DAY) + "|" + text_of(tool, IDC_TOD_OTHER_DAY), "23時30分0秒|");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(tool, IDC_TOD_SAME_DAY)));

    // Fields are clamped whatever text they hold; 2^32: a 32-bit reader would see 0.
    fill_and_press(tool, {{IDC_TOD_HOURS, L"4294967296"}, {IDC_TOD_MINUTES, L"-5"}, {IDC_TOD_SECONDS, L""}},
                   IDC_TOD_CONVERT);
    EXPECT_EQ(text_of(tool, IDC_TOD_CONVERTED), "999時間 0分 0秒");
    EXPECT_EQ(text_of(tool, IDC_TOD_CONVERTED_MINUTES), "59940分 0秒（3596400秒）");
    set_picker(tool, IDC_TOD_START_TIME, {2001, 1, 1, 1, 23, 59, 59, 0});
    click(tool, IDC_TOD_EARLIER);
    fill_and_press(tool, {{IDC_TOD_OFFSET_HOURS, L"123456789012"}, {IDC_TOD_OFFSET_MINUTES, L"99"}},
                   IDC_TOD_OFFSET);
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "４日前の19時20分59秒");
}

TEST_F(FormToolsTest, TemperatureStartsAfreshOnEachOpeningAndClampsItsSignedField) {
    HWND tool = open(IDC_OPEN_TEMPERATURE);
    auto convert = [&](const wchar_t* value) {
        fill_and_press(tool, {{IDC_TEMPERATURE_VALUE, value}}, IDC_TEMPERATURE_CONVERT);
        return text_of(tool, IDC_CELSIUS_RESULT);
    };
    click(tool, IDC_FAHRENHEIT);
    EXPECT_EQ(convert(L"100"), "摂氏温度は、37.7 度です。");
    EXPECT_EQ(text_of(tool, IDC_FAHRENHEIT_RESULT), "華氏温度は、100.0 度です。");
    EXPECT_EQ(convert(L"-99999"), "摂氏温度は、-572.7 度です。");

    tool = reopen(tool, IDC_OPEN_TEMPERATURE);
    EXPECT_EQ(text_of(tool, IDC_TEMPERATURE_VALUE), "30");
    EXPECT_TRUE(checked(tool, IDC_CELSIUS));
    EXPECT_EQ(convert(L"2147483647"), "摂氏温度は、9999.0 度です。");
}

TEST_F(FormToolsTest, TaxShowsTheStartUpRateOnEachOpeningWhileTheFileGetsTheLastOne) {
    write_bytes(settings_file(), "tax_ritu=5\r\n");
    HWND tool = open(IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_PRICE), "1000");
    click(tool, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "本体価格は　　       953円です。");
    EXPECT_EQ(text_of(tool, IDC_TAX_RESULT), "消費税金額は　        47円です。");
    click(tool, IDC_TAX_ADDED);
    fill_and_press(tool, {{IDC_TAX_RATE, L"10"}}, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "トータル価格は     1,100円です。");

    tool = reopen(tool, IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "5");
    EXPECT_TRUE(checked(tool, IDC_TAX_INCLUDED));
    restart();
    EXPECT_TRUE(saved("\r\ntax_ritu=10\r\n"));
    EXPECT_EQ(text_of(open(IDC_OPEN_TAX), IDC_TAX_RATE), "10");
}

TEST_F(FormToolsTest, ANewUsersTaxIsTheStandardRate) {
    HWND tool = open(IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "10");
    click(tool, IDC_TAX_ADDED);
    click(tool, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_RESULT), "消費税金額は　       100円です。");
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "トータル価格は     1,100円です。");
}

TEST_F(FormToolsTest, TaxFieldsHoldOnlyWhatTheArithmeticCanTake) {
    write_bytes(settings_file(), "tax_ritu=100\r\n");
    HWND tool = open(IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "0");
    // A rate of -100 must not divide by zero.
    fill_and_press(tool, {{IDC_TAX_PRICE, L"-5"}, {IDC_TAX_RATE, L"-100"}}, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_RESULT), "消費税金額は　         0円です。");
    EXPECT_EQ(kept().tax.rate, 0);
    click(tool, IDC_TAX_ADDED);
    fill_and_press(tool, {{IDC_TAX_PRICE, L"4294967296"}, {IDC_TAX_RATE, L"12345"}}, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "トータル価格は198,999,998円です。");
    EXPECT_EQ(kept().tax.rate, 99);
}

TEST_F(FormToolsTest, TaxRoundsAsChosenAndKeepsTheChoiceWhileTheRateButtonsFillTheField) {
    HWND tool = open(IDC_OPEN_TAX);
    EXPECT_TRUE(checked(tool, IDC_TAX_ROUND_DOWN)) << "a new user";
    click(tool, IDC_TAX_ADDED);
    click(tool, IDC_TAX_RATE_8);
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "8");
    click(tool, IDC_TAX_RATE_10);
    click(tool, IDC_TAX_ROUND_UP);
    fill_and_press(tool, {{IDC_TAX_PRICE, L"1234"}}, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_RESULT), "消費税金額は　       124円です。") << "123.4 yen rounded up";
    EXPECT_TRUE(checked(reopen(tool, IDC_OPEN_TAX), IDC_TAX_ROUND_UP));
    restart();
    EXPECT_TRUE(saved("\r\ntax_round=2\r\n"));
    EXPECT_TRUE(checked(open(IDC_OPEN_TAX), IDC_TAX_ROUND_UP));
}

// Characters as the keyboard delivers them to the focused key; '\r' is Enter.
void type(std::string_view keys) {
    for (char c : keys) {
        if (c == '\r') PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        else PostMessageW(GetFocus(), WM_CHAR, WPARAM(c), 1);
        pump();
    }
}

// Keys of the numeric keypad, turned into characters by the message loop, with Num Lock on.
void type_on_keypad(std::initializer_list<UINT> virtual_keys) {
    BYTE keyboard[256];
    GetKeyboardState(keyboard);
    keyboard[VK_NUMLOCK] |= 1;
    SetKeyboardState(keyboard);
    for (UINT key : virtual_keys) {
        LPARAM scan = LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(GetFocus(), WM_KEYDOWN, key, scan | 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, scan | 0xC0000001);
        pump();
    }
}

TEST_F(FormToolsTest, TimeCalculatorBeepsAtARefusedKeyAndIsKeyedFromTheKeyboardOrTheKeypadWhereEnterMeansEquals) {
    HWND tool = open(IDC_OPEN_TIME_CALCULATOR);
    ASSERT_EQ(GetFocus(), GetDlgItem(tool, IDC_CALC_EQUALS));
    click(tool, IDC_CALC_DIGIT_0);
    ASSERT_EQ(fake.beeps.size(), 1u) << "a refused key";
    EXPECT_EQ(std::pair(fake.beeps[0].hertz, fake.beeps[0].milliseconds), std::pair(400u, 80u));
    click(tool, IDC_CALC_DIGIT_5);
    click(tool, IDC_CALC_PLUS);
    type("\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_OPERATOR), "＝") << "Enter after a click";
    // A key that took no operand leaves the focus on itself, so Enter presses it again.
    click(tool, IDC_CALC_PLUS);
    EXPECT_EQ(GetFocus(), GetDlgItem(tool, IDC_CALC_PLUS));
    type("\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_OPERATOR), "＋") << "Enter after ＋ on an empty entry";
    click(tool, IDC_CALC_DIGIT_0);
    type("\r");
    EXPECT_EQ(fake.beeps.size(), 3u) << "Enter after a refused key refuses it again";
    click(tool, IDC_CALC_DIGIT_1);
    EXPECT_EQ(GetFocus(), GetDlgItem(tool, IDC_CALC_EQUALS));

    type("A2h*3-10M/2+5sc69f\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_RESULT), "2時間53分51秒") << "(2時間 × 3 - 10分) / 2 + -69";

    type("A");
    type_on_keypad({VK_NUMPAD9, VK_NUMPAD0, VK_MULTIPLY, VK_NUMPAD4, VK_DIVIDE, VK_NUMPAD3, VK_ADD, VK_NUMPAD1,
                    VK_NUMPAD2, VK_SUBTRACT, VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD5, VK_NUMPAD6, VK_RETURN});
    EXPECT_EQ(text_of(tool, IDC_CALC_RESULT), "-2時間8分44秒") << "90 × 4 / 3 + 12 - 7856";
}

TEST_F(FormToolsTest, TimeCalculatorOverflowShowsABoxThenTheStatusLine) {
    HWND tool = open(IDC_OPEN_TIME_CALCULATOR);
    type("123456s");
    std::string status_while_box_is_up;
    fake.while_box_is_up = [&] { status_while_box_is_up = text_of(tool, IDC_CALC_STATUS); };
    type("+");
    EXPECT_EQ(fake.shown, std::vector<std::string>{overflow_message});
    EXPECT_NE(status_while_box_is_up, text_of(tool, IDC_CALC_STATUS)) << "the box comes first";
    EXPECT_EQ(text_of(tool, IDC_CALC_STATUS), "ＣＥかＡＣでクリアして下さい");
    EXPECT_EQ(text_of(reopen(tool, IDC_OPEN_TIME_CALCULATOR), IDC_CALC_RESULT), "") << "each opening starts cleared";
}

TEST_F(FormToolsTest, TimeCalculatorReopensClearedButTheRunsLastRemainderSurvives) {
    HWND tool = open(IDC_OPEN_TIME_CALCULATOR);
    type("100s/7\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_STATUS), "余りは....2 秒です。");
    tool = reopen(tool, IDC_OPEN_TIME_CALCULATOR);
    type("9/f\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_STATUS), "余りは....2 秒です。") << "a division by zero shows the last one";
}

// Each copying test starts with "before" on the clipboard.
class CopyingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof L"before");
        wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), L"before");
        GlobalUnlock(memory);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
};

// The clipboard's Unicode text, as Shift-JIS for comparing with the lines.
std::string clipboard() {
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = narrow(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Ctrl+C typed into a control, through the program's own message loop; returns what the clipboard then holds.
std::string copy_from(HWND dialog, int id) {
    SetFocus(GetDlgItem(dialog, id));
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, 'C', LPARAM(MapVirtualKeyW('C', MAPVK_VK_TO_VSC)) << 16 | 1);
    pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    return clipboard();
}

TEST_F(CopyingTest, AResultListCopiesEveryLineOrTheSelectedOneByKeyAndByMenu) {
    constexpr int results = LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS;
    HWND tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(copy_from(tool, results), "before") << "an empty list leaves the clipboard alone";

    click(tool, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    const std::vector<std::string> lines = list_lines(tool, results);
    std::string every_line;
    for (const std::string& line : lines) every_line += line + "\r\n";
    EXPECT_EQ(copy_from(tool, results) + "\r\n", every_line);
    EXPECT_NE(every_line.find("ミリメートル\t"), std::string::npos) << "the columns stay tab-separated";

    HWND list = GetDlgItem(tool, results);
    SendMessageW(list, LB_SETCURSEL, 4, 0);
    EXPECT_EQ(copy_from(tool, results), lines[4]);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    // The menu runs its own loop: the key waits in the queue for it.
    PostMessageW(list, WM_CHAR, 'c', 0);
    SendMessageW(list, WM_CONTEXTMENU, WPARAM(list), -1);
    pump();
    EXPECT_EQ(clipboard(), lines[2]);
}

TEST_F(CopyingTest, CalculatorsCopyTheirLastAnswerOnePerLine) {
    HWND dates = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ(copy_from(dates, IDC_DATE_AFTER), "before") << "nothing to copy before the first answer";
    set_picker(dates, IDC_START_DATE, {2004, 2, 0, 28, 0, 0, 0, 0});
    fill_and_press(dates, {{IDC_DAY_COUNT, L"1"}}, IDC_DATE_AFTER);
    EXPECT_EQ(copy_from(dates, IDC_DATE_AFTER), "2004/ 2/29 日曜日\r\n平成16年2月29日");
    click(dates, IDC_DAYS_BETWEEN);
    EXPECT_EQ(copy_from(dates, IDC_FIRST_DATE), "0日間");
    // An edit field copies what is selected in it, not the result.
    SendDlgItemMessageW(dates, IDC_DAY_COUNT, EM_SETSEL, 0, -1);
    EXPECT_EQ(copy_from(dates, IDC_DAY_COUNT), "1");

    HWND tax = open(IDC_OPEN_TAX);
    click(tax, IDC_TAX_CALCULATE);
    EXPECT_EQ(copy_from(tax, IDC_TAX_CALCULATE), text_of(tax, IDC_TAX_AMOUNT_RESULT) + "\r\n" + text_of(tax, IDC_TAX_RESULT));
    HWND calculator = open(IDC_OPEN_TIME_CALCULATOR);
    for (int key : {IDC_CALC_DIGIT_9, IDC_CALC_MINUTES, IDC_CALC_EQUALS}) click(calculator, key);
    EXPECT_EQ(copy_from(calculator, IDC_CALC_EQUALS), "9分");
}

}  // namespace
}  // namespace quivra::testing
