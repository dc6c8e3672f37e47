// The cities and the arithmetic of the world clock's report.
#include "tools/time/world_clock.h"

#include <cstdio>

#include "base/stored_row.h"

namespace quivra {

const std::array<City, city_count> cities{{
    {"東京(日本)", 0, "Tokyo Standard Time"},
    {"ソウル(韓国)", 0, "Korea Standard Time"},
    {"ウランバートル(モンゴル)", -1, "Ulaanbaatar Standard Time"},
    {"ペキン(中国)", -1, "China Standard Time"},
    {"タイペイ(台湾)", -1, "Taipei Standard Time"},
    {"ホンコン(中国)", -1, "China Standard Time"},
    {"マニラ(フィリピン)", -1, "Singapore Standard Time"},
    {"ハノイ(ベトナム)", -2, "SE Asia Standard Time"},
    {"バンコク(タイ)", -2, "SE Asia Standard Time"},
    {"ジャカルタ(インドネシア)", -2, "SE Asia Standard Time"},
    {"シンガポール(シンガポール)", -1, "Singapore Standard Time"},
    {"シドニー(オーストラリア)", 1, "AUS Eastern Standard Time"},
    {"ウェリントン(ニュージーランド)", 3, "New Zealand Standard Time"},
    {"モスクワ(ロシア)", -6, "Russian Standard Time"},
    {"リヤド(サウジアラビア)", -6, "Arab Standard Time"},
    {"イスタンブール(トルコ)", -6, "Turkey Standard Time"},
    {"アテネ(ギリシァ)", -7, "GTB Standard Time"},
    {"ストックホルム(スゥエーデン)", -8, "W. Europe Standard Time"},
    {"ローマ(イタリア)", -8, "W. Europe Standard Time"},
    {"ウィーン(オーストリア)", -8, "W. Europe Standard Time"},
    {"ベルリン(ドイツ)", -8, "W. Europe Standard Time"},
    {"パリ(フランス)", -8, "Romance Standard Time"},
    {"マドリード(スペイン)", -8, "Romance Standard Time"},
    {"ロンドン(イギリス)", -9, "GMT Standard Time"},
    {"ニューヨーク(アメリカ)", -14, "Eastern Standard Time"},
    {"オタワ(カナダ)", -14, "Eastern Standard Time"},
    {"サンフランシスコ(アメリカ)", -17, "Pacific Standard Time"},
    {"アンカレジ(アメリカ)", -18, "Alaskan Standard Time"},
    {"メキシコシティ(メキシコ)", -15, "Central Standard Time (Mexico)"},
    {"ブラジリア(ブラジル)", -12, "E. South America Standard Time"},
    {"ブエノスアイレス(アルゼンチン)", -12, "Argentina Standard Time"},
    {"リマ(ペルー)", -14, "SA Pacific Standard Time"},
    {"ホノルル(アメリカ)", -19, "Hawaiian Standard Time"},
    {"カイロ(エジプト)", -7, "Egypt Standard Time"},
    {"ナイロビ(ケニア)", -6, "E. Africa Standard Time"},
    {"プレトリア(南アフリカ共和国)", -7, "South Africa Standard Time"},
    {"ラバト(モロッコ)", -8, "Morocco Standard Time"},
    {"アクラ(ガーナ)", -9, "Greenwich Standard Time"},
}};

namespace {

std::string city_line(const City& city, int hour, int minute, int day, bool summer_time) {
    const char* marker = day < 0 ? "前日" : day > 0 ? "翌日" : "";
    char line[96];  // a 30-byte name, its tab, the time and both markers
    std::snprintf(line, sizeof line, "%-30s\t%2d時%2d分 %s%s", city.name, hour, minute, marker,
                  summer_time ? " 夏時間" : "");
    return line;
}

std::int64_t standard_minutes_from_utc(const City& city) { return (city.hours_from_japan + 9) * 60; }

constexpr std::int64_t minutes_a_day = 24 * 60;
// The first day of FILETIME's count, which the zone database's minutes share.
constexpr std::chrono::sys_days first_counted_day{date(1601, 1, 1)};

}  // namespace

std::int64_t minute_number(const DateMinute& time) {
    return (std::chrono::sys_days{time.date} - first_counted_day).count() * minutes_a_day + time.hour * 60 + time.minute;
}

DateMinute at_minute_number(std::int64_t minute) {
    const std::int64_t day = minute / minutes_a_day;
    const auto in_day = int(minute % minutes_a_day);
    return {Date{first_counted_day + std::chrono::days{day}}, in_day / 60, in_day % 60};
}

std::vector<std::string> world_times(std::int64_t chosen, int hour, int minute, bool summer_time) {
    const City& here = cities[stored_row(chosen, city_count)];
    std::vector<std::string> lines;
    lines.reserve(city_count);
    for (const City& city : cities) {
        int n = city.hours_from_japan - here.hours_from_japan + hour + (summer_time ? 1 : 0);
        // Exactly 24 is midnight at the end of the same day: no marker.
        int day = n < 0 ? -1 : n > 24 ? 1 : 0;
        lines.push_back(city_line(city, n - 24 * day, minute, day, false));
    }
    return lines;
}

std::vector<std::string> world_times_by_zone(std::int64_t chosen, const DateMinute& local, TimeZones& zones) {
    const City& here = cities[stored_row(chosen, city_count)];
    const std::int64_t utc = zones.universal_minute(here.zone, minute_number(local))
                                 .value_or(minute_number(local) - standard_minutes_from_utc(here));
    std::vector<std::string> lines;
    lines.reserve(city_count);
    for (const City& city : cities) {
        ZoneOffset offset = zones.offset_at(city.zone, utc).value_or(ZoneOffset{standard_minutes_from_utc(city), false});
        // Some databases call Morocco's own UTC+1 daylight time and its
        // Ramadan hour back standard, or the other way round: summer time is
        // daylight time that runs ahead of the city's standard hours.
        bool summer_time = offset.daylight && offset.minutes_ahead > standard_minutes_from_utc(city);
        DateMinute there = at_minute_number(utc + offset.minutes_ahead);
        auto day = int((std::chrono::sys_days{there.date} - std::chrono::sys_days{local.date}).count());
        lines.push_back(city_line(city, there.hour, there.minute, day, summer_time));
    }
    return lines;
}

}  // namespace quivra
