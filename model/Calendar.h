#pragma once
// The calendar the tournament's date is checked against: the Gregorian one, also for years
// before it was taken into use.

// Whether day `day` of month `month` (1 to 12) in year `year` is in the calendar:
// 29 February only in a leap year (every fourth year, but of the centuries only those a
// multiple of 400).
bool isCalendarDate(int day, int month, int year);
