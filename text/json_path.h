#pragma once

#include "text/json_text.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velluno {

// One step from a value to a member: a member name (".title") or an index in
// brackets ("[3]"; on an object it names the member "3").
using JsonStep = std::variant<std::string, std::int64_t>;
using JsonPath = std::vector<JsonStep>;

// The texts a path argument may take.
enum class PathForm {
    member,          // a member name, then steps: "data.ugclist[3].title"
    member_or_index, // also starting with an index step: "[0].title"
    optional_member, // also empty, for the value itself
};

// Splits a UTF-8 path into its steps; nothing when the text is not of `form`.
// Member names are JavaScript identifiers (letters, digits, "_", "$", and any
// non-ASCII character, not starting with a digit); indices are plain decimal.
std::optional<JsonPath> parse_json_path(std::string_view text, PathForm form);

// Where following a path ends, told apart as a JavaScript member expression
// tells them apart: stepping out of null or of a missing member breaks the
// path, while a missing last member only reads as undefined.
struct JsonLookup {
    enum class Outcome { broken, missing, found };
    Outcome outcome = Outcome::broken;
    Json* value = nullptr; // the member when found; it may hold null

    bool found() const { return outcome == Outcome::found; }
    // True for the member that JavaScript compares equal to null.
    bool null_or_missing() const {
        return outcome == Outcome::missing || (found() && value->is_null());
    }
};

// Follows `path` from `root`; a null `root` stands for a document without any
// value. Steps reach only the members a JSON value owns: a scalar has none.
JsonLookup find_json(Json* root, std::span<const JsonStep> path);

// Sets the member that `step` names in `container` to `value`. An array takes
// an index up to its size (the size appends); an object takes any step. False,
// with nothing changed, for anything else.
bool assign_json(Json& container, const JsonStep& step, Json value);

} // namespace velluno
