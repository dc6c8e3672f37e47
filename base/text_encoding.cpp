// Decoding UTF-8 and UTF-16 files; malformed input never stops the reading.
#include "base/text_encoding.h"

namespace quivra {
namespace {

constexpr char16_t replacement = u'\uFFFD';

std::u16string from_utf16(std::string_view bytes, bool big_endian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    // An odd last byte is half a character and is dropped.
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        unsigned first = static_cast<unsigned char>(bytes[i]);
        unsigned second = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

// Number of continuation bytes a lead byte announces, or -1 if none can follow it.
int continuation_bytes(unsigned char lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}

// Each malformed sequence becomes one U+FFFD, so the text after it stays.
std::u16string from_utf8(std::string_view bytes) {
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        int expected = continuation_bytes(lead);
        char32_t c = expected <= 0 ? lead : lead & (0x3F >> expected);
        int taken = 0;
        while (taken < expected && i + 1 + taken < bytes.size()) {
            auto next = static_cast<unsigned char>(bytes[i + 1 + taken]);
            if ((next & 0xC0) != 0x80) break;
            c = c << 6 | (next & 0x3F);
            ++taken;
        }
        i += 1 + taken;
        bool whole = expected >= 0 && taken == expected && c >= smallest[expected] &&
                     c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (!whole) {
            text += replacement;
        } else if (c < 0x10000) {
            text += static_cast<char16_t>(c);
        } else {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return text;
}

}  // namespace

std::string as_shift_jis(std::string file_bytes, ShiftJisEncoder encode) {
    std::string_view bytes = file_bytes;
    if (bytes.starts_with("\xEF\xBB\xBF")) return encode(from_utf8(bytes.substr(3)));
    if (bytes.starts_with("\xFF\xFE")) return encode(from_utf16(bytes.substr(2), false));
    if (bytes.starts_with("\xFE\xFF")) return encode(from_utf16(bytes.substr(2), true));
    return file_bytes;
}

}  // namespace quivra
