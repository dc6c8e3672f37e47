// The tools that read a form and show its answer: dates, times of day, temperature and tax.
#include <windows.h>

#include <commctrl.h>

#include "base/win/settings_store.h"
#include "res/dialogs/consumption_tax.h"
#include "res/dialogs/date_calculator.h"
#include "res/dialogs/temperature.h"
#include "res/dialogs/time_of_day.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using FormToolsTest = WindowTest;

// Fills the fields (text as another program could set it, past any limit) and presses `button`.
void fill_and_press(HWND tool, std::initializer_list<std::pair<int, const wchar_t*>> fields, int button) {
    for (auto [id, text] : fields) SetDlgItemTextW(tool, id, text);
    click(tool, button);
}

bool checked(HWND tool, int id) { return IsDlgButtonChecked(tool, id) == BST_CHECKED; }

TEST_F(FormToolsTest, DateCalculatorCountsDaysAndStepsBackWithTheWeekday) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    set_picker(tool, IDC_FIRST_DATE, {1999, 12, 0, 31, 0, 0, 0, 0});
    set_picker(tool, IDC_SECOND_DATE, {2000, 3, 0, 1, 0, 0, 0, 0});
    EXPECT_EQ(text_of(tool, IDC_FIRST_DATE), "1999/12/31") << "in every locale";
    click(tool, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "61");

    set_picker(tool, IDC_START_DATE, {2004, 2, 0, 28, 0, 0, 0, 0});
    click(tool, IDC_MINUS);
    fill_and_press(tool, {{IDC_DAY_COUNT, L"99999"}}, IDC_DATE_AFTER);
    EXPECT_EQ(text_of(tool, IDC_DATE_RESULT), "1976/10/13") << "9999 days at most";
    EXPECT_EQ(text_of(tool, IDC_WEEKDAY_RESULT), "水");
    EXPECT_TRUE(checked(reopen(tool, IDC_OPEN_DATE_CALCULATOR), IDC_PLUS)) << "each opening starts with plus";
}

TEST_F(FormToolsTest, TimeOfDayStartsAtTheOpeningTimeAndShowsTheOffsetsDayInTheOtherField) {
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
    EXPECT_EQ(text_of(tool, IDC_TOD_SAME_DAY), "23時30分0秒");
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(tool, IDC_TOD_SAME_DAY)));
}

TEST_F(FormToolsTest, TimeOfDayFieldsAreClampedWhateverTextTheyHold) {
    HWND tool = open(IDC_OPEN_TIME_OF_DAY);
    // 2^32: a 32-bit reader would see 0.
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
    click(tool, IDC_FAHRENHEIT);
    fill_and_press(tool, {{IDC_TEMPERATURE_VALUE, L"100"}}, IDC_TEMPERATURE_CONVERT);
    EXPECT_EQ(text_of(tool, IDC_CELSIUS_RESULT), "摂氏温度は、37.7 度です。");
    EXPECT_EQ(text_of(tool, IDC_FAHRENHEIT_RESULT), "華氏温度は、100.0 度です。");
    fill_and_press(tool, {{IDC_TEMPERATURE_VALUE, L"-99999"}}, IDC_TEMPERATURE_CONVERT);
    EXPECT_EQ(text_of(tool, IDC_CELSIUS_RESULT), "摂氏温度は、-572.7 度です。");

    tool = reopen(tool, IDC_OPEN_TEMPERATURE);
    EXPECT_EQ(text_of(tool, IDC_TEMPERATURE_VALUE), "30");
    EXPECT_TRUE(checked(tool, IDC_CELSIUS));
    fill_and_press(tool, {{IDC_TEMPERATURE_VALUE, L"2147483647"}}, IDC_TEMPERATURE_CONVERT);
    EXPECT_EQ(text_of(tool, IDC_CELSIUS_RESULT), "摂氏温度は、9999.0 度です。");
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

TEST_F(FormToolsTest, TaxFieldsHoldOnlyWhatTheArithmeticCanTake) {
    write_bytes(settings_file(), "tax_ritu=100\r\n");
    HWND tool = open(IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "0");
    // A rate of -100 must not divide by zero.
    fill_and_press(tool, {{IDC_TAX_PRICE, L"-5"}, {IDC_TAX_RATE, L"-100"}}, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_RESULT), "消費税金額は　         0円です。");
    EXPECT_EQ(settings.tax_ritu.to_save, 0);
    click(tool, IDC_TAX_ADDED);
    fill_and_press(tool, {{IDC_TAX_PRICE, L"4294967296"}, {IDC_TAX_RATE, L"12345"}}, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "トータル価格は198,999,998円です。");
    EXPECT_EQ(settings.tax_ritu.to_save, 99);
}

}  // namespace
}  // namespace quivra::testing
