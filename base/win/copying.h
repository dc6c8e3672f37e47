// Results that copy: Ctrl+C and a context menu on every list box, and
// Ctrl+C for a tool's own result line, as Unicode text.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace quivra {

// Puts the text on the clipboard as CF_UNICODETEXT; false if it could not.
bool copy_text(HWND owner, std::string_view cp932);

// A tool's result: the texts of these controls that are not empty, one a
// line; false, and the clipboard untouched, when all are empty.
bool copy_item_texts(HWND dialog, std::initializer_list<int> ids);

// The selected line, or every line when none is selected; tabs stay.
bool copy_list_box(HWND list);

// Ctrl+C as the message loop sees it: a list box copies its lines; a
// window's other controls but edit fields (which copy their selection)
// ask the window for its result with WM_COPY. True if it was taken.
bool take_copy_keystroke(const MSG& message);

// A dialog's WM_CONTEXTMENU: offers "コピー(&C)" on a list box. True if it did.
bool offer_copy_menu(HWND dialog, WPARAM target, LPARAM screen_point);

}  // namespace quivra
