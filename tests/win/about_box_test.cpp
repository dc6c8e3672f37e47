// The About box's button opens the manual that ships beside the program.
#include <filesystem>
#include <string>
#include <vector>

#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

std::filesystem::path beside_this_program(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path() / name;
}

// The box is modal, so the clicks come from a timer inside its loop.
struct HomePageVisit {
    FakePlatform* fake = nullptr;
    HWND box = nullptr;
    std::size_t opened_by_click = 0;
    bool open_after_click = false;
};
HomePageVisit visit;

void CALLBACK press_home_page(HWND, UINT, UINT_PTR timer, DWORD) {
    visit.box = FindWindowW(nullptr, L"Quivra");
    if (!visit.box) return;  // not open yet: look again at the next tick
    KillTimer(nullptr, timer);
    SendMessageW(GetDlgItem(visit.box, IDC_HOME_PAGE), BM_CLICK, 0, 0);
    visit.opened_by_click = visit.fake->opened.size();
    visit.open_after_click = IsWindowVisible(visit.box);
    SendMessageW(GetDlgItem(visit.box, IDC_ABOUT_OK), BM_CLICK, 0, 0);
}

using AboutBoxTest = WindowTest;

TEST_F(AboutBoxTest, HomePageButtonOpensTheManualBesideTheProgramAndKeepsTheBoxOpen) {
    visit = HomePageVisit{&fake};
    HWND l = launcher();
    SetTimer(nullptr, 0, 50, press_home_page);
    choose_menu(l, IDM_ABOUT);
    ASSERT_NE(visit.box, nullptr);
    EXPECT_TRUE(visit.open_after_click);
    EXPECT_EQ(visit.opened_by_click, 1u) << "opened at the click, not when the box closed";
    ASSERT_EQ(fake.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(fake.opened.front()), beside_this_program(L"quivra.html"));
    EXPECT_TRUE(fake.shown.empty()) << "no box of the program's own";
}

}  // namespace
}  // namespace quivra::testing
