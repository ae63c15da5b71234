#include "text/json_document.h"

#include "text/charset.h"
#include "text/json_path.h"
#include "text/json_text.h"

#include <cmath>
#include <optional>

namespace velluno {

struct JsonDocument::Value {
    std::optional<Json> json; // nothing: the document holds no value at all

    Json* root() { return json ? &*json : nullptr; }
};

namespace {

constexpr std::string_view kJsonSpace = " \t\r\n";
// What set_property stores for an empty raw value.
constexpr std::string_view kEmptyObjectText = "{}";
constexpr int kCountBroken = 0;
constexpr int kCountNullOrMissing = -2;

std::optional<JsonPath> path_of(std::string_view path, PathForm form) {
    return parse_json_path(local_to_utf8(path), form);
}

// Follows a path argument from `root`; a text not of `form` breaks at once.
JsonLookup find_path(Json* root, std::string_view path, PathForm form) {
    const std::optional<JsonPath> steps = path_of(path, form);
    return steps ? find_json(root, *steps) : JsonLookup{};
}

// Element `index` of the value at the optional `path`.
JsonLookup find_element(Json* root, int index, std::string_view path) {
    std::optional<JsonPath> steps = path_of(path, PathForm::optional_member);
    if (!steps) {
        return {};
    }
    steps->emplace_back(std::int64_t{index});
    return find_json(root, *steps);
}

// The value a text argument stands for: the text itself as a string, or with
// `raw` the value of its JSON text.
std::optional<ParsedJson> value_from_text(std::string_view value, bool raw) {
    std::string utf8 = local_to_utf8(value);
    if (!raw) {
        return ParsedJson{Json(std::move(utf8))};
    }
    return parse_json_text(utf8, kMaxJsonNesting);
}

// Sets the member at a non-empty `path` as an assignment in JavaScript does,
// except that nothing is set that would nest deeper than the limit.
void store(Json* root, std::span<const JsonStep> path, std::optional<ParsedJson> value) {
    if (!value || path.empty() ||
        path.size() + static_cast<size_t>(value->nesting) > kMaxJsonNesting) {
        return;
    }
    const JsonLookup container = find_json(root, path.first(path.size() - 1));
    if (container.found()) {
        assign_json(*container.value, path.back(), std::move(value->value));
    }
}

Text read_text(const JsonLookup& member, bool as_json) {
    if (!member.found()) {
        return {};
    }
    return utf8_to_local(as_json ? json_text(*member.value) : plain_text(*member.value));
}

// What a new document makes of the member's JSON text: a copy of it, or no
// value when there is no member.
std::optional<Json> copy_of(const JsonLookup& member) {
    return member.found() ? std::optional(*member.value) : std::nullopt;
}

} // namespace

JsonDocument::JsonDocument() : m_value(std::make_shared<Value>()) {
    init();
}

void JsonDocument::init() {
    m_value->json = Json::object();
}

bool JsonDocument::parse(std::string_view text) {
    const std::string utf8 = local_to_utf8(text);
    // Blank text is an empty expression: no value at all rather than null.
    if (utf8.find_first_not_of(kJsonSpace) == std::string::npos) {
        m_value->json.reset();
        return false;
    }
    std::optional<ParsedJson> parsed = parse_json_text(utf8, kMaxJsonNesting);
    m_value->json = parsed ? std::move(parsed->value) : Json();
    return !m_value->json->is_null();
}

Text JsonDocument::to_text() const {
    return m_value->json ? utf8_to_local(json_text(*m_value->json)) : Text();
}

void JsonDocument::clear() {
    m_value->json = Json::object();
}

void JsonDocument::set_property(std::string_view key, std::string_view value, bool raw) {
    if (const auto path = path_of(key, PathForm::member)) {
        const std::string_view text = raw && value.empty() ? kEmptyObjectText : value;
        store(m_value->root(), *path, value_from_text(text, raw));
    }
}

void JsonDocument::set_property_raw(std::string_view key, std::string_view value) {
    if (const auto path = path_of(key, PathForm::member)) {
        store(m_value->root(), *path, value_from_text(value, true));
    }
}

void JsonDocument::set_property_number(std::string_view key, double number) {
    // Infinities and NaN have no decimal text to assign.
    const auto path = path_of(key, PathForm::member);
    if (path && std::isfinite(number)) {
        store(m_value->root(), *path, ParsedJson{Json(number)});
    }
}

double JsonDocument::get_number(std::string_view key) const {
    const JsonLookup member = find_path(m_value->root(), key, PathForm::member);
    return member.found() && member.value->is_number() ? member.value->get<double>() : 0;
}

Text JsonDocument::get_property_json(std::string_view key) const {
    return read_text(find_path(m_value->root(), key, PathForm::member), true);
}

Text JsonDocument::get_property(std::string_view path, bool as_json) const {
    return read_text(find_path(m_value->root(), path, PathForm::member_or_index), as_json);
}

JsonDocument JsonDocument::get_property_object(std::string_view path) const {
    JsonDocument copy;
    copy.m_value->json = copy_of(find_path(m_value->root(), path, PathForm::member_or_index));
    return copy;
}

int JsonDocument::get_member_count(std::string_view path) const {
    const JsonLookup member = find_path(m_value->root(), path, PathForm::optional_member);
    if (member.outcome == JsonLookup::Outcome::broken) {
        return kCountBroken;
    }
    if (member.null_or_missing()) {
        return kCountNullOrMissing;
    }
    const bool countable = member.value->is_array() || member.value->is_object();
    return countable ? static_cast<int>(member.value->size()) : 0;
}

void JsonDocument::add_member(std::string_view value, std::string_view path, bool raw) {
    const std::optional<JsonPath> steps = path_of(path, PathForm::optional_member);
    if (!steps) {
        return;
    }
    const JsonLookup target = find_json(m_value->root(), *steps);
    if (!target.found() || target.value->is_null()) {
        return;
    }
    // An empty raw value appends nothing, yet the target still becomes an array.
    std::optional<ParsedJson> element;
    if (!raw || !value.empty()) {
        element = value_from_text(value, raw);
        if (!element) {
            return;
        }
    }
    const size_t element_nesting = element ? static_cast<size_t>(element->nesting) : 0;
    if (steps->size() + 1 + element_nesting > kMaxJsonNesting) {
        return;
    }
    if (!target.value->is_array()) {
        *target.value = Json::array();
    }
    if (element) {
        target.value->push_back(std::move(element->value));
    }
}

JsonDocument JsonDocument::get_member_object(int index, std::string_view path) const {
    JsonDocument copy;
    copy.m_value->json = copy_of(find_element(m_value->root(), index, path));
    return copy;
}

Text JsonDocument::get_member(int index, std::string_view path, bool as_json) const {
    return read_text(find_element(m_value->root(), index, path), as_json);
}

void JsonDocument::set_member(int index, std::string_view value, bool raw) {
    const JsonPath path{JsonStep(std::int64_t{index})};
    store(m_value->root(), path, value_from_text(value, raw));
}

void JsonDocument::delete_member(int index) {
    Json* root = m_value->root();
    if (root != nullptr && root->is_array() && index >= 0 &&
        static_cast<size_t>(index) < root->size()) {
        root->erase(static_cast<size_t>(index));
    }
}

void JsonDocument::reset(int type) {
    switch (type) {
    case kJsonNullOrMissing:
        m_value->json = Json();
        return;
    case kJsonObject:
        m_value->json = Json::object();
        return;
    case kJsonArray:
        m_value->json = Json::array();
        return;
    default:
        return;
    }
}

void JsonDocument::set_value(std::string_view value, bool raw) {
    if (std::optional<ParsedJson> stored = value_from_text(value, raw)) {
        m_value->json = std::move(stored->value);
    }
}

bool JsonDocument::has_property(std::string_view key) const {
    const JsonLookup member = find_path(m_value->root(), key, PathForm::member);
    return member.found() && !member.value->is_null();
}

void JsonDocument::member_names(std::vector<Text>& names, std::string_view path) const {
    names.clear();
    const JsonLookup member = find_path(m_value->root(), path, PathForm::optional_member);
    if (!member.found()) {
        return;
    }
    if (member.value->is_object()) {
        for (const auto& [name, _] : member.value->get_ref<const Json::object_t&>()) {
            names.push_back(utf8_to_local(name));
        }
    } else if (member.value->is_array()) {
        for (size_t index = 0; index < member.value->size(); ++index) {
            names.push_back(std::to_string(index));
        }
    }
}

int JsonDocument::type_of(std::string_view path) const {
    const JsonLookup member = find_path(m_value->root(), path, PathForm::optional_member);
    if (member.outcome == JsonLookup::Outcome::broken) {
        return kJsonOther;
    }
    if (member.null_or_missing()) {
        return kJsonNullOrMissing;
    }
    switch (member.value->type()) {
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        return kJsonNumber;
    case Json::value_t::object:
        return kJsonObject;
    case Json::value_t::array:
        return kJsonArray;
    case Json::value_t::string:
        return kJsonString;
    default:
        return kJsonOther;
    }
}

} // namespace velluno
