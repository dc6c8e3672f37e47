// A value in one unit, shown in every unit of its table.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/convert/unit_tables.h"

namespace quivra {

// One line per unit of the table, in table order, giving value units of row
// from_row in that unit: the name padded to the table's width, a tab, then the
// amount with five truncated decimals and the abbreviation. None for a row outside the table.
std::vector<std::string> convert_to_every_unit(const UnitTable& table, unsigned value,
                                               std::size_t from_row);

}  // namespace quivra
