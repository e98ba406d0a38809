#pragma once
// The month layout of the perpetual-calendar window, without Qt: month
// lengths, the clamped date of a year/month change, and where each of the 37
// grid cells stands.
#include <chrono>

#include "calendar/DateCn.h"

namespace jx {

inline constexpr int kGridCells = 37;  // five rows of seven and cells 36, 37 of a sixth

// Days in the month, 29 for February of a leap year; 0 for a month outside 1–12.
int MonthLength(int year, int month);
int MonthLengthOf(const Date& date);
// The date of that year and month with the day cut down to the month's length
// (and raised to 1 when below).
Date ClampedDate(int year, int month, int day);
// 1 = Sunday … 7 = Saturday.
int WeekdayOf(const Date& date);
// The cell (1–37) of day `day` in the month of `date`.
int CellOfDay(const Date& date, int day);

struct CellPlace {
    int left;
    int top;
};

// Where the label of cell 1–37 stands, given where the template of its kind
// (day number or lunar text) stands: columns 42 pixels apart, rows 32.
constexpr CellPlace CellPosition(int cell, CellPlace first) {
    const int index = cell - 1;  // [0, 36]
    return {first.left + (index % 7) * 42, first.top + (index / 7) * 32};
}

}  // namespace jx
