// The temperature converter's two lines, as its window shows them (CP932).
#pragma once

#include <cstdint>
#include <string>

namespace quivra {

enum class Scale { celsius, fahrenheit };

struct TemperatureLines {
    std::string celsius;
    std::string fahrenheit;
};

// Whole degrees of the given scale, in both scales to one truncated decimal.
TemperatureLines convert_temperature(std::int32_t degrees, Scale scale);

}  // namespace quivra
