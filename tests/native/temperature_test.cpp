// Temperatures in both scales, truncated toward zero with the sign kept.
#include "tools/convert/temperature.h"

#include <gtest/gtest.h>

namespace quivra {
namespace {

TEST(Temperature, BothLinesInBothScales) {
    const struct { std::int32_t degrees; Scale scale; const char* celsius; const char* fahrenheit; } cases[] = {
        {100, Scale::fahrenheit, "37.7", "100.0"}, {0, Scale::celsius, "0.0", "32.0"},
        {0, Scale::fahrenheit, "-17.7", "0.0"}, {31, Scale::fahrenheit, "-0.5", "31.0"},
        {-40, Scale::celsius, "-40.0", "-40.0"}, {-999, Scale::celsius, "-999.0", "-1766.2"},
        {-999, Scale::fahrenheit, "-572.7", "-999.0"}, {9999, Scale::celsius, "9999.0", "18030.2"},
    };
    for (const auto& c : cases) {
        TemperatureLines lines = convert_temperature(c.degrees, c.scale);
        EXPECT_EQ(lines.celsius, std::string("摂氏温度は、") + c.celsius + " 度です。") << c.degrees;
        EXPECT_EQ(lines.fahrenheit, std::string("華氏温度は、") + c.fahrenheit + " 度です。") << c.degrees;
    }
}

}  // namespace
}  // namespace quivra
