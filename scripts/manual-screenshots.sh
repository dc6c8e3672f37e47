#!/usr/bin/env bash
# Takes every picture of the manual (doc/manual/*.png) anew, each tool after
# its main buttons have been pressed on the values it opens with.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
pictures=$root/doc/manual
mkdir -p "$pictures"

# What a user who has used the program a while keeps, so the pictures show
# an alarm, a timer message, today's tax rate and the company's days rather than empty defaults.
settings=$(mktemp)
trap 'rm -f "$settings"' EXIT
printf 'alarm=C:\\Windows\\Media\\Alarm01.wav\ntmsg_sw=1\ntmsg=お茶の時間です\ntax_ritu=10\nbirth_date=19900510\noffice00=off,0813,0816,お盆休み\noffice01=work,20270327,20270327,棚卸し\nalarm00=1\t0900\t3\t0000000\t20261209\t朝会\t\t\nalarm01=1\t1730\t4\t0101010\t20261209\t退勤\t\t\n' | iconv -f UTF-8 -t CP932 >"$settings"
export QUIVRA_SETTINGS=$settings

# The number behind a name of the ids headers, so the list reads as the code does.
id() {
    local value
    value=$(sed -n "s/^#define $1 \([0-9]*\).*/\1/p" "$root"/res/launcher_ids.h "$root"/res/dialogs/*.h)
    [ -n "$value" ] || { echo "No id $1" >&2; exit 1; }
    echo "$value"
}
list_convert() { echo $(($(id "$1") + $(id IDC_LIST_CONVERT))); }

# A tool's picture: its name, the launcher button that opens it, the buttons to press.
tool() {
    local name=$1 command=$2
    shift 2
    "$root/scripts/screenshot.sh" "$(id "$command")" "$pictures/$name.png" "$@"
}

"$root/scripts/screenshot.sh" launcher "$pictures/launcher.png"
"$root/scripts/screenshot.sh" about "$pictures/about.png"
tool date_calculator IDC_OPEN_DATE_CALCULATOR "$(id IDC_DAYS_BETWEEN)" "$(id IDC_DATE_AFTER)"
tool holiday_list IDC_OPEN_DATE_CALCULATOR "$(id IDM_HOLIDAY_LIST)"
tool office_calendar IDC_OPEN_DATE_CALCULATOR "$(id IDM_OFFICE_CALENDAR)"
# 1時間30分 + 45分 =
tool time_calculator IDC_OPEN_TIME_CALCULATOR "$(id IDC_CALC_DIGIT_1)" "$(id IDC_CALC_HOURS)" \
    "$(id IDC_CALC_DIGIT_3)" "$(id IDC_CALC_DIGIT_0)" "$(id IDC_CALC_MINUTES)" "$(id IDC_CALC_PLUS)" \
    "$(id IDC_CALC_DIGIT_4)" "$(id IDC_CALC_DIGIT_5)" "$(id IDC_CALC_MINUTES)" "$(id IDC_CALC_EQUALS)"
tool timer IDC_OPEN_TIMER "$(id IDC_MINUTES_LATER)"
tool stopwatch IDC_OPEN_STOPWATCH "$(id IDC_STOPWATCH_BUTTON)"
tool time_of_day IDC_OPEN_TIME_OF_DAY "$(id IDC_TOD_CONVERT)" "$(id IDC_TOD_SPAN)" "$(id IDC_TOD_OFFSET)"
tool world_clock IDC_OPEN_WORLD_CLOCK "$(id IDC_WORLD_REPORT)"
tool length IDC_OPEN_LENGTH "$(list_convert LENGTH_CONVERTER_BASE)"
tool weight IDC_OPEN_WEIGHT "$(list_convert WEIGHT_CONVERTER_BASE)"
tool area IDC_OPEN_AREA "$(list_convert AREA_CONVERTER_BASE)"
tool volume IDC_OPEN_VOLUME "$(list_convert VOLUME_CONVERTER_BASE)"
tool temperature IDC_OPEN_TEMPERATURE "$(id IDC_TEMPERATURE_CONVERT)"
tool speed IDC_OPEN_SPEED "$(list_convert SPEED_CONVERTER_BASE)"
tool fuel IDC_OPEN_FUEL "$(list_convert FUEL_CONVERTER_BASE)"
tool data IDC_OPEN_DATA "$(list_convert DATA_CONVERTER_BASE)"
tool energy IDC_OPEN_ENERGY "$(list_convert ENERGY_CONVERTER_BASE)"
tool pressure IDC_OPEN_PRESSURE "$(list_convert PRESSURE_CONVERTER_BASE)"
tool power IDC_OPEN_POWER "$(list_convert POWER_CONVERTER_BASE)"
tool alarms IDC_OPEN_ALARMS
tool age IDC_OPEN_AGE "$(id IDC_AGE_CALCULATE)"
tool age_table IDC_OPEN_AGE "$(id IDM_AGE_TABLE)"
tool consumption_tax IDC_OPEN_TAX "$(id IDC_TAX_CALCULATE)"
tool currency IDC_OPEN_CURRENCY "$(id IDC_CURRENCY_CONVERT)"
tool rate_editor IDC_OPEN_CURRENCY "$(id IDM_RATE_EDITOR)"
tool drive_report IDC_OPEN_DRIVES "$(id IDC_DRIVE_EXAMINE)"
tool game IDC_OPEN_GAME "$(id IDC_GAME_START)"
