#include "text/charset.h"
#include "text/replace_pairs.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velluno {
namespace {

struct PairsCase {
    std::string name;
    Text text;
    std::vector<ReplacePair> pairs;
    ReplaceOptions options;
    Text expected;
};

void expect_cases(const std::vector<PairsCase>& cases) {
    for (const PairsCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replace_pairs(c.text, c.pairs, c.options), c.expected);
    }
}

TEST(ReplacePairs, ReplacesEveryOccurrenceIgnoringCaseByDefault) {
    const Text tag = "[em]e100[/em]";
    expect_cases({
        {"all occurrences in any case", "aAbA", {{"a", "x"}}, {}, "xxbx"},
        {"exact case", "aAbA", {{"a", "x"}}, {.case_sensitive = true}, "xAbA"},
        {"non-overlapping", "aaa", {{"aa", "b"}}, {}, "ba"},
        {"a replacement is not scanned again", "ab", {{"a", "aa"}}, {}, "aab"},
        {"an empty replacement deletes",
         utf8_to_local("好听") + tag + utf8_to_local("啊") + tag,
         {{tag, ""}},
         {},
         utf8_to_local("好听啊")},
        {"backslash-n sequences close up",
         R"(one\ntwo\Nthree)",
         {{R"(\n)", ""}},
         {},
         "onetwothree"},
        {"pairs run in sequence", "ab", {{"a", "b"}, {"b", "c"}}, {}, "cc"},
        {"an empty search makes its pair do nothing",
         "abc",
         {{"a", "x"}, {"", "y"}, {"c", "z"}},
         {},
         "xbz"},
        {"search longer than the text", "ab", {{"abc", "x"}}, {}, "ab"},
        {"empty text", "", {{"a", "x"}}, {}, ""},
        {"no pairs", "abc", {}, {}, "abc"},
    });
}

TEST(ReplacePairs, HonoursCountAndStart) {
    expect_cases({
        {"count 0 replaces nothing", "aaaa", {{"a", "b"}}, {.count = 0}, "aaaa"},
        {"count 1 replaces each pair's first occurrence",
         "aabb",
         {{"a", "x"}, {"b", "y"}},
         {.count = 1},
         "xayb"},
        {"a negative count means all", "aaaa", {{"a", "b"}}, {.count = -1}, "bbbb"},
        {"huge count", "aaaa", {{"a", "b"}}, {.count = INT_MAX}, "bbbb"},
        {"bytes before the start are kept", "aaaa", {{"a", "b"}}, {.start = 3}, "aabb"},
        {"a start of 0 counts as 1", "aaaa", {{"a", "b"}}, {.start = 0}, "bbbb"},
        {"a negative start counts as 1", "aaaa", {{"a", "b"}}, {.start = -7}, "bbbb"},
        {"start at the last byte", "aaaa", {{"a", "b"}}, {.start = 4}, "aaab"},
        {"start beyond the end", "aaaa", {{"a", "b"}}, {.start = 5}, "aaaa"},
        {"huge start", "aaaa", {{"a", "b"}}, {.start = INT_MAX}, "aaaa"},
        {"count and start together", "aaaa", {{"a", "b"}}, {.count = 1, .start = 2}, "abaa"},
    });
}

TEST(ReplacePairs, StepsOverDoubleByteCharacters) {
    // '丄' is the GBK pair 81 41; 'A' inside it is no letter of the text.
    const Text shang = "\x81\x41";
    expect_cases({
        {"second byte is not matched", shang + "A", {{"A", "b"}}, {}, shang + "b"},
        {"second byte does not fold", "\x81\x61", {{shang, "x"}}, {}, "\x81\x61"},
        {"whole character is matched", shang + shang, {{shang, "x"}}, {}, "xx"},
        {"start on a second byte scans from there",
         shang + "A",
         {{"A", "b"}},
         {.start = 2},
         "\x81"
         "bb"},
        {"lone lead byte at the end is kept", "a\x81", {{"a", "x"}}, {}, "x\x81"},
        {"lone lead byte at the end is found", "a\x81", {{"\x81", "x"}}, {}, "ax"},
    });
}

TEST(ReplacePairs, SinglePairFormMatchesTheListForm) {
    EXPECT_EQ(replace_pairs("share/abc", "SHARE/", ""), "abc");
    EXPECT_EQ(replace_pairs("aaaa", "a", "b", {.count = 2, .start = 2}), "abba");
}

} // namespace
} // namespace velluno
