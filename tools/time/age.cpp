// Ages by the law, the school year and the year's table.
#include "tools/time/age.h"

#include <chrono>

#include "tools/time/date_texts.h"

namespace quivra {
namespace {

using std::chrono::sys_days;

constexpr const char* stems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* branches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

struct School {
    const char* name;
    const char* grade;  // "小学", as the grade names it
    int from_entry;     // years after entering 小学校
    int years;
};
constexpr School schools[] = {{"小学校", "小学", 0, 6}, {"中学校", "中学", 6, 3}, {"高校", "高校", 9, 3}, {"大学", "大学", 12, 4}};
constexpr const char* kindergarten[] = {"年少", "年中", "年長"};

std::string years_old(int age) { return std::to_string(age) + "歳"; }

std::string grouped(long long number) {
    std::string digits = std::to_string(number), text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

// The April 1 on which a child enters 小学校: the first on or after the day it becomes 6.
int entry_year(const Date& birth) {
    const int six = int(birth.year()) + 6;
    return older_on(birth, six) <= date(six, 4, 1) ? six : six + 1;
}

// The school year a day falls in: April to March, named by its April.
int school_year(const Date& day) { return day >= date(int(day.year()), 4, 1) ? int(day.year()) : int(day.year()) - 1; }

std::string grade_on(const Date& birth, const Date& day) {
    const int years = school_year(day) - entry_year(birth);
    if (years >= -3 && years < 0) return kindergarten[years + 3];
    for (const School& school : schools)
        if (years >= school.from_entry && years < school.from_entry + school.years)
            return std::string(school.grade) + std::to_string(years - school.from_entry + 1) + "年";
    return "－";
}

}  // namespace

Date older_on(const Date& birth, int year) {
    const Date day{std::chrono::year{year}, birth.month(), birth.day()};
    return day.ok() ? day : date(year, 3, 1);
}

int age_on(const Date& birth, const Date& day) {
    const int years = int(day.year()) - int(birth.year());
    return day >= older_on(birth, int(day.year())) ? years : years - 1;
}

std::string sexagenary(int year) {
    const int index = ((year - 4) % 60 + 60) % 60;
    return std::string(stems[index % 10]) + branches[index % 12];
}

AgeAnswers age_answers(const Date& birth, const Date& reference) {
    if (birth < first_age_date) return {"1873年より前の日付は計算できません", "", "", "", {}, "", ""};
    if (reference < birth) return {"生年月日が基準日より後です", "", "", "", {}, "", ""};
    AgeAnswers answers;
    const int age = age_on(birth, reference);
    answers.age = years_old(age);
    answers.kazoe = years_old(int(reference.year()) - int(birth.year()) + 1);
    answers.born = slashed(birth) + "（" + era_year(birth) + "）" + sexagenary(int(birth.year()));
    answers.grade = grade_on(birth, reference);
    const int entry = entry_year(birth);
    for (const School& school : schools)
        answers.schools.push_back(std::string(school.name) + " " + std::to_string(entry + school.from_entry) + "年4月入学 " +
                                  std::to_string(entry + school.from_entry + school.years) + "年3月卒業");
    answers.days = "生まれてから " + grouped((sys_days{reference} - sys_days{birth}).count() + 1) + "日目";
    Date next = older_on(birth, int(reference.year()));
    if (next <= reference) next = older_on(birth, int(reference.year()) + 1);
    answers.next_birthday = "次の誕生日まで " + grouped((sys_days{next} - sys_days{reference}).count()) + "日（" +
                            years_old(age + 1) + "）";
    return answers;
}

std::string copied_answers(const AgeAnswers& answers) {
    if (answers.kazoe.empty()) return answers.age;
    std::string text = "満年齢 " + answers.age + "\r\n数え年 " + answers.kazoe + "\r\n生まれ " + answers.born + "\r\n学年 " +
                       answers.grade + "\r\n";
    for (const std::string& line : answers.schools) text += line + "\r\n";
    return text + answers.days + "\r\n" + answers.next_birthday;
}

std::vector<std::string> age_table_lines(int year) {
    std::vector<std::string> lines;
    for (int born = year; born >= first_table_year; --born) {
        const int after = year - born;
        lines.push_back(std::to_string(born) + "年\t" + era_years_of(born) + "\t" + sexagenary(born) + "\t" +
                        years_old(after) + "\t" + (after == 0 ? std::string("－") : years_old(after - 1)) + "\t" +
                        years_old(after + 1));
    }
    return lines;
}

}  // namespace quivra
