// Currency lines exact to the sen, and the rate editor's two fields.
#include "tools/convert/currency.h"

#include <gtest/gtest.h>

#include <limits>

#include "base/settings.h"
#include "tools/convert/rate_editor.h"

namespace quivra {
namespace {

constexpr std::size_t yen = 0, dollar = 1, euro = 2, pound = 3, franc = 4, new_zealand = 7, rupee = 8;
constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();

std::array<std::int32_t, rate_entries> default_rates() {
    Settings settings;
    fill_default_rates(settings);
    return settings.rates;
}

bool is_dash_line(const std::string& line) { return line.ends_with("\t    -----"); }

TEST(CurrencyConversion, LinesAtTheDefaultRatesKeepTheSenThatFloatingPointLoses) {
    const struct { std::uint32_t amount; std::size_t from, to; const char* line; } cases[] = {
        {1000, yen, dollar, "アメリカドル    \t        8.24"},
        {1000, yen, new_zealand, "ニュージーランドドル\t       15.54"},  // a long name is not cut
        {100, dollar, euro, "ユーロ          \t       95.99"},
        {30'000'000, yen, dollar, "アメリカドル    \t   247422.68"},  // 12125 × 30,000,000 passes 32 bits
        {3, franc, yen, "日本円          \t      260.28"},
        {5, euro, yen, "日本円          \t      631.55"},
        {2231, yen, dollar, "アメリカドル    \t       18.40"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(convert_to_every_currency(default_rates(), c.amount, c.from)[c.to], c.line) << c.amount;
}

TEST(CurrencyConversion, DashesExactlyTheResultsOfABillionOrMore) {
    const auto lines = convert_to_every_currency(default_rates(), largest_amount, pound);
    EXPECT_TRUE(is_dash_line(lines[yen]));
    EXPECT_EQ(lines[dollar], "アメリカドル    \t162218555.07");
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
    EXPECT_TRUE(is_dash_line(lines[new_zealand]));
    EXPECT_TRUE(is_dash_line(lines[rupee]));
    EXPECT_FALSE(is_dash_line(lines[dollar]));
    // Without a rate for the amount's own currency no line can be right.
    for (const std::string& line : convert_to_every_currency(rates, 1000, new_zealand))
        EXPECT_TRUE(is_dash_line(line)) << line;
    rates[dollar] = rates[euro] = most;
    EXPECT_EQ(convert_to_every_currency(rates, largest_amount, dollar)[euro], "ユーロ          \t 99999999.00");
}

TEST(RateFields, KeepEveryRateThroughTheTwoFields) {
    EXPECT_EQ(rate_fields(12105), (RateFields{121, 5}));
    EXPECT_EQ(rate_of({0, 50}), 50) << "the sen field holds hundredths as a number";
    EXPECT_EQ(rate_fields(-5), (RateFields{0, 0}));
    // Rates from a hand-edited file do not fit three digits but must survive ＯＫ.
    for (std::int32_t rate : {513'239, most}) EXPECT_EQ(rate_of(rate_fields(rate)), rate);
    EXPECT_EQ(rate_of({largest_yen, largest_sen}), most);
}

}  // namespace
}  // namespace quivra
