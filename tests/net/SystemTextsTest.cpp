// The texts the system hands out: socket error descriptions and the clock's
// regional time and date. Their wording depends on the system's language, so the
// checks are on their shape.

#include "core/Utf8.h"
#include "net/SocketLayer.h"
#include "net/SystemClock.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <cerrno>
#endif

namespace kelvra::net {
namespace {

bool IsWellFormedUtf8(const std::string& text) {
    for (const std::string_view character : Utf8Characters(text)) {
        if (!Utf8CodePoint(character)) {
            return false;
        }
    }
    return true;
}

std::string TwoDigits(int value) {
    std::string text = value < 10 ? "0" : "";
    text += std::to_string(value);
    return text;
}

#ifdef _WIN32
constexpr int kErrorCodes[] = {WSAECONNREFUSED, WSAEINVAL, WSAECONNRESET};
#else
constexpr int kErrorCodes[] = {ECONNREFUSED, EINVAL, ECONNRESET};
#endif

class SocketErrorText : public ::testing::TestWithParam<int> {};

TEST_P(SocketErrorText, IsOneUtf8LineAfterTheNumber) {
    const int code = GetParam();
    const std::string description = SocketErrorDescription(code);
    ASSERT_FALSE(description.empty());
    EXPECT_TRUE(IsWellFormedUtf8(description)) << description;
    EXPECT_NE(description.back(), '\n');
    EXPECT_NE(description.back(), '\r');
    EXPECT_EQ(std::string(SocketFailure(code).what()),
              "Socket Error # " + std::to_string(code) + "\r\n" + description);
}

INSTANTIATE_TEST_SUITE_P(Codes, SocketErrorText, ::testing::ValuesIn(kErrorCodes));

// Whatever the regional format, the time shows the minutes and seconds as two
// digits and the date shows the day; both are UTF-8.
class ClockText : public ::testing::TestWithParam<int> {};

TEST_P(ClockText, ShowsTheLocalPartsOfTheMoment) {
    const SystemClock clock;
    const TimePoint t = clock.now() + std::chrono::hours(GetParam());
    const CalendarTime parts = clock.localTime(t);
    const std::string time = clock.longTimeText(t);
    const std::string date = clock.shortDateText(t);
    EXPECT_NE(time.find(TwoDigits(parts.minute)), std::string::npos) << time;
    EXPECT_NE(time.find(TwoDigits(parts.second)), std::string::npos) << time;
    EXPECT_NE(date.find(std::to_string(parts.day)), std::string::npos) << date;
    EXPECT_TRUE(IsWellFormedUtf8(time) && IsWellFormedUtf8(date)) << time << " " << date;
}

// Now, and moments in the other half of the day and in other months.
INSTANTIATE_TEST_SUITE_P(Moments, ClockText, ::testing::Values(0, 13, 24 * 40, 24 * 200 + 7));

} // namespace
} // namespace kelvra::net
