// A sound file's field with its 参照 button: what the timer, and any tool that rings, asks a sound with.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/win/kept_text_field.h"

namespace quivra {

class SoundFileField {
public:
    SoundFileField(HWND window, int field);
    // Holds at most the bytes a kept path may have; shows `path`.
    void open(std::string_view path);
    // At each change of the field: why its text was refused, or empty.
    std::string_view check() { return kept_.check(); }
    // The file-open dialog for a WAVE file; a chosen path that could not be kept is refused with a word.
    void browse();
    std::string path() const;
    // A file, or no path at all, which plays the system's sound; not a folder or a pattern.
    bool can_sound() const;

private:
    const HWND window_;
    const int field_;
    KeptTextField kept_;
};

}  // namespace quivra
