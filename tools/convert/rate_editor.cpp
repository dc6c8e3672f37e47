// Splitting a rate into the editor's two fields and joining it again.
#include "tools/convert/rate_editor.h"

#include <algorithm>

namespace quivra {

RateFields rate_fields(std::int32_t rate) {
    if (rate < 0) return {};
    return {rate / 100, rate % 100};
}

std::int32_t rate_of(RateFields fields) {
    const std::int64_t rate = std::int64_t{fields.yen} * 100 + fields.sen;
    return std::int32_t(std::min<std::int64_t>(rate, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace quivra
