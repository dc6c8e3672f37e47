// The timer's alarm path and message within the byte limits of tarv.ini.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quivra {

// The longest start of `cp932` that fits `max_bytes` whole characters.
std::string cut_to_bytes(std::string_view cp932, std::size_t max_bytes);

// Why a path chosen with the file dialog cannot become the alarm, or
// empty when it can. `representable` is false when the chosen name had
// characters that CP932 lacks, so `cp932_path` names another file.
std::string_view alarm_path_refusal(std::string_view cp932_path, bool representable);

}  // namespace quivra
