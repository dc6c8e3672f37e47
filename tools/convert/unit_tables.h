// The unit tables of the list converters, each unit's size exact.
#pragma once

#include <span>

namespace quivra {

// An exact size: numerator / denominator.
struct Ratio {
    unsigned __int128 numerator;
    unsigned __int128 denominator = 1;
};

constexpr Ratio operator*(Ratio a, Ratio b) { return {a.numerator * b.numerator, a.denominator * b.denominator}; }
constexpr Ratio operator/(Ratio a, Ratio b) { return {a.numerator * b.denominator, a.denominator * b.numerator}; }

// A decimal as a definition writes it: "1609.344" is 1609344/1000.
consteval Ratio decimal(const char* text) {
    Ratio ratio{0, 1};
    bool after_point = false;
    for (; *text; ++text) {
        if (*text == '.') {
            after_point = true;
            continue;
        }
        ratio.numerator = ratio.numerator * 10 + unsigned(*text - '0');
        if (after_point) ratio.denominator *= 10;
    }
    return ratio;
}

// factor is the size of one unit in its table's base unit; a reciprocal
// unit's value is factor divided by the base amount (litres per 100 km
// against km per litre).
struct Unit {
    const char* name;
    const char* abbreviation;
    Ratio factor;
    bool reciprocal = false;
};

// The row index is also the drop-down index and the stored selection.
// name_width is the byte width the name is padded to in a result line; a
// wide table's value column holds 15 digits before the point, grouped by
// thousands, where the others hold 9.
struct UnitTable {
    std::span<const Unit> units;
    int name_width;
    bool wide = false;
};

extern const UnitTable length_units;   // metre
extern const UnitTable weight_units;   // gram
extern const UnitTable area_units;     // square metre
extern const UnitTable volume_units;   // litre
extern const UnitTable speed_units;    // metre per hour
extern const UnitTable fuel_units;     // kilometre per litre
extern const UnitTable data_units;     // bit
extern const UnitTable energy_units;   // joule
extern const UnitTable pressure_units; // pascal

}  // namespace quivra
