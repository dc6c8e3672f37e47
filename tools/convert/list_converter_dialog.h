// The window shared by the list converters: one value shown in every unit of a table.
#pragma once

#include "base/win/frame.h"
#include "tools/convert/unit_tables.h"

namespace quivra {

// One of the list converters: its controls are numbered from `base`.
struct ListConverter {
    int base;
    const UnitTable& table;
};

extern const ListConverter length_converter, weight_converter, area_converter, volume_converter, speed_converter,
    fuel_converter, data_converter, energy_converter, pressure_converter, power_converter;

std::unique_ptr<ToolWindow> make_list_converter_window(HWND window, const ListConverter& tool, UnitKept& kept);

}  // namespace quivra
