// Whole minutes since 1601, so that zone offsets can be added to a SYSTEMTIME.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quivra {

inline constexpr std::int64_t ticks_per_minute = 600'000'000;

inline std::int64_t minute_of(const SYSTEMTIME& time) {
    FILETIME ticks{};
    SystemTimeToFileTime(&time, &ticks);
    return std::int64_t((std::uint64_t(ticks.dwHighDateTime) << 32) | ticks.dwLowDateTime) / ticks_per_minute;
}

inline SYSTEMTIME at_minute(std::int64_t minute) {
    auto ticks = std::uint64_t(minute * ticks_per_minute);
    FILETIME time{DWORD(ticks), DWORD(ticks >> 32)};
    SYSTEMTIME out{};
    FileTimeToSystemTime(&time, &out);
    return out;
}

}  // namespace quivra
