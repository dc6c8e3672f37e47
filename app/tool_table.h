// The tools the launcher opens, one row each.
#pragma once

#include "app/frame.h"

namespace quivra {

// The tool a launcher command opens, or nullptr where there is none yet.
const Tool* tool_for_command(int command);

}  // namespace quivra
