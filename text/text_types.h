#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velluno {

// Text in the program's local code page: GBK, with GB18030 four-byte sequences
// for the characters GBK cannot hold. Positions into a Text are byte positions.
using Text = std::string;

// A counted byte buffer, free to hold zero bytes.
using Bytes = std::vector<unsigned char>;

// `text` up to (not including) its first zero byte, where every Text ends.
std::string_view up_to_first_zero(std::string_view text);

// The bytes of `bytes` up to (not including) the first zero byte.
Text text_from_bytes(const Bytes& bytes);

// The bytes of `text`, without a terminating zero.
Bytes bytes_from_text(std::string_view text);

} // namespace velluno
