// The time-of-day calculator: conversion, span and offset of clock times.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_time_of_day_window(HWND window);

}  // namespace quivra
