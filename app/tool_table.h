// The tools the launcher opens, one row each.
#pragma once

#include "base/win/frame.h"

namespace quivra {

// The tool a launcher command opens, or nullptr where there is none.
const Tool* tool_for_command(int command);

}  // namespace quivra
