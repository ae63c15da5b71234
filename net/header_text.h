#pragma once

#include "text/ascii_case.h"
#include "text/text_types.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace velluno {

// Byte-level helpers for addresses, header lines and cookie text. Header
// searches compare bytes, not GBK units: answers may carry UTF-8 bytes, where
// stepping over double-byte units could skip a marker.

// Byte offset of the first `needle` at or after `from`, ASCII case ignored.
std::size_t find_ignoring_case(std::string_view text, std::string_view needle,
                               std::size_t from = 0);

bool contains_ignoring_case(std::string_view text, std::string_view needle);

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix);

// Without leading and trailing ASCII spaces and full-width spaces (GBK A1 A1).
Text trim_spaces(std::string_view text);

// Without any ASCII space or full-width space.
Text remove_spaces(std::string_view text);

// The pieces between separators; empty pieces between separators are kept,
// a trailing empty piece is not, and empty text has no pieces.
std::vector<std::string_view> split_text(std::string_view text, std::string_view separator);

} // namespace velluno
