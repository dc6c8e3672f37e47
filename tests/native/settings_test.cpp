#include "base/settings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace quivra {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

Settings loaded(std::string_view file, int width = 1024, int height = 768) {
    Settings s;
    read_settings(s, file);
    validate_positions(s, width, height);
    fill_default_rates(s);
    return s;
}

TEST(SettingsFile, NoFileGivesTheSixtyEightLineDefaultFile) {
    auto lines = lines_of(settings_file_text(loaded("")));
    ASSERT_EQ(lines.size(), 68u);
    EXPECT_EQ(lines[0], "dlg00_left=0");
    EXPECT_EQ(lines[1], "dlg00_top=0");
    EXPECT_EQ(lines[39], "dlg19_top=0");
    const std::vector<std::string> singles = {
        "alarm=", "tmsg_sw=0", "tmsg=", "world_def=0", "len_def=0", "weight_def=0",
        "area_def=0", "vol_def=0", "speed_def=0", "tax_ritu=0", "cash_def=0"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 40, lines.begin() + 51), singles);
    EXPECT_EQ(lines[51], "rate00=100");
    EXPECT_EQ(lines[52], "rate01=12125");
    EXPECT_EQ(lines[66], "rate15=1453");
    EXPECT_EQ(lines[67], "PASSCODE=0000000000");
}

TEST(SettingsFile, PositionsAreCheckedAgainstTheScreenOneCoordinateAtATime) {
    Settings s = loaded(
        "dlg07_left=-5\ndlg07_top=300\n"
        "dlg03_left=924\ndlg03_top=668\n"
        "dlg04_left=925\ndlg04_top=669\n");
    EXPECT_EQ(s.positions[7], (Position{0, 300}));
    EXPECT_EQ(s.positions[3], (Position{924, 668}));
    EXPECT_EQ(s.positions[4], (Position{0, 0}));
}

TEST(SettingsFile, MissingRatesGetDefaultsAndExtraRatesSurvive) {
    Settings s = loaded("rate01=0\nrate16=500\nrate02=7\n");
    EXPECT_EQ(s.rates[1], 12125);
    EXPECT_EQ(s.rates[2], 7);
    auto text = settings_file_text(s);
    EXPECT_NE(text.find("\r\nrate15=1453\r\nrate16=500\r\nPASSCODE="), std::string::npos);
}

TEST(SettingsFile, AZeroRateDoesNotCostTheLaterRowsTheirRates) {
    Settings s = loaded("rate03=4242\nrate09=777\n");
    s.rates[2] = 0;  // as the rate editor may leave it
    Settings again = loaded(settings_file_text(s));
    EXPECT_EQ(again.rates[3], 4242);
    EXPECT_EQ(again.rates[9], 777);
    EXPECT_EQ(again.rates[2], 12631);
}

TEST(SettingsFile, TextValuesKeepTheirBytesUpToTheLineBuffer) {
    std::string alarm = "C:\\" + std::string(118, 'a');  // 121 characters
    std::string tmsg(200, 'm');
    Settings s = loaded("alarm=" + alarm + "\r\ntmsg=" + tmsg + "\r\n");
    EXPECT_EQ(s.alarm.to_save, alarm);
    EXPECT_EQ(loaded(settings_file_text(s)).alarm.at_startup, alarm);
    // Only 127 bytes of a line are one line: "tmsg=" and 122 of the message.
    EXPECT_EQ(s.tmsg.to_save, std::string(122, 'm'));

    std::string japanese = "時間です！";
    EXPECT_EQ(loaded("tmsg=" + japanese).tmsg.at_startup, japanese) << "last line without newline";
}

TEST(SettingsFile, TheRestOfALongLineIsReadAsALineOfItsOwn) {
    Settings s = loaded(std::string(127, 'x') + "len_def=5\n");
    EXPECT_EQ(s.len_def.at_startup, 5);
}

TEST(SettingsFile, UnknownLinesAndOutOfRangeIndicesAreDropped) {
    Settings s = loaded(
        "; a comment\n[section]\ndlg20_left=300\ndlg-1_left=300\n"
        "rate20=99\nrate-1=99\nLEN_DEF=4\nlen_def=2\n");
    auto text = settings_file_text(s);
    EXPECT_EQ(lines_of(text).size(), 68u);
    EXPECT_EQ(text.find("comment"), std::string::npos);
    EXPECT_EQ(s.len_def.at_startup, 2);
    for (const Position& p : s.positions) EXPECT_EQ(p, (Position{0, 0}));
}

TEST(SettingsFile, NumbersReadLikeTheCLibraryAndSaturateAt32Bits) {
    Settings s = loaded(
        "len_def=  7abc\nweight_def=-3\narea_def=x\nvol_def=99999999999\n"
        "speed_def=-99999999999\ntax_ritu=+8\nworld_def=2\nworld_def=37\n");
    EXPECT_EQ(s.len_def.to_save, 7);
    EXPECT_EQ(s.weight_def.to_save, -3);
    EXPECT_EQ(s.area_def.to_save, 0);
    EXPECT_EQ(s.vol_def.to_save, 2147483647);
    EXPECT_EQ(s.speed_def.to_save, -2147483647 - 1);
    EXPECT_EQ(s.tax_ritu.to_save, 8);
    EXPECT_EQ(s.world_def.at_startup, 37) << "the last occurrence wins";
}

TEST(SettingsFile, PasscodeIsCarriedThroughAsTenDigits) {
    EXPECT_NE(settings_file_text(loaded("PASSCODE=42\n")).find("PASSCODE=0000000042\r\n"),
              std::string::npos);
    // Ten digits exceed 32 bits; the value must still come back unchanged.
    EXPECT_NE(settings_file_text(loaded("PASSCODE=9876543210\n")).find("PASSCODE=9876543210\r\n"),
              std::string::npos);
    EXPECT_NE(settings_file_text(loaded("PASSCODE=12345678901234\n")).find("PASSCODE=1234567890\r\n"),
              std::string::npos);
}

TEST(SettingsFile, AFileWrittenAtExitReadsBackToTheSameValues) {
    Settings s = loaded(
        "dlg00_left=10\ndlg00_top=20\ndlg16_left=30\ndlg17_top=40\nalarm=C:\\音\\鳴る.wav\n"
        "tmsg_sw=1\ntmsg=お茶の時間\nworld_def=5\nlen_def=4\nweight_def=3\narea_def=2\n"
        "vol_def=23\nspeed_def=13\ntax_ritu=10\ncash_def=15\nrate19=1\nPASSCODE=7\n");
    std::string once = settings_file_text(s);
    EXPECT_EQ(settings_file_text(loaded(once)), once);
    EXPECT_NE(once.find("dlg16_left=30\r\ndlg16_top=0\r\ndlg17_left=0\r\ndlg17_top=40\r\n"),
              std::string::npos);
}

TEST(SettingsFile, TextModeReadingRules) {
    // CR LF and LF alike end a line; Ctrl-Z ends the file.
    Settings s = loaded("len_def=1\r\nvol_def=2\nspeed_def=3\x1a\narea_def=4\n");
    EXPECT_EQ(s.len_def.to_save, 1);
    EXPECT_EQ(s.vol_def.to_save, 2);
    EXPECT_EQ(s.speed_def.to_save, 3);
    EXPECT_EQ(s.area_def.to_save, 0);
}

}  // namespace
}  // namespace quivra
