#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace velluno {

// The value a JsonDocument holds; members keep the order they were written in.
using Json = nlohmann::ordered_json;

// How deeply arrays and objects may nest in a document's value. Values are
// copied and written out recursively, so this bound keeps the stack safe.
inline constexpr int kMaxJsonNesting = 512;

// How many members one object read from JSON text may have. Keeping member
// order makes each new member look through the ones before it, so a hostile
// object of millions of members would take hours to read; real answers hold
// a few dozen.
inline constexpr int kMaxJsonMembers = 4096;

struct ParsedJson {
    Json value;
    int nesting = 0; // arrays and objects nested in one another; 0 for a scalar
};

// Reads one standard JSON text (UTF-8). Gives nothing for anything else, for
// text after the value, for numbers beyond a double, for arrays and objects
// nested more than `max_nesting` deep, and for objects of more than
// kMaxJsonMembers members.
std::optional<ParsedJson> parse_json_text(std::string_view text, int max_nesting);

// Compact JSON text of `value` in member order, written the way the reference
// JSON.stringify script writes it (numbers as JavaScript prints them, the same
// characters escaped).
std::string json_text(const Json& value);

// `value` as plain text: a string's characters, a number as JavaScript prints
// it, "true" or "false"; empty text for null, arrays and objects.
std::string plain_text(const Json& value);

} // namespace velluno
