// Copying results to the clipboard, for every tool alike.
#include "base/win/copying.h"

#include <windowsx.h>

#include <cwchar>
#include <string>

#include "base/win/text.h"

namespace quivra {
namespace {

constexpr wchar_t control_c = 3;  // what Ctrl+C turns into once translated
constexpr UINT copy_command = 1;

bool is_class(HWND window, const wchar_t* name) {
    wchar_t found[16]{};
    GetClassNameW(window, found, 16);
    return _wcsicmp(found, name) == 0;
}

std::wstring list_line(HWND list, LRESULT row) {
    std::wstring line(std::size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(row), 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(line.data()));
    return line;
}

// Where a menu opened from the keyboard appears: the list's top left.
POINT menu_point(HWND list, LPARAM screen_point) {
    if (screen_point != -1) return {GET_X_LPARAM(screen_point), GET_Y_LPARAM(screen_point)};
    POINT corner{0, 0};
    ClientToScreen(list, &corner);
    return corner;
}

bool put_on_clipboard(HWND owner, std::wstring_view text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory) return false;
    auto* bytes = static_cast<wchar_t*>(GlobalLock(memory));
    text.copy(bytes, text.size());
    bytes[text.size()] = L'\0';
    GlobalUnlock(memory);
    bool done = false;
    if (OpenClipboard(owner)) {
        done = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    // The clipboard owns the memory only once it has taken it.
    if (!done) GlobalFree(memory);
    return done;
}

}  // namespace

bool copy_text(HWND owner, std::string_view cp932) { return put_on_clipboard(owner, widen(cp932)); }

bool copy_item_texts(HWND dialog, std::initializer_list<int> ids) {
    std::string lines;
    for (int id : ids) {
        std::string text = item_text(dialog, id);
        if (text.empty()) continue;
        if (!lines.empty()) lines += "\r\n";
        lines += text;
    }
    return !lines.empty() && copy_text(dialog, lines);
}

bool copy_list_box(HWND list) {
    LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) return put_on_clipboard(list, list_line(list, selected));
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count <= 0) return false;
    std::wstring lines;
    for (LRESULT row = 0; row < count; ++row) {
        if (row) lines += L"\r\n";
        lines += list_line(list, row);
    }
    return put_on_clipboard(list, lines);
}

bool take_copy_keystroke(const MSG& message) {
    if (message.message != WM_CHAR || message.wParam != control_c) return false;
    if (is_class(message.hwnd, L"ListBox")) {
        copy_list_box(message.hwnd);
        return true;
    }
    if (is_class(message.hwnd, L"Edit")) return false;
    HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (!window) return false;
    SendMessageW(window, WM_COPY, 0, 0);
    return true;
}

bool offer_copy_menu(HWND dialog, WPARAM target, LPARAM screen_point) {
    HWND list = reinterpret_cast<HWND>(target);
    if (GetParent(list) != dialog || !is_class(list, L"ListBox")) return false;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, copy_command, widen("コピー(&C)").c_str());
    POINT at = menu_point(list, screen_point);
    UINT chosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, dialog,
                                      nullptr));
    DestroyMenu(menu);
    if (chosen == copy_command) copy_list_box(list);
    return true;
}

}  // namespace quivra
