#pragma once

#include "text/text_types.h"

#include <optional>
#include <string_view>

namespace velluno {

// What a request hands back from the answer's raw header text.
struct AnswerHeaders {
    // The value of the last line holding "Location:"; none when no line does.
    std::optional<Text> location;
    // The name=value item of each line holding "Set-Cookie", joined by "; ".
    Text response_cookies;
};

// The text after the first ":" of `line`, trimmed; empty when there is none.
Text header_value(std::string_view line);

// Reads the "\r\n"-separated lines of `raw_headers`.
AnswerHeaders read_answer_headers(std::string_view raw_headers);

} // namespace velluno
