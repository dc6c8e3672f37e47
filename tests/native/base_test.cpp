// The portable base: tarv.ini's text read, written and timed, the fuzzer's corpus replayed; centring and keeping on screen; number fields.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "base/centring.h"
#include "base/field_number.h"
#include "base/on_screen.h"
#include "base/settings.h"
#include "base/settings_location.h"
#include "tests/fuzz/settings_reader_checks.h"
#include "tools/convert/currency.h"

namespace quivra {
namespace {

TEST(Centring, HalvesAreTruncatedBeforeTheyAreSubtracted) {
    EXPECT_EQ((std::vector{centred_position(301, 200, 1024, 768), centred_position(301, 201, 1023, 767)}),
              (std::vector<Position>{{362, 284}, {361, 283}}));
}

// A second monitor to the right of the first, its work area below a taskbar.
TEST(OnScreen, AWindowOffItsMonitorComesWhollyBackAndOneTooLargeKeepsItsCaptionInside) {
    const ScreenBox work{1024, 40, 3072, 1536};
    const struct { ScreenBox window; Position onto; } cases[] = {
        {{1100, 100, 1400, 400}, {1100, 100}},      // inside: stays
        {{1024, 40, 3072, 1536}, {1024, 40}},       // exactly the area
        {{-500, 100, -200, 400}, {1024, 100}},      // off to the left
        {{3000, 1500, 3300, 1800}, {2772, 1236}},   // over the bottom-right corner
        {{1200, -90, 1500, 210}, {1200, 40}},       // under the taskbar
        {{900, 0, 1400, 2000}, {1024, 40}},         // taller than the area
        {{2000, 200, 4200, 500}, {1024, 200}},      // wider than the area
    };
    for (const auto& c : cases)
        EXPECT_EQ(onto_work_area(c.window, work), c.onto) << c.window.left << "," << c.window.top;
}

TEST(FieldNumber, ReadsWhatAUserTypedAndClampsWhatAnotherProgramSet) {
    const std::string nines(5000, '9');
    const struct { std::string text; std::int32_t low, high, read; } cases[] = {
        {"  42abc", 0, 999, 42}, {"", 1, 9999, 1},  // empty reads as 0, then clamped
        {"-5", 0, 99, 0}, {"-5", -999, 9999, -5}, {"+7", -999, 9999, 7}, {"1000", 0, 999, 999},
        {"4294967296", 0, 999, 999},  // no 32-bit wrap
        {nines, 0, 99999999, 99999999}, {"-" + nines, -999, 9999, -999},
    };
    for (const auto& c : cases) EXPECT_EQ(read_field_number(c.text, c.low, c.high), c.read) << c.text.substr(0, 12);
}

// Stands in for code page 932 with the few characters these tests use.
std::string test_shift_jis(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? std::string(1, char(c)) : c == u'お' ? "お" : c == u'会' ? "会" : "?";
    return out;
}

// As the program reads a file: any byte-order mark honoured, positions and rates checked.
Settings loaded(std::string_view file) {
    Settings s;
    read_settings(s, as_shift_jis(std::string(file), test_shift_jis));
    validate_positions(s.windows, 1024, 768);
    return s;
}

std::vector<std::int32_t> numbers_of(const Settings& s) {
    return {s.length.unit, s.weight.unit, s.area.unit, s.volume.unit, s.speed.unit, s.world_clock.city, s.currency.currency};
}

TEST(SettingsFile, PositionsAreCheckedAgainstTheScreenOneCoordinateAtATime) {
    Settings s = loaded("dlg07_left=-5\ndlg07_top=300\ndlg03_left=924\ndlg03_top=668\n"
                        "dlg04_left=925\ndlg04_top=669\n");
    EXPECT_EQ((std::vector{s.windows.positions[7], s.windows.positions[3], s.windows.positions[4]}),
              (std::vector<Position>{{0, 300}, {924, 668}, {0, 0}}));
}

TEST(SettingsFile, EachTopmostLineSetsItsOwnRowAloneAndAFileWithoutThemKeepsEveryWindowOff) {
    Settings s = loaded("dlg06_top=300\ndlg06_topmost=1\ndlg07_topmost=0\ndlg19_topmost=5\n");
    EXPECT_EQ(s.windows.positions[6], (Position{0, 300})) << "top is not topmost";
    EXPECT_EQ(std::tuple(s.windows.topmost[5], s.windows.topmost[6], s.windows.topmost[7], s.windows.topmost[19]),
              std::tuple(false, true, false, true));
    EXPECT_EQ(loaded("dlg06_top=300\n").windows.topmost, Settings{}.windows.topmost);
}

TEST(SettingsLocation, BesideTheProgramWhileItsFolderTakesFilesElseTheUsersFolder) {
    constexpr auto beside = SettingsFile::beside_program, user = SettingsFile::in_user_folder;
    auto files = [](bool writable, bool beside_exists, bool read_only, bool user_exists) {
        SettingsFiles chosen = settings_files({writable, beside_exists, read_only, user_exists});
        return std::pair(chosen.read, chosen.write);
    };
    EXPECT_EQ(files(true, true, false, true), std::pair(beside, beside)) << "portable use wins over the user's file";
    EXPECT_EQ(files(true, false, false, false), std::pair(beside, beside));
    EXPECT_EQ(files(false, false, false, false), std::pair(user, user)) << "Program Files, a new user";
    EXPECT_EQ(files(false, true, false, true), std::pair(user, user)) << "the user's file, once there, is the one";
    EXPECT_EQ(files(false, true, false, false), std::pair(beside, user)) << "a file shipped beside starts the user's";
    EXPECT_EQ(files(false, true, true, false), std::pair(beside, beside)) << "marked read-only: left alone";
    EXPECT_EQ(files(true, true, true, true), std::pair(beside, beside));
}

TEST(SettingsFile, ANewUserPaysTheStandardTaxRateWhileAKeptRateStaysEvenAtZero) {
    EXPECT_EQ(loaded("").tax.rate_read, 10);
    EXPECT_EQ(loaded("tax_ritu=0\n").tax.rate_read, 0);
    EXPECT_EQ(loaded("tax_ritu=8\n").tax.rate, 8);
}

TEST(SettingsFile, MissingOrZeroRatesGetDefaultsWithoutCostingTheLaterRows) {
    Settings s = loaded("rate01=0\nrate16=500\nrate02=7\nrate03=4242\n");
    EXPECT_EQ(s.currency.rates[1], 12125);
    EXPECT_NE(settings_file_text(s).find("\r\nrate15=1453\r\nrate16=500\r\nPASSCODE="), std::string::npos);
    s.currency.rates[2] = 0;  // as the rate editor may leave it
    Settings again = loaded(settings_file_text(s));
    EXPECT_EQ(std::tuple(again.currency.rates[2], again.currency.rates[3]), std::tuple(12631, 4242));
}

TEST(SettingsFile, OfficeEntriesKeepTheirOrderSkipWhatCannotBeReadAndComeAfterEveryOlderKey) {
    Settings s = loaded("office00=off,0813,0816,お盆休み\noffice01=holiday,0101,0101,x\n"
                        "office02=work,20270327,20270327,棚卸し,午前\noffice03=off,20270402,20270401,逆\n"
                        "office04=off,1301,0101,x\noffice05=off,0229,0301,閏\noffice05=off,0101\n"
                        "office50=off,0101,0101,x\noffice06=off,0101,0101," + std::string(39, 'n') + "名前\n");
    const auto& entries = s.office_calendar.entries;
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0], (OfficeEntry{false, true, date(2000, 8, 13), date(2000, 8, 16), "お盆休み"}));
    EXPECT_EQ(entries[1], (OfficeEntry{true, false, date(2027, 3, 27), date(2027, 3, 27), "棚卸し,午前"}));
    EXPECT_EQ(entries[3].name, std::string(39, 'n')) << "40 bytes, cut between characters";
    const std::string file = settings_file_text(s);
    EXPECT_NE(file.find("\r\ndlg27_topmost=0\r\nyear_end_kind=0\r\noffice00=off,0813,0816,お盆休み\r\n"
                        "office01=work,20270327,20270327,棚卸し,午前\r\noffice02=off,0229,0301,閏\r\n"
                        "office03=off,0101,0101," + std::string(39, 'n') + "\r\noff_office=1\r\ndate_roll=0\r\n"),
              std::string::npos);
    EXPECT_EQ(loaded(file), s);
    EXPECT_EQ(settings_file_text(loaded("")).find("office0"), std::string::npos) << "a new user has none";
}

TEST(SettingsFile, ANewUserHasThreeTimerPresetsAndAFileKeepsExactlyTheOnesItListsSkippingWhatCannotBeRead) {
    const std::string first = settings_file_text(loaded(""));
    EXPECT_TRUE(first.ends_with("\r\ndate_roll=0\r\ntimer_presets=3\r\ntimer_preset00=カップめん\t2\t000000\t1\t3\t0\t\t\r\n"
                                "timer_preset01=休憩\t2\t000000\t1\t15\t0\t\t\r\ntimer_preset02=会議\t1\t000000\t1\t3\t0\t\t\r\n"
                                "power_def=0\r\nbirth_date=0\r\nalarm_tray=1\r\nalarm_watched_until=0\r\n"));
    Settings s = loaded("timer_presets=2\ntimer_preset00=朝会\t0\t085500\t1\t3\t1\tC:\\bell.wav\t朝会です\n"
                        "timer_preset01=壊れ\t3\t000000\t1\t3\t0\t\t\ntimer_preset02=\t2\t000000\t1\t3\t0\t\t\n"
                        "timer_preset03=時刻\t0\t246000\t1\t3\t0\t\t\ntimer_preset04=昼\t2\t000000\t1\t45\t0\t\tお昼\ta\n");
    ASSERT_EQ(s.timer.presets.size(), 2u);
    EXPECT_EQ(s.timer.presets[0], (TimerPreset{"朝会", 0, 85500, 1, 3, "C:\\bell.wav", true, "朝会です"}));
    EXPECT_EQ(s.timer.presets[1].message, "お昼 a") << "the message is the rest of the line, a tab a space";
    EXPECT_EQ(loaded(settings_file_text(s)), s);
    EXPECT_TRUE(loaded("timer_presets=0\n").timer.presets.empty()) << "every preset removed stays removed";
}

TEST(SettingsFile, TextValuesKeepTheirLimitsAndAreCutBetweenCharacters) {
    const std::string alarm = "C:\\" + std::string(124, 'a'), tmsg = std::string(251, 'm') + "時間";
    // A double-byte character across the limit is dropped whole, with the rest of its line.
    Settings s = loaded("alarm=" + alarm + "\r\ntmsg=" + std::string(254, 'm') + "時zz len_def=5\n");
    EXPECT_EQ(std::tuple(s.timer.alarm_path, s.timer.message, s.length.unit),
              std::tuple(alarm, std::string(254, 'm'), 0)) << "127 bytes";
    s = loaded("alarm=" + std::string(126, 'a') + "お\ntmsg=" + tmsg);
    EXPECT_EQ(std::tuple(s.timer.alarm_path, s.timer.message), std::tuple(std::string(126, 'a'), tmsg))
        << "255 bytes on a last line without newline";
}

TEST(SettingsFile, AKeyInsideAMessageIsPartOfTheMessage) {
    // "tmsg=" and 122 bytes: the old 127-byte pieces began a line at "alarm=".
    std::string message = std::string(122, 'm') + "alarm=C:\\x.wav len_def=9";
    Settings s = loaded("alarm=C:\\ring.wav\r\ntmsg=" + message + "\r\nlen_def=2\r\n");
    EXPECT_EQ(std::tuple(s.timer.alarm_path, s.timer.message, s.length.unit),
              std::tuple("C:\\ring.wav", message, 2));
}

TEST(SettingsFile, AValueThatCannotBeOneLineIsCutWhereItsLineWouldEnd) {
    Settings s;
    s.timer.message = "一行目\r\nlen_def=7";
    s.timer.alarm_path = std::string("C:\\a.wav\0x", 10);
    std::string file = settings_file_text(s);
    EXPECT_NE(file.find("\r\nalarm=C:\\a.wav\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\ntmsg=一行目\r\n"), std::string::npos);
    EXPECT_EQ(loaded(file).length.unit, 0);
}

TEST(SettingsFile, NumbersSaturateAt32BitsAndEveryKindOfLineEndEndsALine) {
    EXPECT_EQ(numbers_of(loaded("len_def=  7abc\nweight_def=-3\narea_def=x\nvol_def=99999999999\n"
                                "speed_def=-99999999999\nworld_def=2\nworld_def=37\ncash_def=+8\nLEN_DEF=4\n")),
              (std::vector<std::int32_t>{7, -3, 0, INT32_MAX, INT32_MIN, 37, 8}));
    // CR LF, LF and a lone CR alike; Ctrl-Z ends the file.
    Settings ends = loaded("len_def=1\r\nweight_def=2\narea_def=3\rvol_def=4\r\r\nspeed_def=5\x1a\nworld_def=6");
    EXPECT_EQ(numbers_of(ends), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 0, 0}));
    for (auto [read, written] : {std::pair{"42", "0000000042"}, {"9876543210", "9876543210"},
                                 {"12345678901234", "1234567890"}})
        EXPECT_NE(settings_file_text(loaded(std::string("PASSCODE=") + read))
                      .find(std::string("\r\nPASSCODE=") + written + "\r\n"), std::string::npos) << "ten digits pass 32 bits";
}

std::string utf16(std::u16string_view text, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text)
        bytes += big_endian ? std::string{char(c >> 8), char(c)} : std::string{char(c), char(c >> 8)};
    return bytes;
}

TEST(SettingsFile, FilesWithAByteOrderMarkAreReadAsWhatTheyAreAndBrokenUtf8CostsOnlyItsCharacters) {
    // U+4F1A holds the byte 1A, which ends only a Shift-JIS file.
    for (bool big_endian : {false, true}) {
        Settings s = loaded(utf16(u"tmsg=お会\r\nlen_def=3\rvol_def=4\n", big_endian));
        EXPECT_EQ(std::tuple(s.timer.message, numbers_of(s)),
                  std::tuple("お会", std::vector<std::int32_t>{3, 0, 0, 4, 0, 0, 0})) << big_endian;
    }
    Settings s = loaded("\xEF\xBB\xBFtmsg=\xE3\x81\x8A" "a\xE3\x81" "b\xC0\xAF" "c\xED\xA0\x80"
                        "d\xF4\x90\x80\x80" "e\xFF" "f\xF0\x9F\x8D\xB5\r\nlen_def=3");
    EXPECT_EQ(std::tuple(s.timer.message, s.length.unit), std::tuple("おa?b??c?d?e?f??", 3))
        << "beyond 16 bits a character arrives as two halves";
    EXPECT_EQ(loaded("tmsg=お会").timer.message, "お会") << "no mark: Shift-JIS as it is";
}

TEST(SettingsFile, ReadingTimeGrowsLinearlyWithTheFile) {
    constexpr std::size_t ten_megabytes = 10u << 20;
    std::string short_lines;
    while (short_lines.size() < ten_megabytes) short_lines += "tmsg=x\r\ndlg07_left=1\r\nrate03=5\r\n";
    const std::pair<const char*, std::string> shapes[] = {
        {"one line", "tmsg=" + std::string(ten_megabytes, 'm')}, {"lone CRs", std::string(ten_megabytes, '\r')},
        {"short lines", short_lines}};
    for (const auto& [shape, file] : shapes) {
        std::clock_t start = std::clock();
        loaded(file);
        long ms = long((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
        std::printf("10 MB of %s: %ld ms\n", shape, ms);
        EXPECT_LT(ms, 5000) << shape;
    }
}

TEST(SettingsFuzzCorpus, EveryCaseReadsWritesAndReadsBackAlikeInLinearTime) {
    const auto corpus = std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus";
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(fuzzing::round_trip_fault(bytes), "") << entry.path().filename();
        EXPECT_EQ(fuzzing::reading_time_fault(bytes), "") << entry.path().filename();
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

}  // namespace
}  // namespace quivra
