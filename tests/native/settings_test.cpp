// tarv.ini's text: what is read, what is written, and how fast.
#include "base/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

#include "base/text_encoding.h"

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
    EXPECT_EQ(lines[40], "alarm=");
    EXPECT_EQ(lines[52], "rate01=12125");
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

TEST(SettingsFile, MissingOrZeroRatesGetDefaultsWithoutCostingTheLaterRows) {
    Settings s = loaded("rate01=0\nrate16=500\nrate02=7\nrate03=4242\nrate09=777\n");
    EXPECT_EQ(s.rates[1], 12125);
    EXPECT_EQ(s.rates[2], 7);
    EXPECT_NE(settings_file_text(s).find("\r\nrate15=1453\r\nrate16=500\r\nPASSCODE="), std::string::npos);
    s.rates[2] = 0;  // as the rate editor may leave it
    Settings again = loaded(settings_file_text(s));
    EXPECT_EQ(again.rates[2], 12631);
    EXPECT_EQ(again.rates[3], 4242);
    EXPECT_EQ(again.rates[9], 777);
}

TEST(SettingsFile, TextValuesSurviveWholeUpToTheirLimits) {
    std::string alarm = "C:\\" + std::string(124, 'a');  // 127 bytes
    std::string tmsg = std::string(251, 'm') + "時間";      // 255 bytes
    Settings s = loaded("alarm=" + alarm + "\r\ntmsg=" + tmsg + "\r\n");
    EXPECT_EQ(s.alarm.to_save, alarm);
    EXPECT_EQ(s.tmsg.to_save, tmsg);
    std::string japanese = "時間です！";
    EXPECT_EQ(loaded("tmsg=" + japanese).tmsg.at_startup, japanese) << "last line without newline";
}

TEST(SettingsFile, OverLongValuesAreCutBetweenCharactersAndTheirLinesEnd) {
    // A double-byte character across the limit is dropped whole.
    Settings s = loaded("tmsg=" + std::string(254, 'm') + "時" + std::string(100, 'z') +
                        "len_def=5\nalarm=" + std::string(126, 'a') + "お\n");
    EXPECT_EQ(s.tmsg.at_startup, std::string(254, 'm'));
    EXPECT_EQ(s.alarm.at_startup, std::string(126, 'a'));
    EXPECT_EQ(s.len_def.at_startup, 0) << "the rest of an over-long line is no line of its own";
}

TEST(SettingsFile, AKeyInsideAMessageIsPartOfTheMessage) {
    // "tmsg=" and 122 bytes: the old 127-byte pieces began a line at "alarm=".
    std::string message = std::string(122, 'm') + "alarm=C:\\x.wav len_def=9";
    Settings s = loaded("alarm=C:\\ring.wav\r\ntmsg=" + message + "\r\nlen_def=2\r\n");
    EXPECT_EQ(s.alarm.at_startup, "C:\\ring.wav");
    EXPECT_EQ(s.tmsg.at_startup, message);
    EXPECT_EQ(s.len_def.at_startup, 2);
}

TEST(SettingsFile, AValueThatCannotBeOneLineIsCutWhereItsLineWouldEnd) {
    Settings s;
    s.tmsg.to_save = "一行目\r\nlen_def=7";
    s.alarm.to_save = std::string("C:\\a.wav\0x", 10);
    std::string file = settings_file_text(s);
    EXPECT_NE(file.find("\r\nalarm=C:\\a.wav\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\ntmsg=一行目\r\n"), std::string::npos);
    EXPECT_EQ(loaded(file).len_def.at_startup, 0);
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
    const std::int32_t read[] = {s.len_def.to_save, s.weight_def.to_save, s.area_def.to_save,
                                 s.vol_def.to_save, s.speed_def.to_save, s.tax_ritu.to_save};
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(read), std::end(read)),
              (std::vector<std::int32_t>{7, -3, 0, INT32_MAX, INT32_MIN, 8}));
    EXPECT_EQ(s.world_def.at_startup, 37) << "the last occurrence wins";
}

TEST(SettingsFile, PasscodeIsCarriedThroughAsTenDigits) {
    // Ten digits exceed 32 bits; the value must still come back unchanged.
    for (auto [read, written] : {std::pair{"42", "0000000042"}, {"9876543210", "9876543210"},
                                 {"12345678901234", "1234567890"}})
        EXPECT_TRUE(settings_file_text(loaded(std::string("PASSCODE=") + read))
                        .ends_with(std::string("PASSCODE=") + written + "\r\n"));
}

TEST(SettingsFile, EveryKindOfLineEndEndsALine) {
    // CR LF, LF and a lone CR alike; Ctrl-Z ends the file.
    Settings s = loaded("len_def=1\r\nvol_def=2\nspeed_def=3\rarea_def=4\r\r\n"
                        "world_def=5\x1a\ncash_def=6\n");
    const std::int32_t read[] = {s.len_def.to_save, s.vol_def.to_save, s.speed_def.to_save,
                                 s.area_def.to_save, s.world_def.to_save, s.cash_def.to_save};
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(read), std::end(read)),
              (std::vector<std::int32_t>{1, 2, 3, 4, 5, 0}));
}

// Stands in for code page 932 with the few characters these tests use.
std::string test_shift_jis(std::u16string_view text) {
    static const std::map<char16_t, std::string> known = {
        {u'お', "お"}, {u'茶', "茶"}, {u'時', "時"}, {u'会', "会"}};
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? std::string(1, char(c)) : known.contains(c) ? known.at(c) : "?";
    return out;
}

std::string utf16(std::u16string_view text, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        char high = char(c >> 8), low = char(c & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

Settings loaded_as_editor_saved(std::string_view bytes) {
    Settings s;
    read_settings(s, as_shift_jis(std::string(bytes), test_shift_jis));
    return s;
}

TEST(SettingsFile, FilesWithAByteOrderMarkAreReadAsWhatTheyAre) {
    // U+4F1A holds the byte 1A, which ends only a Shift-JIS file.
    const std::u16string text = u"tmsg=お茶会\r\nlen_def=3\rvol_def=4\n";
    for (bool big_endian : {false, true}) {
        Settings s = loaded_as_editor_saved(utf16(text, big_endian));
        EXPECT_EQ(s.tmsg.at_startup, "お茶会") << big_endian;
        EXPECT_EQ(s.len_def.at_startup, 3) << big_endian;
        EXPECT_EQ(s.vol_def.at_startup, 4) << big_endian;
    }
    std::u8string utf8 = u8"\uFEFFtmsg=お茶\r\nlen_def=3\r\n";
    Settings s = loaded_as_editor_saved(std::string(utf8.begin(), utf8.end()));
    EXPECT_EQ(s.tmsg.at_startup, "お茶");
    EXPECT_EQ(s.len_def.at_startup, 3);
    // Without a mark the bytes are Shift-JIS, whatever they look like.
    EXPECT_EQ(loaded_as_editor_saved("tmsg=お茶").tmsg.at_startup, "お茶");
}

TEST(SettingsFile, BrokenUtf8CostsOnlyItsOwnCharacters) {
    Settings s = loaded_as_editor_saved(
        "\xEF\xBB\xBFtmsg=a\xE3\x81" "b\xC0\xAF" "c\xED\xA0\x80" "d\xF4\x90\x80\x80" "e\xFF"
        "\r\nlen_def=3");
    EXPECT_EQ(s.tmsg.at_startup, "a?b??c?d?e?");
    EXPECT_EQ(s.len_def.at_startup, 3);
    std::u8string beyond = u8"\uFEFFtmsg=\U0001F375!";
    EXPECT_EQ(loaded_as_editor_saved(std::string(beyond.begin(), beyond.end())).tmsg.at_startup, "?" "?!")
        << "a character beyond 16 bits arrives as its two halves";
}

TEST(SettingsFile, ReadingTimeGrowsLinearlyWithTheFile) {
    constexpr std::size_t ten_megabytes = 10u << 20;
    const std::pair<const char*, std::string> shapes[] = {
        {"one line", "tmsg=" + std::string(ten_megabytes, 'm')},
        {"one line of digits", "len_def=" + std::string(ten_megabytes, '9')},
        {"lone CRs", std::string(ten_megabytes, '\r')},
        {"short lines", [] {
             std::string lines;
             while (lines.size() < ten_megabytes) lines += "tmsg=x\r\ndlg07_left=1\r\nrate03=5\r\n";
             return lines;
         }()},
    };
    for (const auto& [shape, file] : shapes) {
        std::clock_t start = std::clock();
        loaded(file);
        long ms = long((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
        std::printf("10 MB of %s: %ld ms\n", shape, ms);
        EXPECT_LT(ms, 5000) << shape;
    }
}

}  // namespace
}  // namespace quivra
