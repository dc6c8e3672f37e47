// The rate editor's rows: each currency's rate as whole yen and sen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

namespace quivra {

// The yen is the reference at 1.00; the rows below it are edited.
inline constexpr std::size_t first_edited_row = 1;
inline constexpr std::size_t edited_rows = 15;

inline constexpr int yen_digits = 3;
inline constexpr int sen_digits = 2;
inline constexpr std::int32_t largest_sen = 99;
// Three digits are typed; a rate from a hand-edited file may show more,
// and storing must not cut it down.
inline constexpr std::int32_t largest_yen = std::numeric_limits<std::int32_t>::max() / 100;

inline constexpr char store_question[] = "終了する前に為替レートを登録してよろしいですか？";

struct RateFields {
    std::int32_t yen = 0;
    std::int32_t sen = 0;
    bool operator==(const RateFields&) const = default;
};

// 12105 shows as 121 and 5. A negative rate, which no row can have but a
// hand-edited file, shows as no rate.
RateFields rate_fields(std::int32_t rate);

// The rate the fields hold, in hundredths of a yen.
std::int32_t rate_of(RateFields fields);

}  // namespace quivra
