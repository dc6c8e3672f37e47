// The unit tables: names, abbreviations and each unit's legal definition.
#include "tools/convert/unit_tables.h"

namespace quivra {
namespace {

constexpr Ratio inch = decimal("0.0254"), pound = decimal("453.59237"), mile = decimal("1609.344");
// The shaku of 1891: 10/33 m. Japan's volumes count from the shō, 2401/1331 litres.
constexpr Ratio shaku{10, 33}, tsubo{400, 121}, sho{2401, 1331};
constexpr Ratio us_gallon = decimal("3.785411784"), imperial_gallon = decimal("4.54609");
constexpr Ratio standard_gravity = decimal("9.80665");

constexpr Unit length_rows[] = {
    {"ミリメートル", "mm", decimal("0.001")},
    {"センチメートル", "cm", decimal("0.01")},
    {"メートル", "m", {1}},
    {"キロメートル", "km", {1000}},
    {"インチ", "in", inch},
    {"フィート", "ft", decimal("0.3048")},
    {"ヤード", "yd", decimal("0.9144")},
    {"チェーン", "chain", decimal("20.1168")},
    {"マイル", "mi", mile},
    {"海里（かいり）", "海里", {1852}},
    {"寸（すん）", "寸", {1, 33}},
    {"尺（しゃく）", "尺", shaku},
    {"間（けん）", "間", {20, 11}},
    {"町（ちょう）", "町", {1200, 11}},
    {"里（り）", "里", {43200, 11}},
};

constexpr Unit weight_rows[] = {
    {"グラム", "g", {1}},
    {"キログラム", "kg", {1000}},
    {"トン", "t", {1000000}},
    {"グレーン（通常）", "gr", decimal("0.06479891")},
    {"オンス（通常）", "oz", decimal("28.349523125")},
    {"ポンド（通常）", "lb", pound},
    {"トン（アメリカ）", "t", decimal("907184.74")},
    {"トン（イギリス）", "t", decimal("1016046.9088")},
    // These two names are written with ASCII punctuation.
    {"オンス(貴金属,薬剤)", "oz", decimal("31.1034768")},
    {"ポンド(貴金属,薬剤)", "lb", decimal("373.2417216")},
    {"カラット", "ct", decimal("0.2")},
    {"匁（もんめ）", "匁", decimal("3.75")},
    {"斤（きん）", "斤", {600}},
    {"貫（かん）", "貫", {3750}},
};

constexpr Unit area_rows[] = {
    {"平方センチメートル", "cm2", decimal("0.0001")},
    {"平方メートル", "m2", {1}},
    {"平方キロメートル", "km2", {1000000}},
    {"アール", "a", {100}},
    {"ヘクタール", "ha", {10000}},
    {"平方インチ", "in2", inch * inch},
    {"平方ヤード", "yd2", decimal("0.83612736")},
    {"平方チェーン", "ch2", decimal("404.68564224")},
    {"エーカー", "acre", decimal("4046.8564224")},
    {"平方マイル", "mi2", decimal("2589988.110336")},
    {"坪（つぼ）", "坪", tsubo},
    {"畝（せ）", "畝", {12000, 121}},
    {"反（たん）", "反", {120000, 121}},
    {"町（ちょう）", "町", {1200000, 121}},
};

constexpr Unit volume_rows[] = {
    {"立方センチメートル", "cm3", decimal("0.001")},
    {"立方メートル", "m3", {1000}},
    {"立方インチ", "in3", decimal("0.016387064")},
    {"立方フィート", "ft3", decimal("28.316846592")},
    {"立方ヤード", "yd3", decimal("764.554857984")},
    {"ミリリットル", "ml", decimal("0.001")},
    {"デシリットル", "dl", decimal("0.1")},
    {"リットル", "l", {1}},
    {"キロリットル", "kl", {1000}},
    {"パイント（イギリス）", "pt", decimal("0.56826125")},
    {"パイント（アメリカ）", "pt", decimal("0.473176473")},
    {"ガロン（イギリス）", "gal", imperial_gallon},
    {"ガロン（アメリカ）", "gal", us_gallon},
    {"ブッシェル(イギリス)", "bu", decimal("36.36872")},
    {"ブッシェル(アメリカ)", "bu", decimal("35.23907016688")},
    // No abbreviation: their lines end in the separating space.
    {"バレル（イギリス）", "", decimal("163.65924")},
    {"バレル（アメリカ）", "", decimal("119.240471196")},
    {"勺（しゃく）", "勺", sho / Ratio{100}},
    {"合（ごう）", "合", sho / Ratio{10}},
    {"升（しょう）", "升", sho},
    {"斗（と）", "斗", sho * Ratio{10}},
    {"才（さい）", "才", {1000000, 35937}},  // a cubic shaku: (10/33 m)³
    {"石（こく）", "石", sho * Ratio{100}},
    {"トン（船舶用）", "t", decimal("2831.6846592")},
    // At the end, so that a kept row keeps its unit: oil's 42 US gallons.
    {"バレル（石油）", "bbl", decimal("158.987294928")},
};

constexpr Unit speed_rows[] = {
    {"秒速メートル", "m/s", {3600}},
    {"分速メートル", "m/m", {60}},
    {"時速メートル", "m/h", {1}},
    {"秒速キロメートル", "km/s", {3600000}},
    {"分速キロメートル", "km/m", {60000}},
    {"時速キロメートル", "km/h", {1000}},
    {"秒速ヤード", "yd/s", decimal("3291.84")},
    {"分速ヤード", "yd/m", decimal("54.864")},
    {"時速ヤード", "yd/h", decimal("0.9144")},
    {"秒速マイル", "mi/s", mile * Ratio{3600}},
    {"分速マイル", "mi/m", mile * Ratio{60}},
    {"時速マイル", "mi/h", mile},
    {"ノット", "kt", {1852}},
    {"マッハ", "M", {1224000}},  // 340 m/s
};

constexpr Unit fuel_rows[] = {
    {"キロメートル毎リットル", "km/L", {1}},
    {"リットル毎100キロメートル", "L/100km", {100}, true},
    {"マイル毎ガロン（米）", "mpg（米）", mile / Ratio{1000} / us_gallon},
    {"マイル毎ガロン（英）", "mpg（英）", mile / Ratio{1000} / imperial_gallon},
};

constexpr unsigned __int128 power(unsigned __int128 base, int exponent) {
    return exponent == 0 ? 1 : base * power(base, exponent - 1);
}

constexpr Unit data_rows[] = {
    {"ビット", "bit", {1}},
    {"キロビット", "kbit", {power(10, 3)}},
    {"メガビット", "Mbit", {power(10, 6)}},
    {"ギガビット", "Gbit", {power(10, 9)}},
    {"バイト", "B", {8}},
    // Each says its base: a kilobyte in Windows' sense is what this table calls a kibibyte.
    {"キロバイト（1000 B）", "kB", {8 * power(10, 3)}},
    {"メガバイト（1000 kB）", "MB", {8 * power(10, 6)}},
    {"ギガバイト（1000 MB）", "GB", {8 * power(10, 9)}},
    {"テラバイト（1000 GB）", "TB", {8 * power(10, 12)}},
    {"ペタバイト（1000 TB）", "PB", {8 * power(10, 15)}},
    {"キビバイト（1024 B）", "KiB", {8 * power(2, 10)}},
    {"メビバイト（1024 KiB）", "MiB", {8 * power(2, 20)}},
    {"ギビバイト（1024 MiB）", "GiB", {8 * power(2, 30)}},
    {"テビバイト（1024 GiB）", "TiB", {8 * power(2, 40)}},
    {"ペビバイト（1024 TiB）", "PiB", {8 * power(2, 50)}},
};

constexpr Unit energy_rows[] = {
    {"ジュール", "J", {1}},
    {"キロジュール", "kJ", {1000}},
    {"メガジュール", "MJ", {1000000}},
    {"カロリー", "cal", decimal("4.184")},
    {"キロカロリー", "kcal", {4184}},
    {"ワット時", "Wh", {3600}},
    {"キロワット時", "kWh", {3600000}},
    {"英熱量", "BTU", decimal("1055.05585262")},
};

constexpr Unit pressure_rows[] = {
    {"パスカル", "Pa", {1}},
    {"ヘクトパスカル", "hPa", {100}},
    {"キロパスカル", "kPa", {1000}},
    {"メガパスカル", "MPa", {1000000}},
    {"バール", "bar", {100000}},
    {"ミリバール", "mbar", {100}},
    {"気圧", "atm", {101325}},
    {"水銀柱ミリメートル", "mmHg", {101325, 760}},
    {"重量キログラム毎平方センチメートル", "kgf/cm2", decimal("98066.5")},
    {"ポンド毎平方インチ", "psi", pound / Ratio{1000} * standard_gravity / (inch * inch)},
    {"水柱ミリメートル", "mmH2O", standard_gravity},
};

// Watts; the calorie and the BTU as the 熱量 table has them.
constexpr Unit power_rows[] = {
    {"ワット", "W", {1}},
    {"キロワット", "kW", {1000}},
    {"メガワット", "MW", {1000000}},
    {"仏馬力", "PS", decimal("735.49875")},
    {"英馬力", "HP", decimal("745.69987158227022")},  // 550 ft・lbf/s
    {"重量キログラムメートル毎秒", "kgf・m/s", standard_gravity},
    {"キロカロリー毎時", "kcal/h", Ratio{4184} / Ratio{3600}},
    {"BTU毎時", "BTU/h", decimal("1055.05585262") / Ratio{3600}},
};

}  // namespace

const UnitTable length_units{length_rows, 12};
const UnitTable weight_units{weight_rows, 16};
const UnitTable area_units{area_rows, 16};
const UnitTable volume_units{volume_rows, 16};
const UnitTable speed_units{speed_rows, 16};
const UnitTable fuel_units{fuel_rows, 25, true};
const UnitTable data_units{data_rows, 22, true};
const UnitTable energy_units{energy_rows, 12, true};
const UnitTable pressure_units{pressure_rows, 34, true};
const UnitTable power_units{power_rows, 26, true};

}  // namespace quivra
