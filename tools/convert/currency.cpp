// Currency conversion in whole hundredths of a yen, exact to the sen.
#include "tools/convert/currency.h"

#include <cstdio>

namespace quivra {

const std::array<const char*, 16> currency_names = {
    "日本円",         "アメリカドル",     "ユーロ",           "イギリスポンド",
    "スイスフラン",   "カナダドル",       "オーストラリアドル", "ニュージーランドドル",
    "インドルピー",   "シンガポールドル", "タイバーツ",       "フィリピンペソ",
    "香港ドル",       "台湾ドル",         "韓国１００ウォン", "中国元"};

namespace {

// A billion or more would not fit the nine-digit column.
constexpr std::uint64_t first_unshown_whole = 1'000'000'000;

std::string dash_line(const char* name) {
    char line[64];
    std::snprintf(line, sizeof line, "%-16s\t    -----", name);
    return line;
}

// rate_from × amount × 100 ÷ rate_to, truncated, without ever forming
// that product: rates from a hand-edited file may fill 31 bits, and then
// it would not fit 64. Splitting off the whole part first gives the same
// hundredths exactly.
std::string amount_line(const char* name, std::uint64_t rate_from, std::uint64_t amount,
                        std::uint64_t rate_to) {
    const std::uint64_t in_hundredths_of_yen = rate_from * amount;
    const std::uint64_t whole = in_hundredths_of_yen / rate_to;
    if (whole >= first_unshown_whole) return dash_line(name);
    const std::uint64_t hundredths = in_hundredths_of_yen % rate_to * 100 / rate_to;
    char line[64];
    std::snprintf(line, sizeof line, "%-16s\t%9d.%02d", name, int(whole), int(hundredths));
    return line;
}

}  // namespace

std::vector<std::string> convert_to_every_currency(std::span<const std::int32_t> rates,
                                                   std::uint32_t amount, std::size_t from_row) {
    if (from_row >= currency_names.size() || rates.size() < currency_names.size()) return {};
    std::vector<std::string> lines;
    lines.reserve(currency_names.size());
    // A rate of 0 is no rate; a negative one can only come from a
    // hand-edited file and means nothing either.
    const std::int32_t rate_from = rates[from_row];
    for (std::size_t row = 0; row < currency_names.size(); ++row) {
        const std::int32_t rate_to = rates[row];
        if (rate_from <= 0 || rate_to <= 0)
            lines.push_back(dash_line(currency_names[row]));
        else
            lines.push_back(amount_line(currency_names[row], std::uint64_t(rate_from), amount,
                                        std::uint64_t(rate_to)));
    }
    return lines;
}

}  // namespace quivra
