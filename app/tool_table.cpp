// The one place that names the tools: each row opens one tool window.
#include "app/tool_table.h"

#include "res/dialogs/date_calculator.h"
#include "res/dialogs/list_converters.h"
#include "res/dialogs/stopwatch.h"
#include "res/dialogs/timer.h"
#include "res/shell_ids.h"
#include "tools/convert/list_converter_dialog.h"
#include "tools/time/date_calculator_dialog.h"
#include "tools/time/stopwatch_dialog.h"
#include "tools/time/timer_dialog.h"

namespace quivra {
namespace {

LPARAM parameter(const ListConverter& tool) { return reinterpret_cast<LPARAM>(&tool); }

// Position index, launcher command (0: none), template, procedure, parameter.
const Tool tools[] = {
    {1, IDC_OPEN_DATE_CALCULATOR, IDD_DATE_CALCULATOR, date_calculator_procedure},
    {3, IDC_OPEN_TIMER, IDD_TIMER, timer_procedure},
    {4, IDC_OPEN_STOPWATCH, IDD_STOPWATCH, stopwatch_procedure},
    {7, IDC_OPEN_LENGTH, IDD_LENGTH_CONVERTER, list_converter_procedure, parameter(length_converter)},
    {8, IDC_OPEN_WEIGHT, IDD_WEIGHT_CONVERTER, list_converter_procedure, parameter(weight_converter)},
    {9, IDC_OPEN_AREA, IDD_AREA_CONVERTER, list_converter_procedure, parameter(area_converter)},
    {10, IDC_OPEN_VOLUME, IDD_VOLUME_CONVERTER, list_converter_procedure, parameter(volume_converter)},
    {12, IDC_OPEN_SPEED, IDD_SPEED_CONVERTER, list_converter_procedure, parameter(speed_converter)},
};

}  // namespace

const Tool* tool_for_command(int command) {
    if (command == 0) return nullptr;
    for (const Tool& tool : tools)
        if (tool.command == command) return &tool;
    return nullptr;
}

}  // namespace quivra
