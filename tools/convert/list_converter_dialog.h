// The dialog shared by the length, weight, area, volume and speed tools.
#pragma once

#include "base/win/frame.h"

#include "base/settings.h"
#include "tools/convert/unit_tables.h"

namespace quivra {

// One of the list converters: its controls are numbered from `base`, and
// `selection` is the setting that remembers its unit.
struct ListConverter {
    int base;
    const UnitTable& table;
    Kept<std::int32_t> Settings::*selection;
};

extern const ListConverter length_converter, weight_converter, area_converter, volume_converter, speed_converter,
    fuel_converter, data_converter, energy_converter, pressure_converter;

std::unique_ptr<ToolWindow> make_list_converter_window(const ListConverter& tool);

}  // namespace quivra
