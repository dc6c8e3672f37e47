// The settings of this run and their file, beside the program or in the user's folder.
#pragma once

#include <string>
#include <string_view>

#include "base/settings.h"

namespace quivra {

std::wstring program_path();
// Ends in a backslash.
std::wstring program_directory();

// Reads tarv.ini, saved as Shift-JIS, UTF-8 or UTF-16, into fresh
// settings; true if it was read. Where a new file cannot be made beside the program, the file is
// %APPDATA%\Quivra\tarv.ini. Positions are checked against the primary screen and missing
// rates filled either way.
bool load_settings(Settings& settings);

// Rewrites tarv.ini as Shift-JIS. Only a file that was read at start or
// did not exist is replaced: one that existed but could not be read, or
// is read-only, is left as it is. Failure is silent.
void save_settings(const Settings& settings);

// Replaces a file's contents all at once: the old file stays intact
// unless the new one was written completely. A read-only file is kept.
bool replace_file(const std::wstring& path, std::string_view bytes);

}  // namespace quivra
