// Days added to dates within the calendar's years.
#include "base/calendar.h"

namespace quivra {

std::optional<Date> add_days(const Date& date, std::int64_t days) {
    using namespace std::chrono;
    if (!is_valid_date(date)) return std::nullopt;
    constexpr sys_days first{first_year / January / 1}, last{last_year / December / 31};
    const sys_days start{date};
    // Compared as counts, so that no count can wrap.
    if (days < (first - start).count() || days > (last - start).count()) return std::nullopt;
    return Date{start + std::chrono::days{days}};
}

}  // namespace quivra
