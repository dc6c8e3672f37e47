// The tools the launcher opens, one row each.
#pragma once

#include <span>

#include "base/win/frame.h"

namespace quivra {

// One row for each launcher button, in no order the launcher relies on.
std::span<const Tool> launcher_tools();

// The tool a launcher command opens, or nullptr where there is none.
const Tool* tool_for_command(int command);

}  // namespace quivra
