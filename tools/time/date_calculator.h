// The date calculator's answers, as its window shows them (CP932).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/calendar.h"
#include "base/office_entry.h"
#include "tools/time/business_calendar.h"

namespace quivra {

// The days from the first date to the second, negative when the second is
// the earlier; with both ends counted when `count_first_day`: one more day
// away from zero, so that equal dates are 1 day. Both dates must exist.
std::int32_t days_counted(const Date& first, const Date& second, bool count_first_day);

struct DateAfter {
    std::string date;     // "2004/ 3/ 1"; empty when the result is refused
    std::string weekday;  // "日" to "土"; "？" when there is no date
    std::string era;      // "令和8年12月7日"; empty before the first era or without a date
    std::string holiday;  // "元日"; empty on other days
};

// The units of the count, in the drop-down's order (a CountUnit's value).
inline constexpr std::array<const char*, 6> count_unit_names = {"日", "週", "か月", "年", "営業日", "月末"};
// The year-end's days, in the order of YearEnd.
inline constexpr std::array<const char*, 2> year_end_names = {"12/29～1/3（官公庁）", "12/31～1/3（銀行）"};
// Where a date on a day off goes, in the order of Roll.
inline constexpr std::array<const char*, 3> roll_names = {"そのまま", "前の営業日", "次の営業日"};
// Under the business days when they reach years without holidays.
inline constexpr char holiday_table_note[] = "（祝日は1948～2150年の分だけ数えています）";
// What follows the unit: "後", or "前" for a count back.
const char* direction_word(bool back);

// A computed date as the window shows it; an empty one is refused.
DateAfter describe_date(const std::optional<Date>& date);
// The same for a date that `roll` moved from `off_day`: the holiday's place
// says why, "1/31(日)は休み → 前の営業日".
DateAfter describe_rolled_date(const std::optional<Date>& date, const Date& off_day, Roll roll);

// A company entry as its list shows it: "毎年  8/13～ 8/16 休み お盆休み",
// "2027/ 3/27～2027/ 3/27 出勤 棚卸し".
std::string office_entry_line(const OfficeEntry& entry);
// Why a name cannot be an entry's, or empty when it can.
std::string_view office_name_refusal(std::string_view cp932, bool representable);
inline constexpr char office_entries_full[] = "登録できるのは50件までです。";

// What Ctrl+C copies of each answer: "366日間"; "2027/ 1/ 1 金曜日 元日"
// (the holiday only on one) with the era date on a second line when there
// is one, empty without a date.
std::string copied_days(std::int32_t days);
std::string copied_date(const DateAfter& after);

// A year's holidays, one line each: "2027/ 1/ 1 (金)\t元日", an equinox
// day past the announced years marked "（予測）"; none outside the law's years.
std::vector<std::string> holiday_list_lines(int year);
// Under the list: why some days are marked, or empty.
std::string holiday_list_note(int year);

}  // namespace quivra
