// What must hold for any bytes read as tarv.ini: checked by the fuzzer,
// and on its corpus by the ordinary tests.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "base/settings.h"
#include "base/text_encoding.h"

namespace quivra::fuzzing {

// Stands in for the code page: ASCII stays, anything else becomes one
// double-byte character, so cuts between characters get exercised.
inline std::string stand_in_shift_jis(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        if (c < 0x80) out += char(c);
        else out += "\x81\x48";
    }
    return out;
}

inline Settings read_file_bytes(std::string_view bytes) {
    Settings settings;
    read_settings(settings, as_shift_jis(std::string(bytes), stand_in_shift_jis));
    return settings;
}

// Empty when reading, writing and reading again agree and the written
// file is clean; otherwise what went wrong.
inline std::string round_trip_fault(std::string_view bytes) {
    Settings once = read_file_bytes(bytes);
    std::string file = settings_file_text(once);
    if (!(read_file_bytes(file) == once)) return "writing and reading again changed a value";
    if (file.find('\0') != std::string::npos) return "the written file holds a NUL";
    if (file.find('\x1a') != std::string::npos) return "the written file holds a Ctrl-Z";
    if (!file.ends_with("\r\n")) return "the written file does not end in CR LF";
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n' && (i == 0 || file[i - 1] != '\r')) return "a line feed without CR";
        if (file[i] == '\r' && (i + 1 == file.size() || file[i + 1] != '\n')) return "a CR without line feed";
    }
    return {};
}

// Empty when reading stays within a generous time per byte, which a
// reader slower than linear overruns on long inputs.
inline std::string reading_time_fault(std::string_view bytes) {
    std::clock_t start = std::clock();
    read_file_bytes(bytes);
    double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    if (seconds <= 0.25 + 4e-6 * double(bytes.size())) return {};
    return "reading " + std::to_string(bytes.size()) + " bytes took " + std::to_string(seconds) + " s";
}

}  // namespace quivra::fuzzing
