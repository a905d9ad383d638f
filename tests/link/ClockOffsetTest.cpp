// The device clock's offset from the PC's, from the settings record's time and date.

#include "link/ClockOffset.h"

#include "support/NamedRow.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kelvra::test {
namespace {

struct OffsetCase : NamedRow {
    const char* time;
    const char* date;
    CalendarTime pc; // year, month, day, weekday, hour, minute, second
    std::optional<long long> seconds;
};

const OffsetCase kOffsets[] = {
    {{"same moment"}, "12:30:05", "09.12.2026", {2026, 12, 9, 3, 12, 30, 5}, 0},
    {{"two-digit year"},
     "12:30:05",
     "09.12.26",
     {2026, 12, 9, 3, 12, 30, 5},
     0}, // the year as the clock is set
    {{"unpadded fields"}, "9:5:7", "8.12.2011", {2011, 12, 8, 4, 9, 5, 0}, 7},
    {{"device past new year"}, "00:00:00", "01.01.2027", {2026, 12, 31, 4, 23, 59, 59}, 1},
    {{"device before new year"}, "23:59:59", "31.12.2026", {2027, 1, 1, 5, 0, 0, 0}, -1},
    {{"leap day"}, "12:00:00", "29.02.2024", {2024, 3, 1, 5, 12, 0, 0}, -86400},
    {{"leap day of a 400th year"}, "12:00:00", "29.02.2000", {2000, 3, 1, 3, 12, 0, 0}, -86400},
    {{"hours ahead"}, "12:30:05", "09.12.2026", {2026, 12, 9, 3, 9, 0, 4}, 12601},
    {{"empty"}, "", "", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"no seconds"}, "12:30", "09.12.2026", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"no 29 February"}, "12:30:05", "29.02.2026", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"hour 24"}, "24:00:00", "09.12.2026", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"seconds not a number"}, "12:30:5x", "09.12.2026", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"three-digit year"}, "12:30:05", "09.12.202", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"one-digit year"}, "12:30:05", "09.12.6", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"three-digit day"}, "12:30:05", "009.12.2026", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
    {{"slashes"}, "12:30:05", "09/12/2026", {2026, 12, 9, 3, 12, 30, 5}, std::nullopt},
};

class ClockOffset : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(ClockOffset, IsTheDeviceClockMinusThePcs) {
    const OffsetCase& row = GetParam();
    EXPECT_EQ(ClockOffsetSeconds(row.time, row.date, row.pc), row.seconds);
}

INSTANTIATE_TEST_SUITE_P(Rows, ClockOffset, ::testing::ValuesIn(kOffsets), RowName{});

} // namespace
} // namespace kelvra::test
