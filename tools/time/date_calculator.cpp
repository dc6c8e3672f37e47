// The date calculator's arithmetic and result texts.
#include "tools/time/date_calculator.h"

#include <cstdio>

#include "base/holidays.h"
#include "tools/time/date_texts.h"

namespace quivra {

std::int32_t days_counted(const Date& first, const Date& second, bool count_first_day) {
    auto days = std::int32_t((std::chrono::sys_days{second} - std::chrono::sys_days{first}).count());
    if (!count_first_day) return days;
    return days < 0 ? days - 1 : days + 1;
}

const char* direction_word(bool back) { return back ? "前" : "後"; }

DateAfter describe_date(const std::optional<Date>& date) {
    if (!date || !is_valid_date(*date)) return {"", "？", "", ""};
    return {slashed(*date), weekday_name(*date), era_date(*date), std::string(holiday_name(*date))};
}

DateAfter describe_rolled_date(const std::optional<Date>& date, const Date& off_day, Roll roll) {
    DateAfter after = describe_date(date);
    if (after.date.empty()) return after;
    after.holiday = std::to_string(unsigned(off_day.month())) + "/" + std::to_string(unsigned(off_day.day())) + "(" +
                    weekday_name(off_day) + ")は休み → " + roll_names[std::size_t(roll)];
    return after;
}

std::string office_entry_line(const OfficeEntry& entry) {
    char dates[40];
    if (entry.yearly)
        std::snprintf(dates, sizeof dates, "毎年  %2u/%2u～%2u/%2u", unsigned(entry.from.month()), unsigned(entry.from.day()),
                      unsigned(entry.to.month()), unsigned(entry.to.day()));
    else
        std::snprintf(dates, sizeof dates, "%s～%s", slashed(entry.from).c_str(), slashed(entry.to).c_str());
    return std::string(dates) + (entry.working ? " 出勤 " : " 休み ") + entry.name;
}

std::string_view office_name_refusal(std::string_view cp932, bool representable) {
    if (!representable) return "Shift-JISにない文字は使えません。";
    return cp932.size() > office_name_max_bytes ? "名前は半角40字（全角20字）まで" : "";
}

std::string copied_days(std::int32_t days) { return std::to_string(days) + "日間"; }

std::string copied_date(const DateAfter& after) {
    if (after.date.empty()) return {};
    std::string line = after.date + " " + after.weekday + "曜日";
    if (!after.holiday.empty()) line += " " + after.holiday;
    return after.era.empty() ? line : line + "\r\n" + after.era;
}

std::vector<std::string> holiday_list_lines(int year) {
    std::vector<std::string> lines;
    for (const Holiday& holiday : holidays_of_year(year))
        lines.push_back(slashed(holiday.date) + " (" + weekday_name(holiday.date) + ")\t" +
                        std::string(holiday.name) + (holiday.predicted ? "（予測）" : ""));
    return lines;
}

std::string holiday_list_note(int year) {
    if (year < first_holiday_year || year > last_holiday_year) return {};
    if (!equinoxes_predicted(year)) return {};
    return "（予測）の春分の日・秋分の日は計算による予測です。正式には前年2月の官報で決まります。";
}

}  // namespace quivra
