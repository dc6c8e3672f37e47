// A drop-down list filled from a table and opened on its stored row.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace quivra {

// One row per `name_of(row)`, the stored row selected, or the first when it names none.
void fill_drop_down(HWND dialog, int id, std::size_t rows,
                    const std::function<std::string_view(std::size_t)>& name_of, std::int64_t stored);

}  // namespace quivra
