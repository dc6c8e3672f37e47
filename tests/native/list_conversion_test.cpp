// The unit converters' lines: padding, truncated decimals, the dash line and zero.
#include "tools/convert/list_conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace quivra {
namespace {

constexpr std::size_t mm = 0, cm = 1, metre = 2, inch = 4, foot = 5, ri = 14;
constexpr std::size_t litre = 7, british_barrel = 15, metre_per_second = 0, km_per_hour = 5, mach = 13;

TEST(ListConversion, LinesPadShortNamesTruncateDecimalsAndDashABillion) {
    const struct { const UnitTable& table; unsigned amount; std::size_t from, to; const char* line; } cases[] = {
        {length_units, 1, metre, inch, "インチ      \t       39.37007 in"},
        {length_units, 1, metre, cm, "センチメートル\t      100.00000 cm"},  // a long name overruns
        {length_units, 1, inch, mm, "ミリメートル\t       25.39999 mm"},
        {length_units, 3, inch, inch, "インチ      \t        2.99999 in"},
        {speed_units, 100, km_per_hour, metre_per_second, "秒速メートル    \t       27.77777 m/s"},
        {speed_units, 100, km_per_hour, mach, "マッハ          \t        0.08169 M"},
        {length_units, 9999, ri, mm, "ミリメートル\t    -----"},
        {length_units, 9999, ri, foot, "フィート    \t128821762.20472 ft"},
        {volume_units, 1, litre, british_barrel, "バレル（イギリス）\t        0.00611 "},  // no abbreviation
    };
    for (const auto& c : cases) EXPECT_EQ(convert_to_every_unit(c.table, c.amount, c.from)[c.to], c.line);
}

TEST(ListConversion, ZeroGivesZeroOnEveryLineOfEveryTable) {
    for (const UnitTable* table : {&length_units, &weight_units, &area_units, &volume_units, &speed_units}) {
        const std::size_t rows = table->units.size();
        for (std::size_t from = 0; from < rows; ++from) {
            const auto lines = convert_to_every_unit(*table, 0, from);
            ASSERT_EQ(lines.size(), rows);
            for (std::size_t k = 0; k < rows; ++k)
                EXPECT_NE(lines[k].find("\t        0.00000 "), std::string::npos) << k << " from " << from;
        }
    }
}

}  // namespace
}  // namespace quivra
