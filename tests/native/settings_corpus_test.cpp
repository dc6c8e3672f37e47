// Replays the settings fuzzer's corpus, so every run checks what the fuzzer checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/fuzz/settings_reader_checks.h"

namespace quivra {
namespace {

namespace fs = std::filesystem;

TEST(SettingsFuzzCorpus, EveryCaseReadsWritesAndReadsBackAlikeInLinearTime) {
    fs::path corpus = fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus";
    ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
    int cases = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(fuzzing::round_trip_fault(bytes), "") << entry.path().filename();
        EXPECT_EQ(fuzzing::reading_time_fault(bytes), "") << entry.path().filename();
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

}  // namespace
}  // namespace quivra
