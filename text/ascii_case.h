#pragma once

#include "text/text_types.h"

#include <string_view>

namespace velluno {

// ASCII letters to lower case, every other byte as it is.
constexpr char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Every byte of `text` through ascii_lower: for names, addresses and header
// lines, which hold no double-byte text that could be folded by mistake.
Text ascii_lower(std::string_view text);

} // namespace velluno
