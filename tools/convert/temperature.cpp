// Celsius and Fahrenheit in whole tenths, truncated toward zero.
#include "tools/convert/temperature.h"

#include <cstdio>
#include <cstdlib>

namespace quivra {
namespace {

// The sign goes ahead even when the whole part is 0, so -5 tenths reads -0.5.
std::string line(const char* lead, std::int32_t tenths) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%s%d.%d 度です。", lead, tenths < 0 ? "-" : "",
                  std::abs(tenths / 10), std::abs(tenths % 10));
    return text;
}

}  // namespace

TemperatureLines convert_temperature(std::int32_t degrees, Scale scale) {
    std::int32_t celsius_tenths, fahrenheit_tenths;
    if (scale == Scale::celsius) {
        celsius_tenths = degrees * 10;
        fahrenheit_tenths = degrees * 90 / 5 + 320;
    } else {
        fahrenheit_tenths = degrees * 10;
        celsius_tenths = (degrees * 50 - 1600) / 9;
    }
    return {line("摂氏温度は、", celsius_tenths), line("華氏温度は、", fahrenheit_tenths)};
}

}  // namespace quivra
