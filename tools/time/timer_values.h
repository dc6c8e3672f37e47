// The timer's alarm path and message within the byte limits of tarv.ini.
#pragma once

#include <string_view>

namespace quivra {

enum class TimerText { alarm_path, message };

// Why text typed, pasted or set into one of the timer's fields cannot be
// kept, or empty when it can. `representable` is false when the text had
// characters that CP932 lacks, so `cp932` is not what the field shows.
std::string_view timer_text_refusal(TimerText field, std::string_view cp932, bool representable);

// Why a path chosen with the file dialog cannot become the alarm, or
// empty when it can. Cutting it would name another file.
std::string_view alarm_path_refusal(std::string_view cp932_path, bool representable);

}  // namespace quivra
