// A value in one unit, shown in every unit of its table, exact to the last digit shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/convert/unit_tables.h"

namespace quivra {

// A value as the field holds it: whole hundred-thousandths, up to 9 digits
// before the point and 5 after.
inline constexpr std::uint64_t value_scale = 100'000;
inline constexpr std::uint64_t largest_value = 999'999'999 * value_scale + 99'999;

// The value typed, exactly; empty when the text is not such a number. An
// empty field reads as 0.
std::optional<std::uint64_t> read_value(std::string_view text);

// Why the field cannot hold `text` as it is being typed, or empty when it
// can ("1." on the way to "1.5" can). `representable` is false when the
// field showed characters that CP932 lacks.
std::string_view value_text_refusal(std::string_view text, bool representable = true);

// The field's text after one step of its up-down: the whole part one more
// or one less, kept from 0 to the largest, the decimals as typed.
std::string stepped_value(std::string_view text, int step);

// One line per unit of the table, in table order, giving value (in
// hundred-thousandths) units of row from_row in that unit: the name padded
// to the table's width, a tab, then the amount truncated to five decimals
// and the abbreviation. A value too large for the column, or an infinite
// one, is a dash line. None for a row outside the table.
std::vector<std::string> convert_to_every_unit(const UnitTable& table, std::uint64_t value, std::size_t from_row);

}  // namespace quivra
