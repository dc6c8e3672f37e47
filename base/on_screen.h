// Where a window goes so that all of it can be seen on its monitor.
#pragma once

#include <algorithm>

#include "base/settings.h"

namespace quivra {

// A rectangle in screen pixels; right and bottom lie just outside it.
struct ScreenBox {
    int left, top, right, bottom;
};

// The top-left corner that puts `window` wholly inside `work_area`, moving
// it as little as it can. One larger than the area keeps its top-left
// corner, and so its caption, inside it.
constexpr Position onto_work_area(const ScreenBox& window, const ScreenBox& work_area) {
    auto along = [](int start, int length, int area_start, int area_end) {
        return std::max(area_start, std::min(start, area_end - length));
    };
    return {along(window.left, window.right - window.left, work_area.left, work_area.right),
            along(window.top, window.bottom - window.top, work_area.top, work_area.bottom)};
}

}  // namespace quivra
