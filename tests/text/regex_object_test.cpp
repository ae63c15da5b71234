#include "text/charset.h"
#include "text/regex_object.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace velluno {
namespace {

// The options of the comment and emoticon steps.
constexpr RegexOptions kCommentOptions{
    .case_sensitive = false, .multiline = false, .global = true, .expand_quote_marker = true};

// U+FFFD, which stands in for bytes that are no character, in local text.
const Text kReplacementCharacter = "\x84\x31\xA4\x37";

Text gbk(std::string_view utf8) {
    return utf8_to_local(utf8);
}

// Per match: the whole match, then each group.
using MatchList = std::vector<std::vector<Text>>;

MatchList read_matches(const RegexObject& regex) {
    MatchList matches;
    for (int index = 1; index <= regex.match_count(); ++index) {
        std::vector<Text> match{regex.match_text(index)};
        for (int group = 1; group <= regex.submatch_count(); ++group) {
            match.push_back(regex.submatch_text(index, group));
        }
        matches.push_back(std::move(match));
    }
    return matches;
}

struct RunCase {
    std::string name;
    Text pattern;
    Text subject;
    RegexOptions options;
    MatchList expected;
};

TEST(RegexObject, FindsMatchesAndGroups) {
    const std::vector<RunCase> cases = {
        {"uid from an address",
         "uid=(.*)",
         "http://host/u?uid=abc&x=1",
         {},
         {{"uid=abc&x=1", "abc&x=1"}}},
        {"uid key in capitals", "uid=(.*)", "http://host/u?UID=abc", {}, {{"UID=abc", "abc"}}},
        {"share_uid= comes first",
         "uid=(.*)",
         "http://host/?share_uid=zz&uid=abc",
         {},
         {{"uid=zz&uid=abc", "zz&uid=abc"}}},
        {"a group stops at a line feed",
         "uid=(.*)",
         "uid=abc\nuid=def",
         {},
         {{"uid=abc", "abc"}, {"uid=def", "def"}}},
        {"emoticon tags",
         "em(.*?)/em",
         "[em]e100[/em]x[em]e101[/em]",
         kCommentOptions,
         {{"em]e100[/em", "]e100["}, {"em]e101[/em", "]e101["}}},
        {"an emoticon match may start inside a word",
         "em(.*?)/em",
         "them [em]e1[/em]",
         kCommentOptions,
         {{"em [em]e1[/em", " [em]e1["}}},
        {"the dot matches a carriage return but no line feed", "a.b", "a\nb a\rb", {}, {{"a\rb"}}},
        {"local text is matched by character",
         "\xBA\xC3(.)",
         "\xBA\xDC\xBA\xC3\xCC\xFD",
         {},
         {{"\xBA\xC3\xCC\xFD", "\xCC\xFD"}}},
        {"a repeat counts characters, not bytes", "^.{3}$", gbk("很好听"), {}, {{gbk("很好听")}}},
        {"exact case", "abc", "ABC abc", {.case_sensitive = true}, {{"abc"}}},
        {"first match only", "a", "aaa", {.global = false}, {{"a"}}},
        {"^ at a line start in multiline mode", "^b", "a\nb", {}, {{"b"}}},
        {"^ only at the start otherwise", "^b", "a\nb", {.multiline = false}, {}},
        {"$ only at the very end otherwise", "a$", "a\n", {.multiline = false}, {}},
        {"$ at a line end in multiline mode", "a$", "a\n", {}, {{"a"}}},
        {"empty matches step one character", "x*", "abc", {}, {{""}, {""}, {""}, {""}}},
        {"a double-byte character is one step", "x*", gbk("好"), {}, {{""}, {""}}},
        {"empty alternative", "a|", "abc", {}, {{"a"}, {""}, {""}, {""}}},
        {"a non-empty match is tried where an empty one was found",
         "|b",
         "b",
         {},
         {{""}, {"b"}, {""}}},
        {"empty subject", "x*", "", {}, {{""}}},
        {"quote marker expanded",
         gbk("#引号(.*?)#引号"),
         gbk("\"hi\" #引号yo#引号"),
         kCommentOptions,
         {{"\"hi\"", "hi"}}},
        {"quote marker taken as written by default",
         gbk("#引号(.*?)#引号"),
         gbk("\"hi\" #引号yo#引号"),
         {},
         {{gbk("#引号yo#引号"), "yo"}}},
        {"a group that took no part", "(a)|(b)", "b", {}, {{"b", "", "b"}}},
        {"no match", "z", "abc", {}, {}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        RegexObject regex;
        ASSERT_TRUE(regex.run(c.pattern, c.subject, c.options));
        EXPECT_EQ(read_matches(regex), c.expected);
    }
}

TEST(RegexObject, ReadsCommentsWrittenOnFourLines) {
    const Text pattern =
        "content\\\":\\\"(.*?)\\\",\n\\\"is_owner\\\":.*?,\n\\\"uid\\\":\\\".*?\\\",\n"
        "\\\"nick\\\":\\\"(.*?)\\\"";
    const Text answer = gbk("{\"comments\":[{\n"
                            "\"content\":\"好听[em]e100[/em]\",\n"
                            "\"is_owner\":0,\n"
                            "\"uid\":\"u1\",\n"
                            "\"nick\":\"小明\"\n"
                            "},{\n"
                            "\"CONTENT\":\"唱得\\\"真\\\",棒\",\n"
                            "\"is_owner\":1,\n"
                            "\"uid\":\"u2\",\n"
                            "\"NICK\":\"阿\\\"红\"\n"
                            "},{\"content\":\"one line\",\"is_owner\":0,\"uid\":\"u3\","
                            "\"nick\":\"skipped\"}\n"
                            "]}");
    RegexObject regex;
    ASSERT_TRUE(regex.run(pattern, answer, kCommentOptions));

    ASSERT_EQ(regex.match_count(), 2);
    EXPECT_EQ(regex.submatch_count(), 2);
    EXPECT_EQ(regex.submatch_text(1, 1), gbk("好听[em]e100[/em]"));
    EXPECT_EQ(regex.submatch_text(1, 2), gbk("小明"));
    // The text runs to the quote and comma that end its line; the nickname
    // stops at its escaped quote and keeps the backslash.
    EXPECT_EQ(regex.submatch_text(2, 1), gbk("唱得\\\"真\\\",棒"));
    EXPECT_EQ(regex.submatch_text(2, 2), gbk("阿\\"));
}

TEST(RegexObject, RejectsPatternsThatDoNotCompile) {
    const std::vector<Text> patterns = {"(", "a)", "[a", "*a", "a{2,1}", "(?<=a+)b", "a\\C"};
    for (const Text& pattern : patterns) {
        SCOPED_TRACE(pattern);
        RegexObject regex;
        ASSERT_TRUE(regex.run("(a)", "a"));
        EXPECT_FALSE(regex.run(pattern, "aab"));
        EXPECT_EQ(regex.match_count(), 0);
        EXPECT_EQ(regex.submatch_count(), 0);
        EXPECT_EQ(regex.match_text(1), "");
        EXPECT_EQ(regex.submatch_text(1, 1), "");
        EXPECT_EQ(regex.replace("x"), "");
        EXPECT_EQ(regex.pattern_text(), pattern);
    }
}

TEST(RegexObject, ReadsNothingBeforeTheFirstRun) {
    const RegexObject regex;
    int position = 0;
    EXPECT_EQ(regex.match_count(), 0);
    EXPECT_EQ(regex.submatch_count(), 0);
    EXPECT_EQ(regex.match_text(1, &position), "");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(regex.submatch_text(1, 1), "");
    EXPECT_EQ(regex.pattern_text(), "");
    EXPECT_EQ(regex.replace("x"), "");
}

TEST(RegexObject, GivesNothingForNumbersOutOfRange) {
    struct Case {
        int index;
        int group; // 0: read the whole match
    };
    const std::vector<Case> cases = {{0, 0},       {-1, 0}, {2, 0},       {INT_MAX, 0},
                                     {INT_MIN, 0}, {1, -1}, {1, 3},       {1, INT_MAX},
                                     {1, INT_MIN}, {2, 1},  {INT_MAX, 1}, {0, 1},
                                     {1, 2}}; // group 2 took no part
    RegexObject regex;
    ASSERT_TRUE(regex.run("(a)(b)?", "xa"));
    ASSERT_EQ(regex.match_count(), 1);
    EXPECT_EQ(regex.submatch_count(), 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + "/" + std::to_string(c.group));
        int position = 0;
        const Text text = c.group == 0 ? regex.match_text(c.index, &position)
                                       : regex.submatch_text(c.index, c.group, &position);
        EXPECT_EQ(text, "");
        EXPECT_EQ(position, -1);
    }
    EXPECT_EQ(regex.submatch_text(1, 0), "") << "group 0 is no capture group";
}

TEST(RegexObject, GivesByteOffsetsInTheLocalSubject) {
    struct Case {
        std::string name;
        Text pattern;
        Text subject;
        int index;
        int group; // 0: the whole match
        Text text;
        int position;
    };
    const std::vector<Case> cases = {
        {"plain text", "b", "xabc", 1, 0, "b", 2},
        {"after local text", "b", gbk("中文abc"), 1, 0, "b", 5},
        {"a match after local text", "a(b)", gbk("中文abc"), 1, 0, "ab", 4},
        {"its group", "a(b)", gbk("中文abc"), 1, 1, "b", 5},
        {"a later match", "b", gbk("中b中b"), 2, 0, "b", 5},
        {"after a four-byte character", "x", "\x94\x39\xFC\x36x", 1, 0, "x", 4},
        {"a local match", gbk("文"), gbk("中文"), 1, 0, gbk("文"), 2},
        {"an empty match at the end", "$", gbk("中"), 1, 0, "", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegexObject regex;
        ASSERT_TRUE(regex.run(c.pattern, c.subject));
        int position = -2;
        const Text text = c.group == 0 ? regex.match_text(c.index, &position)
                                       : regex.submatch_text(c.index, c.group, &position);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(position, c.position);
    }
}

TEST(RegexObject, ReplacesTheMatchesOfTheLastRun) {
    struct Case {
        std::string name;
        Text pattern;
        RegexOptions options;
        Text subject;
        Text replacement;
        Text expected;
    };
    const std::vector<Case> cases = {
        {"every match", "a", {}, "banana", "X", "bXnXnX"},
        {"the first match only", "a", {.global = false}, "banana", "X", "bXnana"},
        {"groups", "(a)(n)", {}, "banana", "$2${1}", "bnanaa"},
        {"any letter case", "A", {}, "aA", "x", "xx"},
        {"exact case", "A", {.case_sensitive = true}, "aA", "x", "ax"},
        {"local text", gbk("好"), {}, gbk("好好听"), gbk("坏"), gbk("坏坏听")},
        {"empty matches", "x*", {}, "ab", "-", "-a-b-"},
        {"a group that took no part", "(a)|(b)", {}, "ab", "[$2]", "[][b]"},
        {"a group that does not exist", "a", {}, "abc", "$9", "bc"},
        {"a dollar sign", "a", {}, "abc", "$$", "$bc"},
        {"no match", "z", {}, "abc", "X", "abc"},
        {"a malformed replacement", "a", {}, "abc", "$", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegexObject regex;
        ASSERT_TRUE(regex.run(c.pattern, c.subject, c.options));
        EXPECT_EQ(regex.replace(c.replacement), c.expected);
    }
}

TEST(RegexObject, CopiesKeepTheirMatchesWhenTheOriginalRunsAgain) {
    RegexObject original;
    ASSERT_TRUE(original.run("(b)", "abc"));
    const RegexObject copy = original;
    RegexObject assigned;
    assigned = original;
    ASSERT_TRUE(original.run("z", "zzz"));

    const std::vector<const RegexObject*> copies = {&copy, &assigned};
    for (const RegexObject* regex : copies) {
        EXPECT_EQ(regex->match_count(), 1);
        EXPECT_EQ(regex->submatch_text(1, 1), "b");
        EXPECT_EQ(regex->pattern_text(), "(b)");
        EXPECT_EQ(regex->replace("X"), "aXc");
    }
    EXPECT_EQ(original.match_count(), 3);
    EXPECT_EQ(original.replace("y"), "yyy");

    RegexObject moved = std::move(assigned);
    EXPECT_EQ(moved.match_text(1), "b");
}

TEST(RegexObject, GivesUpOnRunawayBacktracking) {
    const Text subject = "x" + std::string(5000, 'a') + "b";
    RegexObject regex;
    ASSERT_TRUE(regex.run("^(a+)+$", subject.substr(1)));
    EXPECT_EQ(regex.match_count(), 0);
    EXPECT_EQ(regex.replace("y"), subject.substr(1));

    // The limit ends the matches found so far: the last x is never reached.
    ASSERT_TRUE(regex.run("x|(a+)+$", subject + "x"));
    EXPECT_EQ(read_matches(regex), (MatchList{{"x", ""}}));
}

TEST(RegexObject, CollectsEveryMatchOfALongSubject) {
    const Text subject = gbk("好") + std::string(20000, 'a');
    RegexObject regex;
    ASSERT_TRUE(regex.run("x*", subject));
    EXPECT_EQ(regex.match_count(), 20002);
    int position = 0;
    EXPECT_EQ(regex.match_text(20002, &position), "");
    EXPECT_EQ(position, 20002);
}

TEST(RegexObject, SurvivesMalformedInput) {
    RegexObject regex;

    // A lead byte that ends the text is no character: it reads back as U+FFFD.
    ASSERT_TRUE(regex.run("c(.*)", "abc\x81"));
    EXPECT_EQ(read_matches(regex),
              (MatchList{{"c" + kReplacementCharacter, kReplacementCharacter}}));

    // A byte that is no character anywhere, in the pattern and in the subject.
    ASSERT_TRUE(regex.run("\xFF", "a\x80"
                                  "b"));
    EXPECT_EQ(read_matches(regex), (MatchList{{kReplacementCharacter}}));
    int position = -2;
    EXPECT_EQ(regex.match_text(1, &position), kReplacementCharacter);
    EXPECT_EQ(position, 1);

    ASSERT_TRUE(regex.run("b", "\x80\xFF"
                               "b"));
    ASSERT_EQ(regex.match_count(), 1);
    regex.match_text(1, &position);
    EXPECT_EQ(position, 2) << "b follows two bytes that are no character";

    // Texts end at their first zero byte.
    ASSERT_TRUE(regex.run("c", std::string("ab\0cd", 5)));
    EXPECT_EQ(regex.match_count(), 0);
    ASSERT_TRUE(regex.run(std::string("b\0z", 3), "abc"));
    EXPECT_EQ(regex.pattern_text(), "b");
    EXPECT_EQ(regex.replace(std::string("X\0Y", 3)), "aXc");
}

} // namespace
} // namespace velluno
