#pragma once

#include "text/text_types.h"

#include <optional>
#include <string_view>

namespace velluno {

// Code pages understood by text_to_wide and wide_to_text.
inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageSystem = 0; // the local code page, GBK

// UTF-8 text to local text. Characters GBK lacks keep their GB18030 form;
// each invalid UTF-8 sequence becomes U+FFFD.
Text utf8_to_local(std::string_view text);

// Local text (read as GB18030) to UTF-8; invalid sequences become U+FFFD.
std::string local_to_utf8(std::string_view text);

// The byte offset in local `text` where its character number `characters`
// (counted from 0, as local_to_utf8 decodes them: one per valid sequence, per
// bad byte, and one for a sequence cut by the end) begins; at most text.size().
std::size_t local_offset_of_character(std::string_view text, std::size_t characters);

// Text in `code_page` to UTF-16LE wide text, ending with one zero unit.
// Unknown code pages give empty Bytes.
Bytes text_to_wide(std::string_view text, int code_page = kCodePageUtf8);

// UTF-16LE wide text (up to its first zero unit) to text in `code_page`.
Text wide_to_text(const Bytes& wide, int code_page = kCodePageSystem);

// Re-encodes `data` from `from_charset` (empty: "UTF-8") to `to_charset`
// (empty: "GBK") and returns the result from byte `start_offset` on.
// A leading UTF-8 byte-order mark is dropped; an unknown name gives empty Bytes.
Bytes convert_charset(const Bytes& data, std::string_view from_charset = {},
                      std::string_view to_charset = {}, std::optional<int> start_offset = {});

// Converts `data` between two iconv encodings (names in any ASCII case).
// Any invalid, cut or unrepresentable input gives empty Bytes, never a part.
Bytes recode_bytes(const Bytes& data, std::string_view from_charset, std::string_view to_charset);

} // namespace velluno
