#include "model/Calendar.h"

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int month, int year) {
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : Days[month - 1];
}

}  // namespace

bool isCalendarDate(int day, int month, int year) {
    if (month < 1 || month > 12) return false;
    return day >= 1 && day <= daysInMonth(month, year);
}
