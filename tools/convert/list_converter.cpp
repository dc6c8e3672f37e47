// A value in one unit, shown in every unit of its table.
#include "tools/convert/list_converter.h"

#include <cfloat>
#include <cstdio>

namespace quivra {
namespace {

// A billion or more would not fit the nine-digit integer column.
constexpr double first_unshown_amount = 1000000000.0;

// The truncated digits must not depend on the build. x87 arithmetic keeps
// wider intermediates, and even forcing each step back to double rounds twice
// and changes some digits, so such builds are refused (use SSE2 instead).
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must be evaluated in double precision");

std::string format_line(const Unit& unit, int name_width, double amount) {
    char line[128];
    if (amount >= first_unshown_amount) {
        std::snprintf(line, sizeof line, "%-*s\t    -----", name_width, unit.name);
    } else {
        const int whole = static_cast<int>(amount);
        const int decimals = static_cast<int>((amount - whole) * 100000.0);
        std::snprintf(line, sizeof line, "%-*s\t%9d.%05d %s", name_width, unit.name, whole,
                      decimals, unit.abbreviation);
    }
    return line;
}

}  // namespace

std::vector<std::string> convert_to_every_unit(const UnitTable& table, unsigned value,
                                               std::size_t from_row) {
    if (from_row >= table.units.size()) return {};
    const double in_base_unit = value * table.units[from_row].factor;
    std::vector<std::string> lines;
    lines.reserve(table.units.size());
    for (const Unit& unit : table.units) {
        lines.push_back(format_line(unit, table.name_width, in_base_unit / unit.factor));
    }
    return lines;
}

}  // namespace quivra
