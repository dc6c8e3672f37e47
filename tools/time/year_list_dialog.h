// A window of one year's lines: a year field with its arrows, opened on this year, and a list that follows it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "base/win/frame.h"

namespace quivra {

// Where a year list's controls are and what it shows.
struct YearList {
    int year_field, year_arrows, list;
    int first_year, last_year;
    std::span<const int> tab_stops;
    std::vector<std::string> (*lines)(int year);
};

class YearListWindow : public ToolWindow {
public:
    YearListWindow(HWND window, const YearList& list) : ToolWindow(window), list_(list) {}

protected:
    // After the list has changed to `year`.
    virtual void show_more(int) {}

private:
    void open() override;
    bool command(WPARAM id) override;
    void show_year();

    const YearList& list_;
};

}  // namespace quivra
