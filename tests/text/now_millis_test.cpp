#include "text/now_millis.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velluno {
namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

long long millis_since_epoch(system_clock::time_point when) {
    return std::chrono::duration_cast<milliseconds>(when.time_since_epoch()).count();
}

TEST(NowMillisText, GivesTheClockReadingAsThirteenDigits) {
    const long long before = millis_since_epoch(system_clock::now());
    const Text text = now_millis_text();
    const long long after = millis_since_epoch(system_clock::now());

    ASSERT_EQ(text.size(), 13u) << text;
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isdigit(c) != 0;
    })) << text;
    const long long value = std::stoll(text);
    EXPECT_GE(value, before);
    EXPECT_LE(value, after);
}

TEST(EpochMillisText, WritesPlainDigitsAndRefusesMomentsBefore1970) {
    struct Case {
        std::string name;
        system_clock::time_point when;
        Text expected;
    };
    const system_clock::time_point epoch{};
    const std::vector<Case> cases = {
        {"the epoch itself", epoch, "0"},
        {"a present-day moment", epoch + milliseconds(1'700'000'000'123), "1700000000123"},
        {"a part of a millisecond is dropped",
         epoch + milliseconds(42) + std::chrono::microseconds(999), "42"},
        {"before 1970", epoch - milliseconds(1), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(epoch_millis_text(c.when), c.expected);
    }
}

} // namespace
} // namespace velluno
