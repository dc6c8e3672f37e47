#include "tools/convert/list_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quivra {
namespace {

constexpr std::size_t mm = 0, cm = 1, metre = 2, inch = 4, foot = 5, sun = 10, ri = 14;
constexpr std::size_t litre = 7, british_barrel = 15, american_barrel = 16;
constexpr std::size_t metre_per_second = 0, km_per_hour = 5, mach = 13;

TEST(ListConversion, PadsShortNamesAndLetsLongOnesOverrun) {
    const auto lines = convert_to_every_unit(length_units, 1, metre);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[inch], "インチ      \t       39.37007 in");
    EXPECT_EQ(lines[cm], "センチメートル\t      100.00000 cm");
    EXPECT_EQ(lines[metre], "メートル    \t        1.00000 m");
}

TEST(ListConversion, TruncatesDecimalsInsteadOfRounding) {
    EXPECT_EQ(convert_to_every_unit(length_units, 1, inch)[mm],
              "ミリメートル\t       25.39999 mm");
    EXPECT_EQ(convert_to_every_unit(length_units, 3, inch)[inch],
              "インチ      \t        2.99999 in");

    const auto speeds = convert_to_every_unit(speed_units, 100, km_per_hour);
    EXPECT_EQ(speeds[metre_per_second], "秒速メートル    \t       27.77777 m/s");
    EXPECT_EQ(speeds[mach], "マッハ          \t        0.08169 M");
}

TEST(ListConversion, DashesOnlyTheUnitsThatReachABillion) {
    const auto lines = convert_to_every_unit(length_units, 9999, ri);
    EXPECT_EQ(lines[mm], "ミリメートル\t    -----");
    EXPECT_EQ(lines[cm], "センチメートル\t    -----");
    EXPECT_EQ(lines[inch], "インチ      \t    -----");
    EXPECT_EQ(lines[sun], "寸（すん）  \t    -----");
    EXPECT_EQ(lines[metre], "メートル    \t 39264873.12000 m");
    EXPECT_EQ(lines[foot], "フィート    \t128821762.20472 ft");
    EXPECT_EQ(lines[ri], "里（り）    \t     9999.00000 里");
}

TEST(ListConversion, EmptyAbbreviationLeavesOneTrailingSpace) {
    const auto lines = convert_to_every_unit(volume_units, 1, litre);
    EXPECT_EQ(lines[british_barrel], "バレル（イギリス）\t        0.00611 ");
    EXPECT_EQ(lines[american_barrel], "バレル（アメリカ）\t        0.00838 ");
}

TEST(ListConversion, ZeroGivesZeroOnEveryLineOfEveryTable) {
    for (const UnitTable* table : {&length_units, &weight_units, &area_units, &volume_units, &speed_units}) {
        const std::size_t rows = table->units.size();
        for (std::size_t from = 0; from < rows; ++from) {
            const auto lines = convert_to_every_unit(*table, 0, from);
            ASSERT_EQ(lines.size(), rows);
            for (std::size_t k = 0; k < rows; ++k)
                EXPECT_NE(lines[k].find("\t        0.00000 "), std::string::npos)
                    << "row " << k << " from row " << from;
        }
    }
}

}  // namespace
}  // namespace quivra
