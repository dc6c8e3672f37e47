#include "base/field_number.h"

#include <string>

#include <gtest/gtest.h>

namespace quivra {
namespace {

TEST(FieldNumber, ReadsWhatAUserTypedAndClampsWhatAnotherProgramSet) {
    EXPECT_EQ(read_field_number("  42abc", 0, 999), 42);
    EXPECT_EQ(read_field_number("", 1, 9999), 1) << "empty reads as 0, then clamped";
    EXPECT_EQ(read_field_number("-5", 0, 99), 0);
    EXPECT_EQ(read_field_number("-5", -999, 9999), -5);
    EXPECT_EQ(read_field_number("+7", -999, 9999), 7);
    EXPECT_EQ(read_field_number("1000", 0, 999), 999);
    EXPECT_EQ(read_field_number("4294967296", 0, 999), 999) << "no 32-bit wrap";
    EXPECT_EQ(read_field_number(std::string(5000, '9'), 0, 99999999), 99999999);
    EXPECT_EQ(read_field_number("-" + std::string(5000, '9'), -999, 9999), -999);
}

}  // namespace
}  // namespace quivra
