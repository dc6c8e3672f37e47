// Shift-JIS text measured in bytes: where characters begin and end.
#pragma once

#include <cstddef>
#include <string_view>

namespace quivra {

// The first byte of a two-byte character.
constexpr bool is_lead_byte(char c) {
    auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes taken by the character that starts at `c`.
constexpr std::size_t character_bytes(char c) { return is_lead_byte(c) ? 2 : 1; }

// The longest start of `text` that fits `max_bytes` whole characters.
constexpr std::string_view cut_to_whole_characters(std::string_view text, std::size_t max_bytes) {
    if (text.size() <= max_bytes) return text;
    std::size_t end = 0;
    while (end + character_bytes(text[end]) <= max_bytes) end += character_bytes(text[end]);
    return text.substr(0, end);
}

}  // namespace quivra
