#include "app/tool_table.h"

#include "res/dialogs/date_calculator.h"
#include "tools/convert/list_converter_dialog.h"
#include "tools/time/date_calculator_dialog.h"

namespace quivra {
namespace {

LPARAM parameter(const ListConverter& tool) { return reinterpret_cast<LPARAM>(&tool); }

// Position index, launcher command, template, dialog procedure, parameter.
const Tool tools[] = {
    {1, 81, IDD_DATE_CALCULATOR, date_calculator_procedure},
    {7, 87, 17, list_converter_procedure, parameter(length_converter)},
    {8, 88, 18, list_converter_procedure, parameter(weight_converter)},
    {9, 89, 19, list_converter_procedure, parameter(area_converter)},
    {10, 90, 20, list_converter_procedure, parameter(volume_converter)},
    {12, 92, 22, list_converter_procedure, parameter(speed_converter)},
};

}  // namespace

const Tool* tool_for_command(int command) {
    for (const Tool& tool : tools)
        if (tool.command == command) return &tool;
    return nullptr;
}

}  // namespace quivra
