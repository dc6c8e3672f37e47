// A zone's clock against UTC at one moment, as the time-zone database answers.
#pragma once

#include <cstdint>

namespace quivra {

struct ZoneOffset {
    std::int64_t minutes_ahead;  // of UTC; negative west of Greenwich
    bool daylight;               // the zone's daylight-saving rule is in force
};

}  // namespace quivra
