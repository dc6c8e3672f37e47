// The one place that names the tools: each row opens one tool window.
#include "app/tool_table.h"

#include "res/dialogs/age.h"
#include "res/dialogs/alarms.h"
#include "res/dialogs/consumption_tax.h"
#include "res/dialogs/currency.h"
#include "res/dialogs/date_calculator.h"
#include "res/dialogs/drive_report.h"
#include "res/dialogs/game.h"
#include "res/dialogs/list_converter.h"
#include "res/dialogs/rate_editor.h"
#include "res/dialogs/stopwatch.h"
#include "res/dialogs/temperature.h"
#include "res/dialogs/time_calculator.h"
#include "res/dialogs/time_of_day.h"
#include "res/dialogs/timer.h"
#include "res/dialogs/world_clock.h"
#include "res/launcher_ids.h"
#include "tools/convert/consumption_tax_dialog.h"
#include "tools/convert/currency_dialog.h"
#include "tools/convert/list_converter_dialog.h"
#include "tools/convert/rate_editor_dialog.h"
#include "tools/convert/temperature_dialog.h"
#include "tools/system/drive_report_dialog.h"
#include "tools/system/game_dialog.h"
#include "tools/time/age_dialog.h"
#include "tools/time/alarm_list_dialog.h"
#include "tools/time/date_calculator_dialog.h"
#include "tools/time/holiday_list_dialog.h"
#include "tools/time/office_calendar_dialog.h"
#include "tools/time/stopwatch_dialog.h"
#include "tools/time/time_calculator_dialog.h"
#include "tools/time/time_of_day_dialog.h"
#include "tools/time/timer.h"
#include "tools/time/timer_dialog.h"
#include "tools/time/world_clock_dialog.h"

namespace quivra {
namespace {

// No launcher button: each opens from another tool's menu.
const Tool rate_editor{15, 0, 0, "", IDD_RATE_EDITOR, keeping<make_rate_editor_window, &Settings::currency>};
const Tool holiday_list{16, 0, 0, "", IDD_HOLIDAY_LIST, keeping<make_holiday_list_window>};
const Tool age_table{26, 0, 0, "", IDD_AGE_TABLE, keeping<make_age_table_window>};
const Tool office_calendar{23, 0, 0, "", IDD_OFFICE_CALENDAR, keeping<make_office_calendar_window, &Settings::office_calendar>};

template <const ListConverter& table, UnitKept Settings::*unit>
std::unique_ptr<ToolWindow> list_converter(HWND window, Settings& settings) {
    return make_list_converter_window(window, table, settings.*unit);
}

// Position, launcher button, icon, caption, template, window with its parts, large text, companion.
const Tool tools[] = {
    {1, IDC_OPEN_DATE_CALCULATOR, IDI_DATE_CALCULATOR, "それ何日？", IDD_DATE_CALCULATOR,
     keeping<make_date_calculator_window, &Settings::date_calculator, &Settings::office_calendar>, nullptr,
     {{{IDM_HOLIDAY_LIST, &holiday_list}, {IDM_OFFICE_CALENDAR, &office_calendar}}}},
    {2, IDC_OPEN_TIME_CALCULATOR, IDI_TIME_CALCULATOR, "時間の電卓", IDD_TIME_CALCULATOR,
     keeping<make_time_calculator_window>, time_calculator_large_text},
    {3, IDC_OPEN_TIMER, IDI_TIMER, "私、待つわ", IDD_TIMER, keeping<make_timer_window, &Settings::timer>, nullptr, {},
     {most_timers, IDM_NEW_TIMER, timers_running_question}},
    {4, IDC_OPEN_STOPWATCH, IDI_STOPWATCH, "時よ止まれ！", IDD_STOPWATCH, keeping<make_stopwatch_window>,
     stopwatch_large_text},
    {5, IDC_OPEN_TIME_OF_DAY, IDI_TIME_OF_DAY, "それ何時？", IDD_TIME_OF_DAY, keeping<make_time_of_day_window>},
    {6, IDC_OPEN_WORLD_CLOCK, IDI_WORLD_CLOCK, "海の向こう", IDD_WORLD_CLOCK,
     keeping<make_world_clock_window, &Settings::world_clock>},
    {7, IDC_OPEN_LENGTH, IDI_LENGTH_CONVERTER, "長い短い？", IDD_LENGTH_CONVERTER,
     list_converter<length_converter, &Settings::length>},
    {8, IDC_OPEN_WEIGHT, IDI_WEIGHT_CONVERTER, "重い軽い？", IDD_WEIGHT_CONVERTER,
     list_converter<weight_converter, &Settings::weight>},
    {9, IDC_OPEN_AREA, IDI_AREA_CONVERTER, "広い狭い？", IDD_AREA_CONVERTER, list_converter<area_converter, &Settings::area>},
    {10, IDC_OPEN_VOLUME, IDI_VOLUME_CONVERTER, "大きい小さい", IDD_VOLUME_CONVERTER,
     list_converter<volume_converter, &Settings::volume>},
    {11, IDC_OPEN_TEMPERATURE, IDI_TEMPERATURE, "熱い冷たい？", IDD_TEMPERATURE, keeping<make_temperature_window>},
    {12, IDC_OPEN_SPEED, IDI_SPEED_CONVERTER, "速い遅い？", IDD_SPEED_CONVERTER,
     list_converter<speed_converter, &Settings::speed>},
    {13, IDC_OPEN_TAX, IDI_CONSUMPTION_TAX, "消費税？", IDD_CONSUMPTION_TAX,
     keeping<make_consumption_tax_window, &Settings::tax>},
    {14, IDC_OPEN_CURRENCY, IDI_CURRENCY, "外国為替？", IDD_CURRENCY_CONVERTER,
     keeping<make_currency_window, &Settings::currency>, nullptr, {{{IDM_RATE_EDITOR, &rate_editor}}}},
    {18, IDC_OPEN_DRIVES, IDI_DRIVE_REPORT, "パソコンの中", IDD_DRIVE_REPORT, keeping<make_drive_report_window>},
    {19, IDC_OPEN_GAME, IDI_GAME, "頭の中", IDD_GAME, keeping<make_game_window>, game_large_text},
    {17, IDC_OPEN_FUEL, IDI_FUEL_CONVERTER, "燃費は？", IDD_FUEL_CONVERTER, list_converter<fuel_converter, &Settings::fuel>},
    {20, IDC_OPEN_DATA, IDI_DATA_CONVERTER, "データ量？", IDD_DATA_CONVERTER, list_converter<data_converter, &Settings::data>},
    {21, IDC_OPEN_ENERGY, IDI_ENERGY_CONVERTER, "熱量は？", IDD_ENERGY_CONVERTER,
     list_converter<energy_converter, &Settings::energy>},
    {22, IDC_OPEN_PRESSURE, IDI_PRESSURE_CONVERTER, "圧力は？", IDD_PRESSURE_CONVERTER,
     list_converter<pressure_converter, &Settings::pressure>},
    {24, IDC_OPEN_ALARMS, IDI_ALARMS, "忘れないで", IDD_ALARMS,
     keeping<make_alarms_window, &Settings::alarms, &Settings::office_calendar>},
    {25, IDC_OPEN_AGE, IDI_AGE, "何歳？", IDD_AGE, keeping<make_age_window, &Settings::age>, nullptr,
     {{{IDM_AGE_TABLE, &age_table}}}},
    {27, IDC_OPEN_POWER, IDI_POWER_CONVERTER, "馬力は？", IDD_POWER_CONVERTER, list_converter<power_converter, &Settings::power>},
};

}  // namespace

std::span<const Tool> launcher_tools() { return tools; }

const Tool* tool_for_command(int command) {
    if (command == 0) return nullptr;
    for (const Tool& tool : tools)
        if (tool.command == command) return &tool;
    return nullptr;
}

}  // namespace quivra
