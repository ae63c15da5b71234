#pragma once

#include "text/text_types.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace velluno {

// Callers spell a double quote inside a marker or pattern as "#引号".
inline constexpr std::string_view kQuoteMarker = "#\xD2\xFD\xBA\xC5";
inline constexpr std::string_view kDoubleQuote = "\"";

// The length of the character at 0-based `index`: a byte of 0x80 or above
// takes the next byte with it, unless it ends the text.
std::size_t char_length(std::string_view text, std::size_t index);

// How a scan over local text compares and where it begins. Positions are
// 1-based byte positions; one below 1 means 1.
struct ScanRule {
    std::ptrdiff_t start = 1;
    bool case_sensitive = false;
};

// The position of the first `needle` in `text` at or after `rule.start`, or -1
// when there is none (an empty needle is never found). The scan steps over a
// double-byte character whole, so a match never begins on its second byte;
// without case sensitivity only ASCII letters fold.
std::ptrdiff_t find_text(std::string_view text, std::string_view needle, const ScanRule& rule);

// `text` with the occurrences of `search` found from `rule.start` on replaced,
// left to right and without overlap, at most `limit` of them when it is given.
// The bytes before the start stay as they are; an empty search changes nothing.
Text replace_text(std::string_view text, std::string_view search, std::string_view replacement,
                  const ScanRule& rule, std::optional<std::size_t> limit = {});

// `text` with its ASCII letters in lower case, as a scan without case
// sensitivity compares them: the second byte of a double-byte character stays.
Text ascii_folded(std::string_view text);

// `text` with every "#引号" turned into a double quote.
Text expand_quote_marker(std::string_view text);

} // namespace velluno
