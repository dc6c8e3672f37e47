// The one place that names the tools: each row opens one tool window.
#include "app/tool_table.h"

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
#include "res/shell_ids.h"
#include "tools/convert/consumption_tax_dialog.h"
#include "tools/convert/currency_dialog.h"
#include "tools/convert/list_converter_dialog.h"
#include "tools/convert/rate_editor_dialog.h"
#include "tools/convert/temperature_dialog.h"
#include "tools/system/drive_report_dialog.h"
#include "tools/system/game_dialog.h"
#include "tools/time/date_calculator_dialog.h"
#include "tools/time/stopwatch_dialog.h"
#include "tools/time/time_calculator_dialog.h"
#include "tools/time/time_of_day_dialog.h"
#include "tools/time/timer_dialog.h"
#include "tools/time/world_clock_dialog.h"

namespace quivra {
namespace {

LPARAM parameter(const ListConverter& tool) { return reinterpret_cast<LPARAM>(&tool); }

// No launcher button: the currency converter's menu opens it.
const Tool rate_editor{15, 0, IDD_RATE_EDITOR, rate_editor_procedure};

// Position index, launcher command (0: none), template, procedure, parameter.
const Tool tools[] = {
    {1, IDC_OPEN_DATE_CALCULATOR, IDD_DATE_CALCULATOR, date_calculator_procedure},
    {2, IDC_OPEN_TIME_CALCULATOR, IDD_TIME_CALCULATOR, time_calculator_procedure},
    {3, IDC_OPEN_TIMER, IDD_TIMER, timer_procedure},
    {4, IDC_OPEN_STOPWATCH, IDD_STOPWATCH, stopwatch_procedure},
    {5, IDC_OPEN_TIME_OF_DAY, IDD_TIME_OF_DAY, time_of_day_procedure},
    {6, IDC_OPEN_WORLD_CLOCK, IDD_WORLD_CLOCK, world_clock_procedure},
    {7, IDC_OPEN_LENGTH, IDD_LENGTH_CONVERTER, list_converter_procedure, parameter(length_converter)},
    {8, IDC_OPEN_WEIGHT, IDD_WEIGHT_CONVERTER, list_converter_procedure, parameter(weight_converter)},
    {9, IDC_OPEN_AREA, IDD_AREA_CONVERTER, list_converter_procedure, parameter(area_converter)},
    {10, IDC_OPEN_VOLUME, IDD_VOLUME_CONVERTER, list_converter_procedure, parameter(volume_converter)},
    {11, IDC_OPEN_TEMPERATURE, IDD_TEMPERATURE, temperature_procedure},
    {12, IDC_OPEN_SPEED, IDD_SPEED_CONVERTER, list_converter_procedure, parameter(speed_converter)},
    {13, IDC_OPEN_TAX, IDD_CONSUMPTION_TAX, consumption_tax_procedure},
    {14, IDC_OPEN_CURRENCY, IDD_CURRENCY_CONVERTER, currency_procedure, LPARAM(&rate_editor)},
    {18, IDC_OPEN_DRIVES, IDD_DRIVE_REPORT, drive_report_procedure},
    {19, IDC_OPEN_GAME, IDD_GAME, game_procedure},
};

}  // namespace

const Tool* tool_for_command(int command) {
    if (command == 0) return nullptr;
    for (const Tool& tool : tools)
        if (tool.command == command) return &tool;
    return nullptr;
}

}  // namespace quivra
