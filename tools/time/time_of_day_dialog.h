// The time-of-day calculator: conversion, span and offset of clock times.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK time_of_day_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
