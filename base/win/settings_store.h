// The settings of this run and their file beside the program.
#pragma once

#include <string>
#include <string_view>

#include "base/settings.h"

namespace quivra {

extern Settings settings;

// Ends in a backslash.
std::wstring program_directory();

// Reads tarv.ini; true if the file could be opened. Positions are checked
// against the primary screen and missing rates filled either way.
bool load_settings();

// Rewrites tarv.ini. Failure is silent and leaves the old file whole.
void save_settings();

// Replaces a file's contents all at once: the old file stays intact
// unless the new one was written completely.
bool replace_file(const std::wstring& path, std::string_view bytes);

}  // namespace quivra
