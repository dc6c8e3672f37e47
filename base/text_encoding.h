// Text files an editor saved as UTF-8 or UTF-16, brought to Shift-JIS.
#pragma once

#include <string>
#include <string_view>

namespace quivra {

// Encodes UTF-16 as Shift-JIS; the code page belongs to the platform.
using ShiftJisEncoder = std::string (*)(std::u16string_view);

// A text file's bytes as Shift-JIS. A UTF-8 or UTF-16 byte-order mark
// says how to decode the rest; bytes without one are Shift-JIS already
// and come back as they are, without a copy.
std::string as_shift_jis(std::string file_bytes, ShiftJisEncoder encode);

}  // namespace quivra
