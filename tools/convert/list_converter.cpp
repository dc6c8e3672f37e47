// Exact conversion: the value and both units' sizes as one fraction, divided once.
#include "tools/convert/list_converter.h"

#include <algorithm>
#include <cstdio>

#include "tools/convert/natural.h"

namespace quivra {
namespace {

constexpr std::uint64_t narrow_limit = 1'000'000'000;      // the nine-digit column
constexpr std::uint64_t wide_limit = 1'000'000'000'000'000;  // the fifteen-digit column
// A nonzero value below the fifth decimal shows this many significant digits.
constexpr int tiny_significant_digits = 6;

std::string grouped(std::uint64_t whole) {
    std::string digits = std::to_string(whole), text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string dash_line(const UnitTable& table, const Unit& unit) {
    char line[160];
    std::snprintf(line, sizeof line, "%-*s\t%*s", table.name_width, unit.name, table.wide ? 19 : 9, "-----");
    return line;
}

// The decimals of a fraction below 0.00001 and above 0, as far as its
// sixth significant digit, truncated, without the zeros that end it.
std::string tiny_decimals(Natural remainder, const Natural& denominator) {
    std::string digits;
    for (int significant = 0; significant < tiny_significant_digits && !remainder.is_zero();) {
        Natural::Division step = (remainder * Natural(10)).divided_by(denominator);
        const auto digit = char('0' + step.quotient.low_64());
        if (digit != '0' || significant > 0) ++significant;
        digits += digit;
        remainder = step.remainder;
    }
    return digits.erase(digits.find_last_not_of('0') + 1);
}

// numerator / denominator units, truncated to five decimals, or further for a value that would show as zero.
std::string line_of(const UnitTable& table, const Unit& unit, const Natural& numerator, const Natural& denominator) {
    if (denominator.is_zero()) return dash_line(table, unit);
    Natural::Division whole = numerator.divided_by(denominator);
    if (whole.quotient >= Natural(table.wide ? wide_limit : narrow_limit)) return dash_line(table, unit);
    char decimals[48];
    std::snprintf(decimals, sizeof decimals, "%05llu", static_cast<unsigned long long>(
        (whole.remainder * Natural(value_scale)).divided_by(denominator).quotient.low_64()));
    if (whole.quotient.is_zero() && std::string_view(decimals) == "00000" && !whole.remainder.is_zero())
        std::snprintf(decimals, sizeof decimals, "%s", tiny_decimals(whole.remainder, denominator).c_str());
    // Whole parts right-aligned, so that every line's point stands in one column.
    char line[192];
    std::snprintf(line, sizeof line, "%-*s\t%*s.%s %s", table.name_width, unit.name, table.wide ? 19 : 9,
                  table.wide ? grouped(whole.quotient.low_64()).c_str() : std::to_string(whole.quotient.low_64()).c_str(),
                  decimals, unit.abbreviation);
    return line;
}

struct Parts {
    std::string_view whole, decimals;
    bool point = false;
};

// Digits, then at most one point and digits; no sign, no space.
std::optional<Parts> split(std::string_view text) {
    Parts parts;
    std::size_t point = text.find('.');
    parts.point = point != std::string_view::npos;
    parts.whole = text.substr(0, point);
    if (parts.point) parts.decimals = text.substr(point + 1);
    for (std::string_view digits : {parts.whole, parts.decimals})
        for (char c : digits)
            if (c < '0' || c > '9') return std::nullopt;
    return parts;
}

std::uint64_t digits_value(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits) value = value * 10 + std::uint64_t(c - '0');
    return value;
}

}  // namespace

std::string_view value_text_refusal(std::string_view text, bool representable) {
    std::optional<Parts> parts = split(text);
    if (!parts || !representable) return "数字と小数点（.）だけを入れて下さい。";
    if (parts->whole.size() > 9) return "整数の部分は9桁までです。";
    if (parts->decimals.size() > 5) return "小数点以下は5桁までです。";
    return {};
}

std::optional<std::uint64_t> read_value(std::string_view text) {
    if (!value_text_refusal(text).empty()) return std::nullopt;
    Parts parts = *split(text);
    std::uint64_t decimals = digits_value(parts.decimals);
    for (std::size_t i = parts.decimals.size(); i < 5; ++i) decimals *= 10;
    return digits_value(parts.whole) * value_scale + decimals;
}

std::string stepped_value(std::string_view text, int step) {
    if (!value_text_refusal(text).empty()) return std::string(text);
    Parts parts = *split(text);
    std::int64_t whole = std::int64_t(digits_value(parts.whole)) + step;
    whole = std::clamp<std::int64_t>(whole, 0, 999'999'999);
    std::string stepped = std::to_string(whole);
    if (parts.point) stepped.append(".").append(parts.decimals);
    return stepped;
}

std::vector<std::string> convert_to_every_unit(const UnitTable& table, std::uint64_t value, std::size_t from_row) {
    if (from_row >= table.units.size()) return {};
    const Unit& from = table.units[from_row];
    // The amount in the base unit, base_numerator / base_denominator.
    Natural base_numerator = from.reciprocal ? Natural(from.factor.numerator) * Natural(value_scale)
                                             : Natural(value) * Natural(from.factor.numerator);
    Natural base_denominator = from.reciprocal ? Natural(from.factor.denominator) * Natural(value)
                                               : Natural(value_scale) * Natural(from.factor.denominator);
    std::vector<std::string> lines;
    lines.reserve(table.units.size());
    for (const Unit& to : table.units) {
        // An infinite base amount (0 of a reciprocal unit) is 0 of every reciprocal unit.
        if (base_denominator.is_zero() && to.reciprocal)
            lines.push_back(line_of(table, to, Natural(0), Natural(1)));
        else if (to.reciprocal)
            lines.push_back(line_of(table, to, Natural(to.factor.numerator) * base_denominator,
                                    Natural(to.factor.denominator) * base_numerator));
        else
            lines.push_back(line_of(table, to, base_numerator * Natural(to.factor.denominator),
                                    base_denominator * Natural(to.factor.numerator)));
    }
    return lines;
}

}  // namespace quivra
