// Ages by the law, 数え年, 干支, school years and the table, against the law's own cases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/time/age.h"

namespace quivra {
namespace {

TEST(Age, AYearIsCompletedAtTheEndOfTheDayBeforeTheBirthdayAndA29FebruaryBirthInACommonYearAt28February) {
    const Date leap_born = date(2000, 2, 29);
    EXPECT_EQ((std::vector{age_on(leap_born, date(2027, 2, 28)), age_on(leap_born, date(2027, 3, 1)),
                           age_on(leap_born, date(2028, 2, 28)), age_on(leap_born, date(2028, 2, 29))}),
              (std::vector{26, 27, 27, 28}));
    const Date born = date(1990, 5, 10);
    EXPECT_EQ(std::pair(age_on(born, date(2026, 5, 9)), age_on(born, date(2026, 5, 10))), std::pair(35, 36));
    EXPECT_EQ(age_on(date(2026, 12, 8), date(2026, 12, 8)), 0) << "a newborn";
}

TEST(Age, EveryAnswerForA29FebruaryBirth) {
    const AgeAnswers a = age_answers(date(2000, 2, 29), date(2026, 12, 8));
    EXPECT_EQ(std::vector<std::string>({a.age, a.kazoe, a.born, a.grade, a.days, a.next_birthday}),
              (std::vector<std::string>{"26歳", "27歳", "2000/ 2/29（平成12年）庚辰", "－", "生まれてから 9,780日目",
                                        "次の誕生日まで 83日（27歳）"}));
    EXPECT_EQ(a.schools, (std::vector<std::string>{"小学校 2006年4月入学 2012年3月卒業", "中学校 2012年4月入学 2015年3月卒業",
                                                   "高校 2015年4月入学 2018年3月卒業", "大学 2018年4月入学 2022年3月卒業"}));
    EXPECT_TRUE(copied_answers(a).starts_with("満年齢 26歳\r\n数え年 27歳\r\n"));
    EXPECT_TRUE(copied_answers(a).ends_with("\r\n次の誕生日まで 83日（27歳）"));
}

TEST(Age, A1AprilChildJoinsTheYearBeforeA2AprilOneAndTheGradesFollowTheSchoolYear) {
    EXPECT_EQ(age_answers(date(2019, 4, 1), date(2026, 12, 8)).schools.at(0), "小学校 2025年4月入学 2031年3月卒業");
    EXPECT_EQ(age_answers(date(2019, 4, 2), date(2026, 12, 8)).schools.at(0), "小学校 2026年4月入学 2032年3月卒業");
    const Date born = date(2019, 4, 2);
    auto grade = [&](int y, int m, int d) { return age_answers(born, date(y, m, d)).grade; };
    EXPECT_EQ((std::vector{grade(2023, 4, 1), grade(2025, 3, 31), grade(2025, 4, 1), grade(2026, 4, 1), grade(2027, 3, 31),
                           grade(2032, 4, 1), grade(2035, 4, 1), grade(2041, 4, 1), grade(2042, 4, 1)}),
              (std::vector<std::string>{"年少", "年中", "年長", "小学1年", "小学1年", "中学1年", "高校1年", "大学4年", "－"}));
}

TEST(Age, EraBoundariesThe60YearCycleAndWhatCannotBeAnswered) {
    EXPECT_EQ(age_answers(date(1989, 1, 7), date(2026, 1, 1)).born, "1989/ 1/ 7（昭和64年）己巳");
    EXPECT_EQ(age_answers(date(1989, 1, 8), date(2026, 1, 1)).born, "1989/ 1/ 8（平成元年）己巳");
    EXPECT_EQ(age_answers(date(2019, 4, 30), date(2026, 1, 1)).born, "2019/ 4/30（平成31年）己亥");
    EXPECT_EQ(age_answers(date(2019, 5, 1), date(2026, 1, 1)).born, "2019/ 5/ 1（令和元年）己亥");
    EXPECT_EQ((std::vector{sexagenary(1984), sexagenary(2043), sexagenary(2044), sexagenary(2026), sexagenary(1900)}),
              (std::vector<std::string>{"甲子", "癸亥", "甲子", "丙午", "庚子"}));
    const AgeAnswers early = age_answers(date(1872, 12, 31), date(2026, 1, 1));
    EXPECT_EQ(std::pair(early.age, early.kazoe), std::pair(std::string("1873年より前の日付は計算できません"), std::string()));
    const AgeAnswers later = age_answers(date(2027, 1, 1), date(2026, 1, 1));
    EXPECT_EQ(std::pair(later.age, later.schools.size()), std::pair(std::string("生年月日が基準日より後です"), std::size_t(0)));
    EXPECT_EQ(age_answers(date(1873, 1, 1), date(2026, 12, 8)).age, "153歳") << "a centenarian and more";
}

TEST(AgeTable, OneLineABirthYearBackTo1900WithBothErasOfTheYearsThatHadTwo) {
    const std::vector<std::string> lines = age_table_lines(2026);
    ASSERT_EQ(lines.size(), 127u);
    EXPECT_EQ(lines.front(), "2026年\t令和8年\t丙午\t0歳\t－\t1歳");
    EXPECT_EQ(lines[26], "2000年\t平成12年\t庚辰\t26歳\t25歳\t27歳");
    EXPECT_EQ(lines.back(), "1900年\t明治33年\t庚子\t126歳\t125歳\t127歳");
    EXPECT_EQ(lines[7], "2019年\t平成31年・令和元年\t己亥\t7歳\t6歳\t8歳");
    for (int year : {1989, 1926, 1912})
        EXPECT_NE(lines[std::size_t(2026 - year)].find("・"), std::string::npos) << year;
}

}  // namespace
}  // namespace quivra
