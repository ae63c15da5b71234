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

// The exact text of a moment is checked through epoch_millis_text below; the
// clock itself may be stepped at any time, so only the form is checked here.
TEST(NowMillisText, GivesThirteenDigitsToday) {
    const Text text = now_millis_text();
    ASSERT_EQ(text.size(), 13u) << text;
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isdigit(c) != 0;
    })) << text;
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
