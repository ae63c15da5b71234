#pragma once

#include "text/text_types.h"

#include <memory>
#include <string_view>
#include <vector>

namespace velluno {

// Type codes of type_of and reset.
enum JsonTypeCode : int {
    kJsonNullOrMissing = 0,
    kJsonNumber = 2,
    kJsonObject = 4,
    kJsonArray = 5,
    kJsonString = 6,
    kJsonOther = -1,
};

// One JSON value read and written by member paths such as "data.ugclist[3].title":
// a member name, then ".name" and "[index]" steps; get_property and
// get_property_object also take a path that starts with "[", and an empty
// optional path stands for the whole value. Texts in and out are local text.
// Copies share the value. No operation throws: failures give empty text, 0,
// false, an empty list or leave the value unchanged.
//
// Values to store come as text: with `raw` false the text itself is stored as a
// string; with `raw` true it must be JSON text. Reads give plain text (a
// string's characters, a number as JavaScript prints it, empty text for null or
// a missing member) or, with `as_json`, compact JSON text.
class JsonDocument final {
public:
    JsonDocument(); // holds an empty object

    void init();
    // False, leaving null (no value at all for blank text), unless `text` is
    // standard JSON text of a value other than null.
    bool parse(std::string_view text);
    Text to_text() const;
    void clear();
    // With `raw` true an empty `value` stores an empty object.
    void set_property(std::string_view key, std::string_view value, bool raw = false);
    void set_property_raw(std::string_view key, std::string_view value);
    void set_property_number(std::string_view key, double number);
    double get_number(std::string_view key) const;
    Text get_property_json(std::string_view key) const;
    Text get_property(std::string_view path, bool as_json = false) const;
    // A document of its own holding a copy of the member; without a value when
    // there is no such member.
    JsonDocument get_property_object(std::string_view path) const;
    // Elements of an array or members of an object; -2 when the member at the
    // end of the path is missing or null, 0 when the path breaks before it.
    int get_member_count(std::string_view path = {}) const;
    // Appends to the array at `path`, which replaces any other value there
    // first; nothing happens when that member is missing or null.
    void add_member(std::string_view value, std::string_view path = {}, bool raw = false);
    JsonDocument get_member_object(int index, std::string_view path = {}) const;
    Text get_member(int index, std::string_view path = {}, bool as_json = false) const;
    // Sets element `index` of the value; the index just past the end appends.
    void set_member(int index, std::string_view value, bool raw = false);
    void delete_member(int index);
    // kJsonNullOrMissing, kJsonObject or kJsonArray; other codes change nothing.
    void reset(int type);
    void set_value(std::string_view value, bool raw = false);
    // True when the member exists and is not null.
    bool has_property(std::string_view key) const;
    // Replaces `names` with the member names of the object at `path`, in
    // order, or with the indices of an array.
    void member_names(std::vector<Text>& names, std::string_view path = {}) const;
    // A JsonTypeCode; kJsonOther also when the path breaks before its last step.
    int type_of(std::string_view path = {}) const;

private:
    struct Value;
    std::shared_ptr<Value> m_value;
};

} // namespace velluno
