// The converters' lines: consumption tax, currencies and their rates, units, temperatures.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <limits>
#include <tuple>

#include "base/settings.h"
#include "tools/convert/consumption_tax.h"
#include "tools/convert/currency.h"
#include "tools/convert/list_converter.h"
#include "tools/convert/rate_editor.h"
#include "tools/convert/temperature.h"

namespace quivra {
namespace {

TEST(ConsumptionTax, GroupsDigitsInThreesWithTheSignAheadAndShowsZeroForARateTheFieldCannotHold) {
    EXPECT_EQ((std::vector{grouped_digits(999), grouped_digits(1000), grouped_digits(-100'000),
                           grouped_digits(INT_MIN)}),
              (std::vector<std::string>{"999", "1,000", "-100,000", "-2,147,483,648"}));
    EXPECT_EQ((std::vector{rate_to_show(largest_rate), rate_to_show(largest_rate + 1), rate_to_show(-100)}),
              (std::vector<std::int32_t>{largest_rate, 0, 0}));
}

TEST(ConsumptionTax, EachRoundingAtItsHalfYenAndAtTheLargestPriceAndTheLinesStillAddUp) {
    constexpr auto down = TaxRounding::down, half = TaxRounding::half_up, up = TaxRounding::up;
    const struct { std::int32_t price, rate; TaxMode mode; TaxRounding rounding; std::int32_t tax, other; } cases[] = {
        {1234, 10, TaxMode::added, half, 123, 1357}, {1234, 10, TaxMode::added, up, 124, 1358},
        {1235, 10, TaxMode::added, half, 124, 1359}, {1235, 10, TaxMode::added, down, 123, 1358},
        {13, 4, TaxMode::included, half, 1, 12}, {13, 4, TaxMode::included, down, 0, 13},
        {1149, 10, TaxMode::included, half, 104, 1045}, {1149, 10, TaxMode::included, up, 105, 1044},
        {1000, 5, TaxMode::included, down, 47, 953}, {12345, 0, TaxMode::included, down, 0, 12345},
        // Whole yen that binary fractions would push over: no rule may move them.
        {1100, 10, TaxMode::added, up, 110, 1210}, {1100, 10, TaxMode::included, up, 100, 1000},
        // Eleven characters push the rest of the line right.
        {largest_price, largest_rate, TaxMode::added, down, 98'999'999, 198'999'998},
        {largest_price, largest_rate, TaxMode::added, up, 99'000'000, 198'999'999},
        {largest_price, largest_rate, TaxMode::included, half, 49'748'743, 50'251'256},
        {largest_price, largest_rate, TaxMode::included, up, 49'748'744, 50'251'255},
    };
    // The yen a line states, read back digit by digit past its grouping commas.
    const auto yen_in = [](const std::string& line, std::string_view lead) {
        EXPECT_TRUE(line.starts_with(lead)) << line;
        std::int32_t yen = 0;
        for (std::size_t i = lead.size(); i < line.size() && line.compare(i, 2, "円") != 0; ++i)
            if (line[i] >= '0' && line[i] <= '9') yen = yen * 10 + (line[i] - '0');
        return yen;
    };
    for (const auto& c : cases) {
        TaxLines lines = calculate_tax(c.price, c.rate, c.mode, c.rounding);
        const char* lead = c.mode == TaxMode::included ? "本体価格は　　" : "トータル価格は";
        EXPECT_EQ(std::tuple(yen_in(lines.tax, "消費税金額は　"), yen_in(lines.amount, lead)), std::tuple(c.tax, c.other))
            << c.price << " at " << c.rate << " rounding " << int(c.rounding);
    }
    // The layout: the yen right-aligned in ten columns, which the largest overruns.
    TaxLines usual = calculate_tax(1000, 5, TaxMode::included, down);
    EXPECT_EQ(std::tuple(usual.tax, usual.amount),
              std::tuple("消費税金額は　        47円です。", "本体価格は　　       953円です。"));
    TaxLines largest = calculate_tax(largest_price, largest_rate, TaxMode::added, down);
    EXPECT_EQ(std::tuple(largest.tax, largest.amount),
              std::tuple("消費税金額は　98,999,999円です。", "トータル価格は198,999,998円です。"));
    EXPECT_EQ((std::vector{rounding_from_stored(1), rounding_from_stored(2), rounding_from_stored(3),
                           rounding_from_stored(-1)}),
              (std::vector{half, up, down, down}));
}

constexpr std::size_t yen = 0, dollar = 1, euro = 2, pound = 3, franc = 4, new_zealand = 7, rupee = 8;
constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();

std::array<std::int32_t, rate_entries> default_rates() {
    Settings settings;
    read_settings(settings, "");
    return settings.currency.rates;
}

bool is_dash_line(const std::string& line) { return line.ends_with("\t    -----"); }

TEST(CurrencyConversion, LinesAtTheDefaultRatesKeepTheSenThatFloatingPointLoses) {
    const struct { std::uint32_t amount; std::size_t from, to; const char* line; } cases[] = {
        {1000, yen, dollar, "アメリカドル    \t        8.24"},
        {1000, yen, new_zealand, "ニュージーランドドル\t       15.54"},  // a long name is not cut
        {100, dollar, euro, "ユーロ          \t       95.99"},
        {30'000'000, yen, dollar, "アメリカドル    \t   247422.68"},  // 12125 × 30,000,000 passes 32 bits
        {3, franc, yen, "日本円          \t      260.28"}, {5, euro, yen, "日本円          \t      631.55"},
        {2231, yen, dollar, "アメリカドル    \t       18.40"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(convert_to_every_currency(default_rates(), c.amount, c.from)[c.to], c.line) << c.amount;
}

TEST(CurrencyConversion, DashesExactlyTheResultsOfABillionOrMore) {
    const auto lines = convert_to_every_currency(default_rates(), largest_amount, pound);
    EXPECT_EQ(std::tuple(is_dash_line(lines[yen]), lines[dollar]),
              std::tuple(true, "アメリカドル    \t162218555.07"));
    auto rates = default_rates();
    rates[dollar] = 513'239;  // 194,841 of them are a sen short of a billion yen
    EXPECT_EQ(convert_to_every_currency(rates, 194'841, dollar)[yen], "日本円          \t999999999.99");
    rates[dollar] = 2000;
    EXPECT_TRUE(is_dash_line(convert_to_every_currency(rates, 50'000'000, dollar)[yen]));
}

TEST(CurrencyConversion, NoRateGivesDashLinesAndNoRateOverflows) {
    auto rates = default_rates();
    rates[new_zealand] = 0;
    rates[rupee] = -5;  // only a hand-edited file can hold one
    const auto lines = convert_to_every_currency(rates, 1000, yen);
    EXPECT_EQ((std::vector{is_dash_line(lines[new_zealand]), is_dash_line(lines[rupee]), is_dash_line(lines[dollar])}),
              (std::vector{true, true, false}));
    // Without a rate for the amount's own currency no line can be right.
    for (const std::string& line : convert_to_every_currency(rates, 1000, new_zealand))
        EXPECT_TRUE(is_dash_line(line)) << line;
    rates[dollar] = rates[euro] = most;
    EXPECT_EQ(convert_to_every_currency(rates, largest_amount, dollar)[euro], "ユーロ          \t 99999999.00");
}

TEST(RateFields, KeepEveryRateThroughTheTwoFields) {
    EXPECT_EQ((std::vector{rate_fields(12105), rate_fields(-5)}), (std::vector<RateFields>{{121, 5}, {0, 0}}));
    EXPECT_EQ(rate_of({0, 50}), 50) << "the sen field holds hundredths as a number";
    // Rates from a hand-edited file do not fit three digits but must survive ＯＫ.
    for (std::int32_t rate : {513'239, most}) EXPECT_EQ(rate_of(rate_fields(rate)), rate);
    EXPECT_EQ(rate_of({largest_yen, largest_sen}), most);
}

constexpr std::size_t mm = 0, cm = 1, metre = 2, km = 3, inch = 4, foot = 5, mile = 8, ri = 14;
constexpr std::size_t oil_barrel = 24, watt = 0, kw = 1, mw = 2, ps = 3, hp = 4, kgf_m = 5, kcal_h = 6, btu_h = 7;
constexpr std::size_t litre = 7, british_barrel = 15, go = 18, sho = 19, metre_per_second = 0, km_per_hour = 5, mach = 13;

// A value as the field gives it: whole hundred-thousandths.
constexpr std::uint64_t units(std::uint64_t whole, std::uint64_t hundred_thousandths = 0) {
    return whole * value_scale + hundred_thousandths;
}

// What a line shows after its name: the value and the abbreviation.
std::string shown(const UnitTable& table, std::uint64_t value, std::size_t from, std::size_t to) {
    std::string line = convert_to_every_unit(table, value, from).at(to);
    std::string amount = line.substr(line.find('\t') + 1);
    return amount.substr(amount.find_first_not_of(' '));
}

// Every expected figure was worked out as an exact fraction by hand or by a second
// program, then truncated: none comes from the table's own arithmetic.
TEST(ListConversion, EveryDigitIsTheExactDefinitionsTruncated) {
    const struct { const UnitTable& table; std::uint64_t value; std::size_t from, to; const char* shows; } cases[] = {
        {length_units, units(3), inch, mm, "76.20000 mm"},      // a double gives 76.19999
        {length_units, units(1), foot, inch, "12.00000 in"},
        {length_units, units(1), metre, foot, "3.28083 ft"},
        {length_units, units(1), mile, km, "1.60934 km"},
        {length_units, units(1, 50000), inch, cm, "3.81000 cm"},
        {length_units, units(9999), ri, foot, "128834645.66929 ft"},
        {length_units, units(999'999'999, 99'999), mm, mm, "999999999.99999 mm"},
        {weight_units, units(1), 4, 0, "28.34952 g"},           // オンス（通常）
        {area_units, units(20), 10, 1, "66.11570 m2"},          // 坪 is 400/121 m²
        {volume_units, units(1), sho, go, "10.00000 合"},
        {volume_units, units(1), litre, british_barrel, "0.00611 "},  // no abbreviation
        {speed_units, units(100), km_per_hour, metre_per_second, "27.77777 m/s"},
        {speed_units, units(100), km_per_hour, mach, "0.08169 M"},
        {energy_units, units(100), 4, 1, "418.40000 kJ"},       // kcal to kJ
        {pressure_units, units(220), 2, 9, "31.90830 psi"},     // kPa to psi
        {pressure_units, units(1), 7, 0, "133.32236 Pa"},       // mmHg
        {data_units, units(500), 7, 12, "465.66128 GiB"},       // GB to GiB
        {data_units, units(500), 7, 0, "4,000,000,000,000.00000 bit"},
        {data_units, units(124, 99'999), 8, 0, "999,999,920,000,000.00000 bit"},  // TB
        {fuel_units, units(15, 30'000), 0, 1, "6.53594 L/100km"},
        {fuel_units, units(15, 30'000), 0, 2, "35.98783 mpg（米）"},
        {fuel_units, units(5), 1, 2, "47.04291 mpg（米）"},
        {fuel_units, units(1), 0, 3, "2.82480 mpg（英）"},
        {volume_units, units(1), litre, oil_barrel, "0.00628 bbl"},
        {power_units, units(100), ps, kw, "73.54987 kW"},
        {power_units, units(1), kw, ps, "1.35962 PS"},
        {power_units, units(1), mw, hp, "1,341.02208 HP"},
        {power_units, units(1), mw, kgf_m, "101,971.62129 kgf・m/s"},
        {power_units, units(1), mw, kcal_h, "860,420.65009 kcal/h"},
        {power_units, units(1), mw, btu_h, "3,412,141.63312 BTU/h"},
        {power_units, units(1), watt, watt, "1.00000 W"},
        {fuel_units, units(100), 1, 0, "1.00000 km/L"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.table, c.value, c.from, c.to), c.shows) << c.shows;
}

TEST(ListConversion, LinesPadNamesAndDashWhatTheColumnCannotHold) {
    EXPECT_EQ(convert_to_every_unit(length_units, units(1), metre)[inch], "インチ      \t       39.37007 in");
    EXPECT_EQ(convert_to_every_unit(length_units, units(1), metre)[cm], "センチメートル\t      100.00000 cm")
        << "a long name overruns";
    EXPECT_EQ(convert_to_every_unit(length_units, units(9999), ri)[mm], "ミリメートル\t    -----");
    const std::string bit = "ビット" + std::string(16, ' ');
    EXPECT_EQ(convert_to_every_unit(data_units, units(125), 8)[0], bit + "\t              -----") << "10 to the 15th bits";
    EXPECT_EQ(convert_to_every_unit(data_units, units(1), 0)[0], bit + "\t                  1.00000 bit");
    EXPECT_EQ(convert_to_every_unit(data_units, units(1), 0)[5], "キロバイト（1000 B）  \t                  0.00012 kB")
        << "each byte row says its base";
    // A reciprocal unit at 0 is infinite one way and 0 the other.
    EXPECT_EQ(shown(fuel_units, 0, 0, 1), "-----");
    EXPECT_EQ(shown(fuel_units, 0, 1, 0), "-----");
    EXPECT_EQ(shown(fuel_units, 0, 1, 1), "0.00000 L/100km");
}

// Expected figures from exact fractions of the legal definitions, cut after the sixth significant digit.
TEST(ListConversion, ANonzeroValueBelowTheFifthDecimalShowsUpToSixSignificantDigitsWithItsPointInLine) {
    const struct { const UnitTable& table; std::uint64_t value; std::size_t from, to; const char* shows; } cases[] = {
        {pressure_units, units(1), 0, 6, "0.00000986923 atm"},
        {pressure_units, units(1), 0, 3, "0.000001 MPa"},
        {weight_units, units(1), 0, 2, "0.000001 t"},
        {length_units, units(0, 1), mm, km, "0.00000000001 km"},
        {data_units, units(0, 1), 0, 14, "0.00000000000000000000111022 PiB"},
        {volume_units, units(0, 1), 0, oil_barrel, "0.0000000000628981 bbl"},
        {energy_units, units(0, 1), 0, 6, "0.00000000000277777 kWh"},
        {power_units, units(0, 1), watt, mw, "0.00000000001 MW"},
        {power_units, 0, watt, mw, "0.00000 MW"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.table, c.value, c.from, c.to), c.shows) << c.shows;
    const auto lines = convert_to_every_unit(pressure_units, units(1), 0);
    EXPECT_EQ(lines[6].find('.'), lines[0].find('.')) << lines[6];
}

TEST(ListConversion, ZeroGivesZeroOnEveryLineOfEveryTableButTheReciprocals) {
    for (const UnitTable* table : {&length_units, &weight_units, &area_units, &volume_units, &speed_units, &data_units,
                                   &energy_units, &pressure_units, &power_units}) {
        const std::size_t rows = table->units.size();
        for (std::size_t from = 0; from < rows; ++from) {
            const auto lines = convert_to_every_unit(*table, 0, from);
            ASSERT_EQ(lines.size(), rows);
            for (std::size_t k = 0; k < rows; ++k)
                EXPECT_NE(lines[k].find(" 0.00000 "), std::string::npos) << k << " from " << from;
        }
    }
}

TEST(ListValue, ReadsDecimalsExactlyAndRefusesWhatItCannotHold) {
    EXPECT_EQ(read_value("1.5"), units(1, 50'000));
    EXPECT_EQ(read_value("0.25"), units(0, 25'000));
    EXPECT_EQ(read_value("123456789.12345"), units(123'456'789, 12'345));
    EXPECT_EQ(read_value(".5"), units(0, 50'000));
    EXPECT_EQ(read_value(""), 0u) << "an empty field is 0";
    EXPECT_EQ(read_value("7."), units(7)) << "on the way to a decimal";
    for (std::string_view refused : {"1234567890", "1.123456", "-1", "1,5", "1.2.3", "abc", " 1", "1e5"}) {
        EXPECT_FALSE(read_value(refused)) << refused;
        EXPECT_NE(value_text_refusal(refused), "") << refused;
    }
    EXPECT_NE(value_text_refusal("1", false), "") << "a character Shift-JIS lacks";
    EXPECT_EQ(stepped_value("1.50", 1), "2.50");
    EXPECT_EQ(stepped_value("0.5", -1), "0.5") << "not below 0";
    EXPECT_EQ(stepped_value("999999999", 1), "999999999");
    EXPECT_EQ(stepped_value("", 1), "1");
}

// The window asks only for rows it listed; a row past the table must not read past it.
TEST(RowOutsideTheTable, GivesNoLines) {
    EXPECT_TRUE(convert_to_every_unit(length_units, units(1), length_units.units.size()).empty());
    EXPECT_TRUE(convert_to_every_currency(default_rates(), 1, currency_names.size()).empty());
    EXPECT_TRUE(convert_to_every_currency(std::vector<std::int32_t>(3, 100), 1, 0).empty()) << "too few rates";
}

TEST(Temperature, BothLinesInBothScalesTruncatedTowardZeroWithTheSignKept) {
    const struct { std::int32_t degrees; Scale scale; const char* celsius; const char* fahrenheit; } cases[] = {
        {100, Scale::fahrenheit, "37.7", "100.0"}, {0, Scale::celsius, "0.0", "32.0"},
        {31, Scale::fahrenheit, "-0.5", "31.0"}, {-999, Scale::celsius, "-999.0", "-1766.2"},
        {-999, Scale::fahrenheit, "-572.7", "-999.0"}, {9999, Scale::celsius, "9999.0", "18030.2"},
    };
    for (const auto& c : cases) {
        TemperatureLines lines = convert_temperature(c.degrees, c.scale);
        EXPECT_EQ(std::tuple(lines.celsius, lines.fahrenheit),
                  std::tuple("摂氏温度は、" + std::string(c.celsius) + " 度です。",
                             "華氏温度は、" + std::string(c.fahrenheit) + " 度です。")) << c.degrees;
    }
}

}  // namespace
}  // namespace quivra
