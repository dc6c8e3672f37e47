// The five unit tables of the list converters.
#pragma once

#include <span>

namespace quivra {

// factor is the size of one unit in its table's base unit.
struct Unit {
    const char* name;
    const char* abbreviation;
    double factor;
};

// The row index is also the drop-down index and the stored selection.
// name_width is the byte width the name is padded to in a result line.
struct UnitTable {
    std::span<const Unit> units;
    int name_width;
};

extern const UnitTable length_units;  // metre
extern const UnitTable weight_units;  // gram
extern const UnitTable area_units;    // square metre
extern const UnitTable volume_units;  // litre
extern const UnitTable speed_units;   // metre per hour

}  // namespace quivra
