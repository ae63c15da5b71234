#include "text/charset.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace velluno {
namespace {

// U+FFFD, the replacement character, in GB18030.
const std::string kLocalReplacement = "\x84\x31\xA4\x37";

Bytes bytes(std::string_view text) {
    return bytes_from_text(text);
}

struct RecodeCase {
    std::string name;
    std::string input;
    std::string from;
    std::string to;
    std::string expected;
};

TEST(RecodeBytes, ConvertsUtf8ToGb18030AndRefusesBadInput) {
    const std::vector<RecodeCase> cases{
        {"two characters", "\xE4\xBD\xA0\xE5\xA5\xBD", "UTF-8", "GB18030", "\xC4\xE3\xBA\xC3"},
        // A character outside GBK keeps its four-byte GB18030 form.
        {"outside GBK", "\xF0\x9F\x98\x80", "UTF-8", "GB18030", "\x94\x39\xFC\x36"},
        {"lower-case names", "\xE4\xBD\xA0", "utf-8", "gb18030", "\xC4\xE3"},
        // A cut sequence and an invalid byte give nothing, not the part before them.
        {"cut sequence", "ab\xE4\xBD", "UTF-8", "GB18030", ""},
        {"invalid byte", std::string("ab\xFF") + "cd", "UTF-8", "GB18030", ""},
        {"empty input", "", "UTF-8", "GB18030", ""},
        {"unknown charset", "abc", "NO-SUCH-CHARSET", "GB18030", ""},
        // A character the target cannot hold is an error too.
        {"unrepresentable", "\xE4\xBD\xA0", "UTF-8", "ISO-8859-1", ""},
    };
    for (const RecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(recode_bytes(bytes(c.input), c.from, c.to), bytes(c.expected));
    }
}

TEST(RecodeBytes, GrowsTheOutputForLongInput) {
    std::string input;
    for (int i = 0; i < 5000; ++i) {
        input += "\xE4\xBD\xA0z";
    }
    const Bytes result = recode_bytes(bytes(input), "UTF-8", "GB18030");
    ASSERT_EQ(result.size(), 5000u * 3);
    EXPECT_EQ(Bytes(result.end() - 3, result.end()), bytes("\xC4\xE3z"));
}

struct TextCase {
    std::string name;
    std::string input;
    std::string expected;
};

TEST(Utf8ToLocal, ConvertsThroughWideText) {
    const std::vector<TextCase> cases{
        {"two characters", "\xE4\xBD\xA0\xE5\xA5\xBD", "\xC4\xE3\xBA\xC3"},
        {"ASCII", "abc", "abc"},
        {"empty", "", ""},
        {"outside GBK", "\xF0\x9F\x98\x80", "\x94\x39\xFC\x36"},
        // Invalid UTF-8 becomes U+FFFD.
        {"invalid byte", std::string("a\xFF") + "b", "a" + kLocalReplacement + "b"},
        {"cut sequence", "a\xE4\xBD", "a" + kLocalReplacement},
        // The text ends at a zero byte.
        {"zero byte", std::string("ab\0cd", 5), "ab"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8_to_local(c.input), c.expected);
    }
}

struct WideCase {
    std::string name;
    std::string text;
    int code_page;
    std::string wide;
};

TEST(WideText, RoundTripsAndEndsWithOneZeroUnit) {
    const std::vector<WideCase> to_wide{
        {"UTF-8", "A\xE4\xBD\xA0", kCodePageUtf8, std::string("A\0\x60\x4F\0\0", 6)},
        {"empty", "", kCodePageUtf8, std::string("\0\0", 2)},
        {"GBK", "\xC4\xE3", kCodePageGbk, std::string("\x60\x4F\0\0", 4)},
        {"unknown code page", "abc", 1252, ""},
    };
    for (const WideCase& c : to_wide) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text_to_wide(c.text, c.code_page), bytes(c.wide));
    }
    const std::vector<WideCase> from_wide{
        // The text ends at the first zero unit.
        {"system", "\xC4\xE3", kCodePageSystem, std::string("\x60\x4F\0\0zz", 6)},
        {"UTF-8 without a zero unit", "\xE4\xBD\xA0", kCodePageUtf8, std::string("\x60\x4F", 2)},
        {"unknown code page", "", 1252, std::string("a\0", 2)},
        // A lone surrogate cannot be encoded and becomes U+FFFD.
        {"lone surrogate", kLocalReplacement + "a", kCodePageSystem,
         std::string("\x00\xD8\x61\x00", 4)},
    };
    for (const WideCase& c : from_wide) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wide_to_text(bytes(c.wide), c.code_page), c.text);
    }
}

TEST(LocalToUtf8, DecodesGb18030) {
    EXPECT_EQ(local_to_utf8("\xC4\xE3\xBA\xC3"), "\xE4\xBD\xA0\xE5\xA5\xBD");
    EXPECT_EQ(local_to_utf8("\x94\x39\xFC\x36"), "\xF0\x9F\x98\x80");
    // A lone lead byte at the end is not lost silently.
    EXPECT_EQ(local_to_utf8("a\xC4"), "a\xEF\xBF\xBD");
}

struct ConvertCase {
    std::string name;
    std::string input;
    std::string from;
    std::string to;
    std::optional<int> offset;
    std::string expected;
};

TEST(ConvertCharset, DefaultsToUtf8ToGbkAndHonoursTheOffset) {
    const std::string hello = "\xE4\xBD\xA0\xE5\xA5\xBD";
    const std::vector<ConvertCase> cases{
        {"defaults", hello, "", "", {}, "\xC4\xE3\xBA\xC3"},
        {"offset", hello, "", "", 2, "\xBA\xC3"},
        {"offset at the end", hello, "", "", 4, ""},
        {"negative offset", hello, "", "", -3, "\xC4\xE3\xBA\xC3"},
        {"byte-order mark", "\xEF\xBB\xBFok", "", "", {}, "ok"},
        {"byte-order mark, utf8", "\xEF\xBB\xBFok", "utf8", "", {}, "ok"},
        {"GBK to UTF-8", "\xC4\xE3", "gbk", "utf-8", {}, "\xE4\xBD\xA0"},
        {"unknown charset", hello, "NO-SUCH-CHARSET", "", {}, ""},
        {"empty input", "", "", "", {}, ""},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convert_charset(bytes(c.input), c.from, c.to, c.offset), bytes(c.expected));
    }
}

struct CharacterOffsetCase {
    std::string name;
    std::string text;
    std::size_t characters;
    std::size_t offset;
};

// Characters are counted as the decoding to UTF-8 reads them.
TEST(LocalOffsetOfCharacter, CountsCharactersAsTheDecodingReadsThem) {
    const std::vector<CharacterOffsetCase> cases{
        {"ASCII and a double-byte character",
         "a\xC4\xE3"
         "b",
         2, 3},
        {"a four-byte character", "\x94\x39\xFC\x36x", 1, 4},
        {"bad bytes count one each",
         "\x80\xFF"
         "b",
         2, 2},
        {"a lead byte before a bad trail stands alone", "\x81 b", 1, 1},
        {"a sequence cut by the end", "ab\x81\x30", 3, 4},
        {"beyond the end", "ab", 5, 2},
        {"empty", "", 1, 0},
    };
    for (const CharacterOffsetCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(local_offset_of_character(c.text, c.characters), c.offset);
    }
}

} // namespace
} // namespace velluno
