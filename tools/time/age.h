// Age by the law (年齢計算ニ関スル法律, 民法143条), 数え年, 干支, the school year
// by 学校教育法17条, and a year's table of ages: the 何歳？ tool's answers (CP932).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/calendar.h"

namespace quivra {

// Japan's first Gregorian day; earlier dates are refused.
inline constexpr Date first_age_date = date(1873, 1, 1);
inline constexpr int first_table_year = 1900;
inline constexpr int last_table_year = 2150;

// The day one is a year older in `year`: the birthday, and for a 2/29
// birthday in a common year 3/1, the year being completed at the end of 2/28.
Date older_on(const Date& birth, int year);
// 満年齢 on `day`.
int age_on(const Date& birth, const Date& day);
// "庚辰": the year's 十干十二支.
std::string sexagenary(int year);

struct AgeAnswers {
    std::string age;     // "26歳", or why there is no answer
    std::string kazoe;   // "27歳"
    std::string born;    // "2000/ 2/29（平成12年）庚辰"
    std::string grade;   // "小学1年" … "大学4年", "年少" … "年長", "－"
    std::vector<std::string> schools;  // "小学校 2006年4月入学 2012年3月卒業", four lines
    std::string days;    // "生まれてから 9,780日目"
    std::string next_birthday;  // "次の誕生日まで 83日（27歳）"
};

// Every answer for a birth and a reference day; a birth before 1873 or
// after the reference gives only the word why.
AgeAnswers age_answers(const Date& birth, const Date& reference);
// Every answer, one a line, as Ctrl+C copies them.
std::string copied_answers(const AgeAnswers& answers);

// 年齢早見表: one line per birth year from `year` back to 1900:
// "2000年\t平成12年\t庚辰\t26歳\t25歳\t27歳" (age after that year's birthday,
// before it, 数え年 in `year`).
std::vector<std::string> age_table_lines(int year);

}  // namespace quivra
