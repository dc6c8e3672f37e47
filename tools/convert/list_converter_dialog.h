// The dialog shared by the length, weight, area, volume and speed tools.
#pragma once

#include <windows.h>

#include "base/settings.h"
#include "tools/convert/unit_tables.h"

namespace quivra {

// One of the five tools: its controls are numbered from `base`, and
// `selection` is the setting that remembers its unit.
struct ListConverter {
    int base;
    const UnitTable& table;
    Kept<std::int32_t> Settings::*selection;
};

extern const ListConverter length_converter, weight_converter, area_converter,
    volume_converter, speed_converter;

// Opened with a ListConverter as the tool's parameter.
INT_PTR CALLBACK list_converter_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
