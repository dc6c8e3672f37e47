// The timer's values refused at their byte limits, never cut.
#include "tools/time/timer_values.h"

#include "base/settings.h"

namespace quivra {

std::string_view timer_text_refusal(TimerText field, std::string_view cp932, bool representable) {
    if (!representable) return "Shift-JISにない文字は使えません。";
    if (field == TimerText::alarm_path && cp932.size() > alarm_path_max_bytes)
        return "ファイル名は半角127字（全角63字）まで";
    if (field == TimerText::message && cp932.size() > timer_message_max_bytes)
        return "メッセージは半角255字（全角127字）まで";
    return {};
}

std::string_view alarm_path_refusal(std::string_view cp932_path, bool representable) {
    if (!representable)
        return "選択されたファイルの名前には使えない文字が含まれています。別のファイルを選んで下さい。";
    if (cp932_path.size() > alarm_path_max_bytes)
        return "選択されたファイルのパスが長すぎます。半角１２７文字以内のパスのファイルを選んで下さい。";
    return {};
}

}  // namespace quivra
