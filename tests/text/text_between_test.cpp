#include "text/charset.h"
#include "text/text_between.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velluno {
namespace {

struct BetweenCase {
    std::string name;
    Text text;
    Text left;
    Text right;
    Text expected;
};

// '丄' is the GBK pair 81 41: its second byte reads as an ASCII 'A'.
const Text kShang = "\x81\x41";

TEST(TextBetween, CutsTheShortestPieceBetweenTheMarkers) {
    const std::vector<BetweenCase> cases = {
        {"jsonp envelope", R"(callback_0({"a":1})callback;)", "callback_0(", ")callback",
         R"({"a":1})"},
        {"first right marker after the left one", R"("song_name":"Song","singer":"x",)",
         R"("song_name":")", R"(",)", "Song"},
        {"markers in another letter case", R"({"song_name":"Hi"})", R"("SONG_NAME":")", R"(")",
         "Hi"},
        {"quote marker in both markers", R"({"nick":"x"})", utf8_to_local("#引号nick#引号:#引号"),
         utf8_to_local("#引号"), "x"},
        {"local text between the markers", utf8_to_local("[名字]"), "[", "]",
         utf8_to_local("名字")},
        {"markers next to each other", "a[]b", "[", "]", ""},
        {"right marker only before the left one", "b]x[a", "[", "]", ""},
        {"left marker missing", "abc]", "[", "]", ""},
        {"right marker missing", "[abc", "[", "]", ""},
        {"left marker at the very end", "abc[", "[", "]", ""},
        {"empty text", "", "[", "]", ""},
        {"markers longer than the text", "ab", "abc", "abcd", ""},
        {"empty left marker", "abc]", "", "]", ""},
        {"empty right marker", "[abc", "[", "", ""},
        {"no match on the second byte of a character", kShang + "Ax]", "A", "]", "x"},
        {"second byte does not fold as a letter", "\x81\x61x]", kShang, "]", ""},
        {"lone lead byte at the end", "[a]\x81", "[", "]", "a"},
        {"lone lead byte as the last thing after the left marker", "[\x81", "[", "]", ""},
    };
    for (const BetweenCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text_between(c.text, c.left, c.right), c.expected);
    }
}

TEST(TextBetween, StartsAtTheGivenPositionWithTheGivenCaseRule) {
    struct Case {
        std::string name;
        int start;
        bool case_sensitive;
        Text expected;
    };
    const Text text = "KEY=1;key=2;";
    const std::vector<Case> cases = {
        {"from the first byte, any case", 1, false, "1"},
        {"exact case", 1, true, "2"},
        {"from a later position", 2, false, "2"},
        {"from the second marker", 7, false, "2"},
        {"a start of 0 counts as 1", 0, false, "1"},
        {"a negative start counts as 1", -5, false, "1"},
        {"start past the last marker", 8, false, ""},
        {"start just past the end", 13, false, ""},
        {"huge start", INT_MAX, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text_between(text, "key=", ";", c.start, c.case_sensitive), c.expected);
    }
}

} // namespace
} // namespace velluno
