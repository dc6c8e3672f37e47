// The program as a user starts it, its launcher and About box, the frame every tool shares and tarv.ini on disk.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "app/launcher.h"
#include "app/tool_table.h"
#include "base/centring.h"
#include "base/win/dpi.h"
#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "base/win/topmost.h"
#include "res/dialogs/list_converter.h"
#include "res/dialogs/stopwatch.h"
#include "res/dialogs/world_clock.h"
#include "res/launcher_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;
using LauncherTest = WindowTest;

Position place_of(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top};
}

bool is_centred(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return place_of(window) == centred_position(r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CXSCREEN),
                                                GetSystemMetrics(SM_CYSCREEN));
}

void move_to(HWND window, int left, int top) { SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }

// The window tests run once per system code page; this proves which one.
TEST(CodePage, IsTheOneThisRunIsFor) {
    const char* wanted = std::getenv("QUIVRA_CODE_PAGE");
    if (!wanted) GTEST_SKIP() << "QUIVRA_CODE_PAGE not set";
    EXPECT_EQ(GetACP(), std::stoul(wanted)) << "is the locale this run asks for generated?";
}

TEST(GameSounds, LieBesideTheBuiltProgramAsSmallPcmWaves) {
    for (const char* name : {"ok.wav", "error.wav"}) {
        std::string bytes = read_bytes(built_program().parent_path() / name);
        ASSERT_GT(bytes.size(), 44u) << name;
        EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8), "RIFFWAVEfmt ");
        EXPECT_EQ(bytes[20], 1) << name << " is not plain PCM";
        EXPECT_LT(bytes.size(), 64'000u);
    }
}

// Starts the program in its own folder, as a double click would.
HANDLE start(const fs::path& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring command = L"\"" + program.wstring() + L"\"";
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        program.parent_path().c_str(), &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

// The exit code, or -1 if it is still running after the wait (then it is ended).
long exit_code(HANDLE process, DWORD wait_ms) {
    DWORD code = DWORD(-1);
    if (WaitForSingleObject(process, wait_ms) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    else TerminateProcess(process, code);
    CloseHandle(process);
    return long(code);
}

bool whole_file(const std::string& file) {
    return file.find("\r\nrate15=1453\r\nPASSCODE=0000000000\r\nworld_auto=1\r\ntax_round=0\r\n"
                     "dlg00_topmost=") != std::string::npos &&
           file.find("\r\ndlg19_topmost=0\r\ndate_first=0\r\ndate_unit=0\r\noff_sat=1\r\noff_sun=1\r\n"
                     "off_hol=1\r\noff_year_end=0\r\nfuel_def=0\r\ndata_def=0\r\nenergy_def=0\r\npressure_def=0\r\n"
                     "dlg20_left=") != std::string::npos &&
           file.find("\r\ndlg27_top=0\r\ndlg20_topmost=0\r\ndlg21_topmost=0\r\ndlg22_topmost=0\r\n"
                          "dlg23_topmost=0\r\ndlg24_topmost=0\r\ndlg25_topmost=0\r\ndlg26_topmost=0\r\n"
                          "dlg27_topmost=0\r\nyear_end_kind=0\r\noff_office=1\r\ndate_roll=0\r\ntimer_presets=3\r\n"
                          "timer_preset00=カップめん\t2\t000000\t1\t3\t0\t\t\r\ntimer_preset01=休憩\t2\t000000\t1\t15\t0\t\t\r\n"
                          "timer_preset02=会議\t1\t000000\t1\t3\t0\t\t\r\npower_def=0\r\nbirth_date=0\r\nalarm_tray=1\r\nalarm_watched_until=") != std::string::npos &&
           file.ends_with("\r\n") && file.find("\r\nalarm00=") == std::string::npos;
}

TEST(Program, RunsOnceAndItsExitWritesTheWholeSettingsFile) {
    ASSERT_TRUE(fs::exists(built_program())) << built_program();
    // A folder name outside Shift-JIS: the program must still find its file.
    fs::path folder = fs::temp_directory_path() / L"Quivra \u00fc\u00e9";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(built_program(), folder / L"quivra.exe");

    HANDLE first = start(folder / L"quivra.exe");
    ASSERT_NE(first, nullptr);
    HWND launcher = nullptr;
    for (int tries = 0; tries < 300 && !launcher; ++tries, Sleep(50)) launcher = FindWindowW(nullptr, version_title);
    ASSERT_NE(launcher, nullptr);
    HANDLE second = start(folder / L"quivra.exe");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(exit_code(second, 15000), 0);
    HWND found = FindWindowW(nullptr, version_title);
    EXPECT_TRUE(found == launcher && !FindWindowExW(nullptr, launcher, nullptr, version_title)) << "a second launcher";

    PostMessageW(launcher, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(exit_code(first, 15000), 0);
    std::string file = read_bytes(folder / L"tarv.ini");
    EXPECT_TRUE(file.starts_with("dlg00_left=") && whole_file(file)) << file;
    fs::remove_all(folder);
}

// The colour pixels of an icon as drawn, so that two icons can be told apart.
std::vector<std::uint32_t> pixels_of(HICON icon) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(32 * 32);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, 32, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

TEST_F(LauncherTest, LauncherShowsEachToolsOwnIconIgnoresEscapeAndNonClicksAndTakesRowZeroEvenAtTheCorner) {
    HWND l = launcher();
    EXPECT_TRUE(is_centred(l));
    // Each resource read afresh, not through the program's own cache of icons.
    auto resource_icon = [](int id) {
        return HICON(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 32, 32, 0));
    };
    ASSERT_EQ(window_dpi(l), 96);
    std::set<std::vector<std::uint32_t>> pictures{pixels_of(resource_icon(IDI_QUIVRA))};
    for (const Tool& tool : launcher_tools()) {
        HICON shown = HICON(SendDlgItemMessageW(l, tool.command, BM_GETIMAGE, IMAGE_ICON, 0));
        ASSERT_NE(shown, nullptr) << "button " << tool.command;
        EXPECT_EQ(pixels_of(shown), pixels_of(resource_icon(tool.icon))) << "button " << tool.command;
        pictures.insert(pixels_of(shown));
    }
    EXPECT_EQ(pictures.size(), launcher_tools().size() + 1) << "an icon drawn with another's picture";
    choose_menu(l, IDM_HELP);
    choose_menu(l, IDCANCEL);
    SendMessageW(l, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 1), 0);
    pump();
    EXPECT_EQ(fake.shown.size(), 1u) << "the help message";
    choose_menu(l, IDM_EXIT);
    write_bytes(settings_file(), "dlg00_left=0\r\ndlg00_top=0\r\n");
    EXPECT_EQ(place_of(launcher()), (Position{0, 0}));
}

// The About box is modal: what the user does in it happens from a timer
// that fires inside its loop. Escape and the home page leave it open.
struct AboutVisit {
    HWND launcher = nullptr, box = nullptr;
    const std::vector<std::wstring>* opened = nullptr;
    // Modal, the focused control, documents opened by the click, open after Escape and the home page.
    std::tuple<bool, int, std::size_t, bool> seen{};
} visit;

void CALLBACK use_about_box(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!(visit.box = FindWindowW(nullptr, L"Quivra"))) return;  // not open yet
    KillTimer(nullptr, timer);
    bool modal = GetWindow(visit.box, GW_OWNER) == visit.launcher && !IsWindowEnabled(visit.launcher);
    int focused = GetDlgCtrlID(GetFocus());
    SendMessageW(visit.box, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(GetDlgItem(visit.box, IDC_HOME_PAGE), BM_CLICK, 0, 0);
    visit.seen = {modal, focused, visit.opened->size(), IsWindowVisible(visit.box)};
    SendMessageW(GetDlgItem(visit.box, IDC_ABOUT_OK), BM_CLICK, 0, 0);
}

TEST_F(LauncherTest, AboutBoxIsModalOpensTheManualAndClosesOnlyWithOk) {
    visit = AboutVisit{launcher(), nullptr, &fake.opened};
    SetTimer(nullptr, 0, 50, use_about_box);
    choose_menu(launcher_window, IDM_ABOUT);
    ASSERT_NE(visit.box, nullptr);
    EXPECT_EQ(visit.seen, std::tuple(true, IDC_ABOUT_OK, std::size_t(1), true))
        << "the manual opens at the click, not when the box closes";
    EXPECT_FALSE(IsWindow(visit.box));
    EXPECT_EQ(fake.opened, std::vector<std::wstring>{program_directory() + L"quivra.html"});
    EXPECT_TRUE(fake.shown.empty()) << "no box of the program's own";
}

std::vector<HWND> close_order;
LRESULT CALLBACK record_closes(int code, WPARAM wparam, LPARAM lparam) {
    auto* call = reinterpret_cast<CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == WM_CLOSE) close_order.push_back(call->hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(LauncherTest, AToolsButtonBringsBackItsWindowWhereItWasAndExitClosesEveryToolInPositionOrderKeepingTheirPlaces) {
    HWND tool = open(IDC_OPEN_LENGTH);
    EXPECT_TRUE(is_centred(tool)) << "never placed before";
    EXPECT_EQ(open(IDC_OPEN_LENGTH), tool);
    HWND field = GetDlgItem(tool, LENGTH_CONVERTER_BASE + IDC_LIST_VALUE);
    SetFocus(field);
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) PostMessageW(field, WM_KEYDOWN, key, 0);
    pump();
    choose_menu(tool, IDCANCEL);
    ASSERT_TRUE(IsWindow(tool));

    move_to(tool, 50, 60);
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(tool_window(*tool_for_command(IDC_OPEN_LENGTH)), nullptr);
    tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(place_of(tool), (Position{50, 60}));
    // The close box takes the same path as the menu; the corner is no place to keep.
    move_to(tool, 0, 0);
    SendMessageW(tool, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(tool));
    HWND length = open(IDC_OPEN_LENGTH);
    EXPECT_TRUE(is_centred(length));

    HWND l = launcher_window, speed = open(IDC_OPEN_SPEED), dates = open(IDC_OPEN_DATE_CALCULATOR);
    const std::tuple<HWND, int, int> places[] = {{l, 33, 44}, {speed, 120, 130}, {length, 70, 80}, {dates, 10, 20}};
    for (auto [window, left, top] : places) move_to(window, left, top);
    close_order.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, record_closes, nullptr, GetCurrentThreadId());
    choose_menu(l, IDM_EXIT);
    UnhookWindowsHookEx(hook);

    std::erase(close_order, l);
    EXPECT_EQ(close_order, (std::vector<HWND>{dates, length, speed}));
    EXPECT_FALSE(IsWindow(l));
    std::string file = read_bytes(settings_file());
    EXPECT_TRUE(file.starts_with("dlg00_left=33\r\ndlg00_top=44\r\ndlg01_left=10\r\ndlg01_top=20\r\n"));
    EXPECT_TRUE(saved("\r\ndlg07_left=70\r\ndlg07_top=80\r\n") && saved("\r\ndlg12_left=120\r\ndlg12_top=130\r\n"));
}

// Whether the window stands above others; its system menu's item says the same.
bool on_top(HWND window) {
    bool topmost = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
    UINT item = GetMenuState(GetSystemMenu(window, FALSE), IDM_TOPMOST, MF_BYCOMMAND);
    EXPECT_NE(item, UINT(-1)) << "no 常に手前に表示 item";
    EXPECT_EQ(topmost, item != UINT(-1) && (item & MF_CHECKED));
    return topmost;
}

void choose_topmost(HWND window) {
    SendMessageW(window, WM_SYSCOMMAND, IDM_TOPMOST, 0);
    pump();
}

TEST_F(LauncherTest, StayingOnTopIsEachWindowsOwnAndComesBackOnReopeningAndAfterARestart) {
    HWND l = launcher(), clock = open(IDC_OPEN_WORLD_CLOCK), length = open(IDC_OPEN_LENGTH);
    EXPECT_FALSE(on_top(l) || on_top(clock) || on_top(length));
    // The clock first: its pickers' calendars are windows it owns, and nothing stands on top yet.
    for (HWND window : {clock, l, length, length}) choose_topmost(window);
    EXPECT_EQ(std::tuple(on_top(l), on_top(clock), on_top(length)), std::tuple(true, true, false));
    clock = reopen(clock, IDC_OPEN_WORLD_CLOCK);
    EXPECT_TRUE(on_top(clock));
    // Its pickers' calendars, which it owns, still open above it.
    HWND date = GetDlgItem(clock, IDC_WORLD_DATE);
    RECT r{};
    GetClientRect(date, &r);
    SendMessageW(date, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right - 4, r.bottom / 2));
    SendMessageW(date, WM_LBUTTONUP, 0, MAKELPARAM(r.right - 4, r.bottom / 2));
    HWND calendar = HWND(SendMessageW(date, DTM_GETMONTHCAL, 0, 0));
    EXPECT_TRUE(IsWindowVisible(calendar) && GetWindow(clock, GW_HWNDPREV) == calendar);

    l = restart();
    EXPECT_TRUE(saved("\r\ndlg00_topmost=1\r\n") && saved("\r\ndlg06_topmost=1\r\n") &&
                saved("\r\ndlg07_topmost=0\r\n"));
    EXPECT_EQ(std::tuple(on_top(l), on_top(open(IDC_OPEN_WORLD_CLOCK)), on_top(open(IDC_OPEN_LENGTH))),
              std::tuple(true, true, false));
}

// Windows ends the session without a 終了: nothing may be asked and nothing lost.
TEST_F(LauncherTest, TheEndOfTheSessionAsksNothingAndSavesAsExitWouldKeepingEveryPlace) {
    HWND stopwatch = open(IDC_OPEN_STOPWATCH), speed = open(IDC_OPEN_SPEED), l = launcher_window;
    click(stopwatch, IDC_STOPWATCH_BUTTON);
    move_to(l, 33, 44);
    move_to(speed, 120, 130);
    fake.shown.clear();
    EXPECT_TRUE(SendMessageW(l, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageW(l, WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(fs::exists(settings_file())) << "a cancelled end keeps running";
    SendMessageW(l, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(fake.shown.empty());
    std::string file = read_bytes(settings_file());
    EXPECT_TRUE(file.starts_with("dlg00_left=33\r\ndlg00_top=44\r\n") && whole_file(file)) << file;
    EXPECT_TRUE(saved("\r\ndlg12_left=120\r\ndlg12_top=130\r\n"));
}

TEST_F(LauncherTest, ASecondExitWhileTheFirstAsksIsIgnoredAndThePlaceIsKept) {
    HWND stopwatch = open(IDC_OPEN_STOPWATCH), l = launcher_window;
    click(stopwatch, IDC_STOPWATCH_BUTTON);
    move_to(l, 33, 44);
    fake.shown.clear();
    fake.answers = {true, true};
    fake.while_box_is_up = [&] { choose_menu(l, IDM_EXIT); };
    choose_menu(l, IDM_EXIT);
    EXPECT_EQ(fake.shown.size(), 1u) << "one question";
    EXPECT_FALSE(IsWindow(l));
    EXPECT_TRUE(read_bytes(settings_file()).starts_with("dlg00_left=33\r\ndlg00_top=44\r\n"));
}

// Held open without sharing, as another program might hold it.
struct LockedFile {
    HANDLE handle = CreateFileW(settings_file().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ~LockedFile() { CloseHandle(handle); }
};

TEST_F(LauncherTest, ASettingsFileLockedOrReadOnlyIsLeftWholeWithNoLeftoversOrBox) {
    const std::string kept_file = "dlg00_left=40\r\ndlg00_top=30\r\nlen_def=2\r\nPASSCODE=1\r\n";
    const fs::path folder = settings_file().parent_path();
    enum Hold { locked_at_start, locked_at_exit, marked_read_only };
    for (Hold hold : {locked_at_start, locked_at_exit, marked_read_only}) {
        SCOPED_TRACE(int(hold));
        fake.shown.clear();
        write_bytes(settings_file(), kept_file);
        const auto files = std::distance(fs::directory_iterator(folder), {});
        if (hold == marked_read_only) SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_READONLY);
        std::optional<LockedFile> lock;
        if (hold == locked_at_start) lock.emplace();
        HWND l = launcher();
        lock.reset();
        EXPECT_EQ(is_centred(l), hold == locked_at_start) << "only a file that was read places it";
        EXPECT_EQ(kept().length.unit, hold == locked_at_start ? 0 : 2);
        EXPECT_TRUE(hold != locked_at_exit || lock.emplace().handle != INVALID_HANDLE_VALUE);
        choose_menu(l, IDM_EXIT);
        lock.reset();
        EXPECT_FALSE(IsWindow(l));
        EXPECT_TRUE(fake.shown.empty());
        EXPECT_EQ(read_bytes(settings_file()), kept_file);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), files);
        EXPECT_EQ(bool(GetFileAttributesW(settings_file().c_str()) & FILE_ATTRIBUTE_READONLY), hold == marked_read_only);
        SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(LauncherTest, AUtf16SettingsFileKeepsItsValuesAndComesBackAsShiftJis) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : std::u16string_view(u"tmsg=お茶の時間\r\nlen_def=2\r\n")) bytes += {char(c & 0xFF), char(c >> 8)};
    write_bytes(settings_file(), bytes);
    launcher();
    EXPECT_EQ(kept().timer.message, "お茶の時間");
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_TRUE(read_bytes(settings_file()).starts_with("dlg00_left="));
    EXPECT_TRUE(saved("\r\ntmsg=お茶の時間\r\n") && saved("\r\nlen_def=2\r\n"));
}

}  // namespace
}  // namespace quivra::testing
