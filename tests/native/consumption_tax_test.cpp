// Tax included and added, digit grouping, and the rate a stored value shows.
#include "tools/convert/consumption_tax.h"

#include <gtest/gtest.h>

#include <climits>

namespace quivra {
namespace {

TEST(ConsumptionTax, GroupsDigitsInThreesWithTheSignAhead) {
    EXPECT_EQ(grouped_digits(999), "999");
    EXPECT_EQ(grouped_digits(1000), "1,000");
    EXPECT_EQ(grouped_digits(-100'000), "-100,000");
    EXPECT_EQ(grouped_digits(INT_MIN), "-2,147,483,648");
}

TEST(ConsumptionTax, TruncatesTheTaxAndLetsThePriceTakeTheRest) {
    const struct { std::int32_t price, rate; TaxMode mode; const char* amount; const char* tax; } cases[] = {
        {1000, 5, TaxMode::included, "本体価格は　　       953円です。", "        47"},
        {1100, 10, TaxMode::included, "本体価格は　　     1,000円です。", "       100"},
        {1000, 5, TaxMode::added, "トータル価格は     1,050円です。", "        50"},
        {19, 5, TaxMode::included, "本体価格は　　        19円です。", "         0"},
        {12345, 0, TaxMode::included, "本体価格は　　    12,345円です。", "         0"},
        // Eleven characters push the rest of the line right.
        {largest_price, largest_rate, TaxMode::added, "トータル価格は198,999,998円です。", "98,999,999"},
        {largest_price, largest_rate, TaxMode::included, "本体価格は　　50,251,256円です。", "49,748,743"},
    };
    for (const auto& c : cases) {
        TaxLines lines = calculate_tax(c.price, c.rate, c.mode);
        EXPECT_EQ(lines.amount, c.amount) << c.price << " at " << c.rate;
        EXPECT_EQ(lines.tax, std::string("消費税金額は　") + c.tax + "円です。") << c.price << " at " << c.rate;
    }
}

TEST(ConsumptionTax, AStoredRateTheFieldCannotHoldShowsAsZero) {
    EXPECT_EQ(rate_to_show(largest_rate), largest_rate);
    EXPECT_EQ(rate_to_show(largest_rate + 1), 0);
    EXPECT_EQ(rate_to_show(-100), 0);
}

}  // namespace
}  // namespace quivra
