// Whole numbers past 128 bits, against values computed by another program's big integers.
#include <gtest/gtest.h>

#include <string>

#include "tools/convert/natural.h"

namespace quivra {
namespace {

using Wide = unsigned __int128;
constexpr Wide one = 1;
const Natural a = (one << 127) + 12345;
const Natural b = ~Wide{0};  // 2^128 - 1
const Natural d = Natural((one << 100) + 7) * Natural((one << 90) + 3);

// Decimal digits, eighteen at a time from the bottom.
std::string digits(Natural n) {
    const Natural chunk = Natural(1'000'000'000'000'000'000ULL);
    std::string text;
    do {
        Natural::Division step = n.divided_by(chunk);
        std::string part = std::to_string(step.remainder.low_64());
        n = step.quotient;
        text = (n.is_zero() ? part : std::string(18 - part.size(), '0') + part) + text;
    } while (!n.is_zero());
    return text;
}

TEST(Natural, ProductsPastTwoTo128KeepEveryDigit) {
    const Natural c = a * b;
    EXPECT_EQ(digits(c), "57896044618658097711785492504343958127250670788345144243356633445419251126215");
    EXPECT_EQ(digits(c * c),
              "3351951982485649274893506249551462018267906946539746980409500877153299268067852913195946692750455672"
              "169254124349189008924400353232590142028182545860226225");
    EXPECT_TRUE((Natural(0) * c).is_zero());
    EXPECT_EQ(c * Natural(1), c);
}

TEST(Natural, QuotientsAndRemaindersByDivisorsPastTwoTo128) {
    const Natural::Division big = (a * b * a * b).divided_by(d);
    EXPECT_EQ(digits(big.quotient), "2135987035920910082395021700981447687793632766793941823395128841538790944324621707639939776024311");
    EXPECT_EQ(digits(big.remainder), "1489356391682499156598869782430944334249457100679742206574");
    const Natural::Division small = (a * b).divided_by(b * Natural(1000003));
    EXPECT_EQ(digits(small.quotient), "170140673038450116381338159701405");
    EXPECT_EQ(digits(small.remainder), "4715633040790365226675445309789443874343390");
    const Natural::Division none = d.divided_by(a * b);
    EXPECT_TRUE(none.quotient.is_zero());
    EXPECT_EQ(none.remainder, d) << "a larger divisor leaves the whole";
    EXPECT_TRUE(Natural(0).divided_by(d).quotient.is_zero());
    EXPECT_LT(d, a * b);
    EXPECT_GT(a * b, b);
}

}  // namespace
}  // namespace quivra
