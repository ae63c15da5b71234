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

// One JSON value read and written by member paths such as "data.ugclist[3].title".
// Texts in and out are local text. Copies share the value. No operation throws:
// failures give empty text, 0, false, an empty list or leave the value unchanged.
class JsonDocument final {
public:
    JsonDocument(); // holds an empty object

    void init();
    bool parse(std::string_view text);
    Text to_text() const;
    void clear();
    void set_property(std::string_view key, std::string_view value, bool raw = false);
    void set_property_raw(std::string_view key, std::string_view value);
    void set_property_number(std::string_view key, double number);
    double get_number(std::string_view key) const;
    Text get_property_json(std::string_view key) const;
    Text get_property(std::string_view path, bool as_json = false) const;
    JsonDocument get_property_object(std::string_view path) const;
    int get_member_count(std::string_view path = {}) const;
    void add_member(std::string_view value, std::string_view path = {}, bool raw = false);
    JsonDocument get_member_object(int index, std::string_view path = {}) const;
    Text get_member(int index, std::string_view path = {}, bool as_json = false) const;
    void set_member(int index, std::string_view value, bool raw = false);
    void delete_member(int index);
    void reset(int type);
    void set_value(std::string_view value, bool raw = false);
    bool has_property(std::string_view key) const;
    void member_names(std::vector<Text>& names, std::string_view path = {}) const;
    int type_of(std::string_view path = {}) const;

private:
    struct Value;
    std::shared_ptr<Value> m_value;
};

} // namespace velluno
