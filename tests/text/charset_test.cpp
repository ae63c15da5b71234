#include "text/charset.h"

#include <gtest/gtest.h>
#include <string>

namespace velluno {
namespace {

Bytes bytes(std::string_view text) {
    return bytes_from_text(text);
}

TEST(RecodeBytes, ConvertsUtf8ToGb18030AndRefusesBadInput) {
    EXPECT_EQ(recode_bytes(bytes("\xE4\xBD\xA0\xE5\xA5\xBD"), "UTF-8", "GB18030"),
              bytes("\xC4\xE3\xBA\xC3"));
    // A character outside GBK keeps its four-byte GB18030 form.
    EXPECT_EQ(recode_bytes(bytes("\xF0\x9F\x98\x80"), "UTF-8", "GB18030"),
              bytes("\x94\x39\xFC\x36"));
    EXPECT_EQ(recode_bytes(bytes("\xE4\xBD\xA0"), "utf-8", "gb18030"), bytes("\xC4\xE3"));
    // A cut sequence and an invalid byte give nothing, not the part before them.
    EXPECT_TRUE(recode_bytes(bytes("ab\xE4\xBD"), "UTF-8", "GB18030").empty());
    EXPECT_TRUE(recode_bytes(bytes("ab\xFF"
                                   "cd"),
                             "UTF-8", "GB18030")
                    .empty());
    EXPECT_TRUE(recode_bytes({}, "UTF-8", "GB18030").empty());
    EXPECT_TRUE(recode_bytes(bytes("abc"), "NO-SUCH-CHARSET", "GB18030").empty());
    // A character the target cannot hold is an error too.
    EXPECT_TRUE(recode_bytes(bytes("\xE4\xBD\xA0"), "UTF-8", "ISO-8859-1").empty());
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

TEST(Utf8ToLocal, ConvertsThroughWideText) {
    EXPECT_EQ(utf8_to_local("\xE4\xBD\xA0\xE5\xA5\xBD"), "\xC4\xE3\xBA\xC3");
    EXPECT_EQ(utf8_to_local("abc"), "abc");
    EXPECT_EQ(utf8_to_local(""), "");
    EXPECT_EQ(utf8_to_local("\xF0\x9F\x98\x80"), "\x94\x39\xFC\x36");
    // Invalid UTF-8 becomes U+FFFD (GB18030 84 31 A4 37); the text ends at a zero byte.
    EXPECT_EQ(utf8_to_local("a\xFF"
                            "b"),
              "a\x84\x31\xA4\x37"
              "b");
    EXPECT_EQ(utf8_to_local("a\xE4\xBD"), "a\x84\x31\xA4\x37");
    EXPECT_EQ(utf8_to_local(std::string_view("ab\0cd", 5)), "ab");
}

TEST(WideText, RoundTripsAndEndsWithOneZeroUnit) {
    EXPECT_EQ(text_to_wide("A\xE4\xBD\xA0"), bytes(std::string("A\0\x60\x4F\0\0", 6)));
    EXPECT_EQ(text_to_wide("", kCodePageUtf8), bytes(std::string("\0\0", 2)));
    EXPECT_EQ(text_to_wide("\xC4\xE3", kCodePageGbk), bytes(std::string("\x60\x4F\0\0", 4)));
    EXPECT_EQ(wide_to_text(bytes(std::string("\x60\x4F\0\0zz", 6))), "\xC4\xE3");
    EXPECT_EQ(wide_to_text(bytes(std::string("\x60\x4F", 2)), kCodePageUtf8), "\xE4\xBD\xA0");
    EXPECT_TRUE(text_to_wide("abc", 1252).empty());
    EXPECT_EQ(wide_to_text(bytes("a\0"), 1252), "");
    // A lone surrogate cannot be encoded and becomes U+FFFD.
    EXPECT_EQ(wide_to_text(bytes(std::string("\x00\xD8"
                                             "a\0",
                                             4))),
              "\x84\x31\xA4\x37"
              "a");
}

TEST(LocalToUtf8, DecodesGb18030) {
    EXPECT_EQ(local_to_utf8("\xC4\xE3\xBA\xC3"), "\xE4\xBD\xA0\xE5\xA5\xBD");
    EXPECT_EQ(local_to_utf8("\x94\x39\xFC\x36"), "\xF0\x9F\x98\x80");
    // A lone lead byte at the end is not lost silently.
    EXPECT_EQ(local_to_utf8("a\xC4"), "a\xEF\xBF\xBD");
}

TEST(ConvertCharset, DefaultsToUtf8ToGbkAndHonoursTheOffset) {
    const Bytes hello = bytes("\xE4\xBD\xA0\xE5\xA5\xBD");
    EXPECT_EQ(convert_charset(hello), bytes("\xC4\xE3\xBA\xC3"));
    EXPECT_EQ(convert_charset(hello, "", "", 2), bytes("\xBA\xC3"));
    EXPECT_EQ(convert_charset(hello, "", "", 4), Bytes());
    EXPECT_EQ(convert_charset(hello, "", "", -3), bytes("\xC4\xE3\xBA\xC3"));
    EXPECT_EQ(convert_charset(bytes("\xEF\xBB\xBFok")), bytes("ok"));
    EXPECT_EQ(convert_charset(bytes("\xEF\xBB\xBFok"), "utf8"), bytes("ok"));
    EXPECT_EQ(convert_charset(bytes("\xC4\xE3"), "gbk", "utf-8"), bytes("\xE4\xBD\xA0"));
    EXPECT_TRUE(convert_charset(hello, "NO-SUCH-CHARSET").empty());
    EXPECT_TRUE(convert_charset({}).empty());
}

} // namespace
} // namespace velluno
