// The cities and the arithmetic of the world clock's report.
#include "tools/time/world_clock.h"

#include <cstdio>

namespace quivra {

const std::array<City, city_count> cities{{
    {"東京(日本)", 0},
    {"ソウル(韓国)", 0},
    {"ウランバートル(モンゴル)", -1},
    {"ペキン(中国)", -1},
    {"タイペイ(台湾)", -1},
    {"ホンコン(中国)", -1},
    {"マニラ(フィリピン)", -1},
    {"ハノイ(ベトナム)", -2},
    {"バンコク(タイ)", -2},
    {"ジャカルタ(インドネシア)", -2},
    {"シンガポール(シンガポール)", -1},
    {"シドニー(オーストラリア)", 1},
    {"ウェリントン(ニュージーランド)", 3},
    {"モスクワ(ロシア)", -6},
    {"リヤド(サウジアラビア)", -6},
    {"イスタンブール(トルコ)", -6},
    {"アテネ(ギリシァ)", -7},
    {"ストックホルム(スゥエーデン)", -8},
    {"ローマ(イタリア)", -8},
    {"ウィーン(オーストリア)", -8},
    {"ベルリン(ドイツ)", -8},
    {"パリ(フランス)", -8},
    {"マドリード(スペイン)", -8},
    {"ロンドン(イギリス)", -9},
    {"ニューヨーク(アメリカ)", -14},
    {"オタワ(カナダ)", -14},
    {"サンフランシスコ(アメリカ)", -17},
    {"アンカレジ(アメリカ)", -18},
    {"メキシコシティ(メキシコ)", -15},
    {"ブラジリア(ブラジル)", -12},
    {"ブエノスアイレス(アルゼンチン)", -12},
    {"リマ(ペルー)", -14},
    {"ホノルル(アメリカ)", -19},
    {"カイロ(エジプト)", -7},
    {"ナイロビ(ケニア)", -6},
    {"プレトリア(南アフリカ共和国)", -7},
    {"ラバト(モロッコ)", -8},
    {"アクラ(ガーナ)", -9},
}};

std::size_t city_row(std::int64_t stored) {
    return stored >= 0 && std::uint64_t(stored) < city_count ? std::size_t(stored) : 0;
}

std::vector<std::string> world_times(std::int64_t chosen, int hour, int minute, bool summer_time) {
    const City& here = cities[city_row(chosen)];
    std::vector<std::string> lines;
    lines.reserve(city_count);
    for (const City& city : cities) {
        int n = city.hours_from_japan - here.hours_from_japan + hour + (summer_time ? 1 : 0);
        const char* marker = "";
        // Exactly 24 is midnight at the end of the same day: no marker.
        if (n < 0) {
            n += 24;
            marker = "前日";
        } else if (n > 24) {
            n -= 24;
            marker = "翌日";
        }
        char line[80];  // a 30-byte name, its tab, the time and a marker
        std::snprintf(line, sizeof line, "%-30s\t%2d時%2d分 %s", city.name, n, minute, marker);
        lines.emplace_back(line);
    }
    return lines;
}

}  // namespace quivra
