// The window tests run once per system code page; this proves which one.
#include <windows.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(CodePage, IsTheOneThisRunIsFor) {
    const char* wanted = std::getenv("QUIVRA_CODE_PAGE");
    if (!wanted) GTEST_SKIP() << "QUIVRA_CODE_PAGE not set";
    EXPECT_EQ(GetACP(), std::stoul(wanted)) << "is the locale this run asks for generated?";
}

}  // namespace
