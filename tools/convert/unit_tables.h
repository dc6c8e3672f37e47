// The unit tables of the list converters, each unit's size exact.
#pragma once

#include <span>
#include <utility>

namespace quivra {

// Euclid's, as std::gcd takes no 128-bit numbers.
constexpr unsigned __int128 greatest_common_divisor(unsigned __int128 a, unsigned __int128 b) {
    while (b) a = std::exchange(b, a % b);
    return a;
}

// An exact size: numerator / denominator, kept in lowest terms so that the
// numbers a conversion multiplies stay as small as they can.
struct Ratio {
    constexpr Ratio(unsigned __int128 whole_numerator, unsigned __int128 whole_denominator = 1)
        : numerator(whole_numerator), denominator(whole_denominator) {
        if (const unsigned __int128 divisor = greatest_common_divisor(numerator, denominator)) {
            numerator /= divisor;
            denominator /= divisor;
        }
    }
    unsigned __int128 numerator;
    unsigned __int128 denominator;
};

constexpr Ratio operator*(Ratio a, Ratio b) { return {a.numerator * b.numerator, a.denominator * b.denominator}; }
constexpr Ratio operator/(Ratio a, Ratio b) { return {a.numerator * b.denominator, a.denominator * b.numerator}; }

// A decimal as a definition writes it: "1609.344" is 1609344/1000.
consteval Ratio decimal(const char* text) {
    unsigned __int128 numerator = 0, denominator = 1;
    bool after_point = false;
    for (; *text; ++text) {
        if (*text == '.') {
            after_point = true;
            continue;
        }
        numerator = numerator * 10 + unsigned(*text - '0');
        if (after_point) denominator *= 10;
    }
    return {numerator, denominator};
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
extern const UnitTable power_units;    // watt

}  // namespace quivra
