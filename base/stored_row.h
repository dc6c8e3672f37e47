// A row named by tarv.ini or by a list's selection, which may name none.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quivra {

// The stored row itself, or the first row when it lies outside the `rows`.
constexpr std::size_t stored_row(std::int64_t stored, std::size_t rows) {
    return stored >= 0 && std::uint64_t(stored) < rows ? std::size_t(stored) : 0;
}

}  // namespace quivra
