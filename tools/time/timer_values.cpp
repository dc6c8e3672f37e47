// The timer's values cut or refused at their byte limits.
#include "tools/time/timer_values.h"

#include <algorithm>

#include "base/settings.h"

namespace quivra {

namespace {

bool is_lead_byte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::string cut_to_bytes(std::string_view cp932, std::size_t max_bytes) {
    std::size_t end = 0;
    while (end < cp932.size()) {
        std::size_t width = is_lead_byte(static_cast<unsigned char>(cp932[end])) ? 2 : 1;
        if (end + width > max_bytes) break;
        end += width;
    }
    return std::string(cp932.substr(0, std::min(end, cp932.size())));
}

// Cutting a chosen path would name another file, so it is refused instead.
std::string_view alarm_path_refusal(std::string_view cp932_path, bool representable) {
    if (!representable)
        return "選択されたファイルの名前には使えない文字が含まれています。別のファイルを選んで下さい。";
    if (cp932_path.size() > alarm_max_bytes)
        return "選択されたファイルのパスが長すぎます。半角１２７文字以内のパスのファイルを選んで下さい。";
    return {};
}

}  // namespace quivra
