// A tarv.ini value of several fields: tab-separated, the last one the rest of the line.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quivra {

// The value's `count` fields, up to where a line of the file would end; empty with fewer tabs.
template <std::size_t count>
std::optional<std::array<std::string_view, count>> tab_fields(std::string_view text) {
    text = text.substr(0, text.find_first_of(std::string_view("\0\r\n\x1a", 4)));
    std::array<std::string_view, count> fields;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t tab = i + 1 < count ? text.find('\t') : text.size();
        if (tab == std::string_view::npos) return std::nullopt;
        fields[i] = text.substr(0, tab);
        text.remove_prefix(std::min(text.size(), tab + 1));
    }
    return fields;
}

// A field as written back: a tab would end it early, so it becomes a space.
inline std::string untabbed(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

}  // namespace quivra
