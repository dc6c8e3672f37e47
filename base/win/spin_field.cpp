// Number fields with up-down controls set up one way.
#include "base/win/spin_field.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace quivra {

void set_up_spin_field(HWND dialog, int field, int updown, std::int32_t low, std::int32_t high) {
    SendDlgItemMessageW(dialog, updown, UDM_SETRANGE32, WPARAM(low), LPARAM(high));
    std::size_t widest = std::max(std::to_string(low).size(), std::to_string(high).size());
    SendDlgItemMessageW(dialog, field, EM_LIMITTEXT, widest, 0);
}

}  // namespace quivra
