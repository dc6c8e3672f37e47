// Drop-down lists filled in CP932 through the wide functions.
#include "base/win/drop_down.h"

#include "base/stored_row.h"
#include "base/win/text.h"

namespace quivra {

void fill_drop_down(HWND dialog, int id, std::size_t rows,
                    const std::function<std::string_view(std::size_t)>& name_of, std::int64_t stored) {
    for (std::size_t row = 0; row < rows; ++row)
        SendDlgItemMessageW(dialog, id, CB_INSERTSTRING, row, reinterpret_cast<LPARAM>(widen(name_of(row)).c_str()));
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, stored_row(stored, rows), 0);
}

}  // namespace quivra
