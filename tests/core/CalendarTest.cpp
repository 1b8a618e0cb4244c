#include "model/Calendar.h"

#include <gtest/gtest.h>

TEST(Calendar, OnlyDaysOfTheGregorianCalendarAreDates) {
    const struct {
        int day, month, year;
        bool exists;
    } cases[] = {{31, 1, 2025, true},  {0, 1, 2025, false},  {32, 1, 2025, false}, {30, 4, 2025, true},
                 {31, 4, 2025, false}, {31, 2, 2025, false}, {29, 2, 2025, false}, {29, 2, 2024, true},
                 {29, 2, 1900, false}, {29, 2, 2000, true},  {1, 0, 2025, false},  {1, 13, 2025, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(isCalendarDate(c.day, c.month, c.year), c.exists) << c.day << "." << c.month << "." << c.year;
    }
}
