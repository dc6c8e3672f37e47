// Conversion, span and offset of clock times, with their exact formats.
#include "tools/time/time_of_day.h"

#include <cstdio>

namespace quivra {
namespace {

constexpr std::int32_t seconds_per_day = 86400;

// "翌日", "前日", "３日後", "２日前".
std::string day_label(std::int32_t days) {
    if (days == 1) return "翌日";
    if (days == -1) return "前日";
    static constexpr const char* full_width_digits[] = {"０", "１", "２", "３", "４",
                                                        "５", "６", "７", "８", "９"};
    std::string count;
    for (char c : std::to_string(days < 0 ? -days : days)) count += full_width_digits[c - '0'];
    return count + (days < 0 ? "日前" : "日後");
}

}  // namespace

ConvertedTime convert_time(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
    std::int32_t total = hours * 3600 + minutes * 60 + seconds;
    char first[64], second[64];
    std::snprintf(first, sizeof first, "%2d時間%2d分%2d秒", int(total / 3600),
                  int(total % 3600 / 60), int(total % 60));
    std::snprintf(second, sizeof second, "%d分%2d秒（%d秒）", int(total / 60), int(total % 60),
                  int(total));
    return {first, second};
}

std::string time_span(std::int32_t first, std::int32_t second) {
    std::int32_t span = second - first;
    const char* prefix = span < 0 ? "-" : "";
    if (span < 0) span = -span;
    char text[64];
    std::snprintf(text, sizeof text, "%s%2d時間%2d分%2d秒", prefix, int(span / 3600),
                  int(span % 3600 / 60), int(span % 60));
    return text;
}

OffsetTime offset_time(std::int32_t start, std::int32_t offset_seconds) {
    std::int32_t total = start + offset_seconds;
    // Toward minus infinity, so that the time of day is never negative.
    std::int32_t days = total / seconds_per_day - (total % seconds_per_day < 0 ? 1 : 0);
    std::int32_t time = total - days * seconds_per_day;
    char clock[48];
    std::snprintf(clock, sizeof clock, "%d時%d分%d秒", int(time / 3600), int(time % 3600 / 60),
                  int(time % 60));
    if (days == 0) return {clock, ""};
    return {"", day_label(days) + "の" + clock};
}

}  // namespace quivra
