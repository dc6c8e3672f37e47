// What a screen reader finds: the launcher's picture buttons and every tool's fields have names.
#include <string>

#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using NamesTest = WindowTest;

std::wstring window_text(HWND window) {
    wchar_t text[64]{};
    GetWindowTextW(window, text, 64);
    return text;
}

TEST_F(NamesTest, EachLauncherButtonIsNamedByTheCaptionBeneathIt) {
    HWND l = launcher();
    for (int id = IDC_FIRST_TOOL_BUTTON; id < IDC_FIRST_TOOL_BUTTON + 16; ++id) {
        HWND button = GetDlgItem(l, id), caption = GetWindow(button, GW_HWNDNEXT);
        ASSERT_NE(caption, nullptr) << "button " << id;
        EXPECT_FALSE(window_text(caption).empty()) << "button " << id;
        EXPECT_EQ(window_text(button), window_text(caption)) << "button " << id;
    }
}

}  // namespace
}  // namespace quivra::testing
