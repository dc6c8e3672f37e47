// Where a window goes to sit in the middle of the screen.
#pragma once

#include "base/settings.h"

namespace quivra {

// Each half is taken on its own, truncated, before the subtraction.
constexpr Position centred_position(int width, int height, int screen_width, int screen_height) {
    return {screen_width / 2 - width / 2, screen_height / 2 - height / 2};
}

}  // namespace quivra
