// A price split into price and consumption tax, with the tax included or added.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK consumption_tax_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
