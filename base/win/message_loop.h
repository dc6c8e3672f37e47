// The one message loop that every window shares.
#pragma once

#include <windows.h>

namespace quivra {

// Every window is a modeless dialog of one loop: a message goes through
// the dialog manager of the dialog it is for, so Tab, Enter and mnemonics
// work in each.
void dispatch(MSG& message);

}  // namespace quivra
