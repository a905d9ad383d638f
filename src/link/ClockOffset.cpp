#include "link/ClockOffset.h"

#include <array>
#include <vector>

namespace kelvra {

namespace {

constexpr long long kSecondsPerDay = 24 * 60 * 60;

// The parts of text between delimiters, each one or more decimal digits; empty
// when any part is not.
std::optional<std::vector<std::string_view>> DigitParts(std::string_view text, char delimiter) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(delimiter);
        const std::string_view part = text.substr(0, end);
        if (part.empty() || part.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        parts.push_back(part);
        if (end == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(end + 1);
    }
}

// A part of one or two digits, or with allowFour of exactly four; -1 otherwise.
int PartValue(std::string_view part, bool allowFour = false) {
    if (part.size() > 2 && !(allowFour && part.size() == 4)) {
        return -1;
    }
    int value = 0;
    for (const char c : part) {
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days from 1 January 1970 to the date, in the proleptic Gregorian calendar.
long long DaysSinceEpoch(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long long>(era) * 146097 + dayOfEra - 719468;
}

long long SecondsSinceEpoch(const CalendarTime& time) {
    return DaysSinceEpoch(time.year, time.month, time.day) * kSecondsPerDay + time.hour * 3600LL +
           time.minute * 60LL + time.second;
}

std::optional<CalendarTime> DeviceCalendarTime(std::string_view timeText,
                                               std::string_view dateText) {
    const auto time = DigitParts(timeText, ':');
    const auto date = DigitParts(dateText, '.');
    if (!time || !date || time->size() != 3 || date->size() != 3 || (*date)[2].size() == 1) {
        return std::nullopt;
    }
    CalendarTime device;
    device.hour = PartValue((*time)[0]);
    device.minute = PartValue((*time)[1]);
    device.second = PartValue((*time)[2]);
    device.day = PartValue((*date)[0]);
    device.month = PartValue((*date)[1]);
    device.year = PartValue((*date)[2], true);
    if ((*date)[2].size() == 2) {
        device.year += 2000;
    }
    if (device.hour < 0 || device.hour > 23 || device.minute < 0 || device.minute > 59 ||
        device.second < 0 || device.second > 59 || device.year < 0 || device.month < 1 ||
        device.month > 12 || device.day < 1 ||
        device.day > DaysInMonth(device.year, device.month)) {
        return std::nullopt;
    }
    return device;
}

} // namespace

std::optional<long long> ClockOffsetSeconds(std::string_view deviceTime,
                                            std::string_view deviceDate,
                                            const CalendarTime& pcTime) {
    const auto device = DeviceCalendarTime(deviceTime, deviceDate);
    if (!device) {
        return std::nullopt;
    }
    return SecondsSinceEpoch(*device) - SecondsSinceEpoch(pcTime);
}

} // namespace kelvra
