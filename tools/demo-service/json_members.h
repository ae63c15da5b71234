#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velluno::demo {

// The answers are written by hand rather than by a JSON library: the program
// reads them with byte markers, so key order, spacing and line breaks matter.
// Text values go in as they are, since the sample texts are already escaped.

// "key":"value"
std::string text_member(std::string_view key, std::string_view value);
// "key":number
std::string number_member(std::string_view key, long long value);
// "key":json
std::string raw_member(std::string_view key, std::string_view json);

// {a,b} and [a,b]: no spaces, no line breaks.
std::string compact_object(const std::vector<std::string>& members);
std::string compact_array(const std::vector<std::string>& elements);
// {\na,\nb\n}: one member per line.
std::string line_object(const std::vector<std::string>& members);

// Every "/" written as "\/", the way many JSON writers escape addresses.
std::string with_escaped_slashes(std::string_view text);

// The text a JSON string body stands for; nothing when its escapes are broken.
std::optional<std::string> unescaped_json_text(std::string_view text);

} // namespace velluno::demo
