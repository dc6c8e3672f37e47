/* 忘れないで: template 38, its list of alarms; the alarm editor, template 40; the ring, template 41. */
#pragma once

#define IDD_ALARMS 38
#define IDI_ALARMS 2021 /* in its window and on its launcher button */
#define IDC_ALARM_LIST 3801
#define IDC_ALARM_RINGS 3802
#define IDC_ALARM_ADD 3811
#define IDC_ALARM_CHANGE 3812
#define IDC_ALARM_REMOVE 3813
#define IDC_ALARM_TRAY 3814
#define IDC_ALARM_STARTUP 3815
#define IDC_ALARM_SWITCH 3816

#define IDD_ALARM_EDITOR 40
#define IDC_ALARM_NAME 4001
#define IDC_ALARM_TIME 4002
#define IDC_ALARM_REPEAT 4003
#define IDC_ALARM_DATE 4004
#define IDC_ALARM_SOUND 4005
#define IDC_ALARM_BROWSE 4006
#define IDC_ALARM_TRY 4007
#define IDC_ALARM_MESSAGE 4008
#define IDC_ALARM_SUNDAY 4011 /* 4011 to 4017: 日 to 土 */
#define IDC_ALARM_SATURDAY 4017

#define IDD_ALARM_RING 41
#define IDC_RING_TITLE 4101
#define IDC_RING_MESSAGE 4102
#define IDC_RING_STOP 4111
#define IDC_RING_SNOOZE 4112
#define IDT_RING_SOUND 4191 /* plays the sound again while it rings */
