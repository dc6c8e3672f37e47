// Quivra among the programs Windows starts at sign-in: the Run value of the current user.
#pragma once

namespace quivra {

// Whether the value `Quivra` under HKCU\Software\Microsoft\Windows\CurrentVersion\Run is there.
bool starts_with_windows();
// Writes it as "<this program>" /tray, or removes it.
void start_with_windows(bool on);

}  // namespace quivra
