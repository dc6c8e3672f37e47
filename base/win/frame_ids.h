/* What the tool frame gives every window: shared by the resource scripts
   and the code, so it is written for the resource compiler too. */
#pragma once

#define IDM_EXIT 60 /* 終了(&X), in every window's menu */
/* 常に手前に表示(&T) in every window's system menu: a system command, so
   below 0xF000 with its low four bits clear. */
#define IDM_TOPMOST 0x0100
