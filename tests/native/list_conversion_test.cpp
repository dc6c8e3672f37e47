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

struct NamedTable {
    const UnitTable& table;
    std::size_t rows;
    int name_width;
};

const NamedTable all_tables[] = {
    {length_units, 15, 12}, {weight_units, 14, 16}, {area_units, 14, 16},
    {volume_units, 24, 16}, {speed_units, 14, 16},
};

TEST(UnitTables, HaveTheirRowCountsAndNameWidths) {
    for (const NamedTable& t : all_tables) {
        EXPECT_EQ(t.table.units.size(), t.rows);
        EXPECT_EQ(t.table.name_width, t.name_width);
    }
}

TEST(UnitTables, SomeNamesUseAsciiPunctuation) {
    for (const Unit& unit : {weight_units.units[8], weight_units.units[9]}) {
        const std::string name = unit.name;
        EXPECT_NE(name.find('('), std::string::npos) << "weight row";
        EXPECT_NE(name.find(','), std::string::npos);
        EXPECT_NE(name.find(')'), std::string::npos);
        EXPECT_EQ(name.find("（"), std::string::npos);
    }
    for (const Unit& unit : {volume_units.units[13], volume_units.units[14]}) {
        const std::string name = unit.name;
        EXPECT_NE(name.find('('), std::string::npos) << "volume row";
        EXPECT_NE(name.find(')'), std::string::npos);
    }
}

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
    for (const NamedTable& t : all_tables) {
        for (std::size_t from = 0; from < t.rows; ++from) {
            const auto lines = convert_to_every_unit(t.table, 0, from);
            ASSERT_EQ(lines.size(), t.rows);
            for (std::size_t k = 0; k < t.rows; ++k) {
                std::string expected = t.table.units[k].name;
                expected.resize(std::max<std::size_t>(expected.size(), t.name_width), ' ');
                expected += std::string("\t        0.00000 ") + t.table.units[k].abbreviation;
                EXPECT_EQ(lines[k], expected) << "row " << k << " from row " << from;
            }
        }
    }
}

}  // namespace
}  // namespace quivra
