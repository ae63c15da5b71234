#include "text/json_path.h"

#include <charconv>

namespace velluno {

namespace {

// No value nests deeper than kMaxJsonNesting, so a path of more steps than
// this always breaks: reading it all would only spend time and memory.
constexpr size_t kMaxPathSteps = kMaxJsonNesting + 1;

bool is_name_start(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool is_name_part(char c) {
    return is_name_start(c) || (c >= '0' && c <= '9');
}

// A member name starting at `at`, which moves past it.
std::optional<JsonStep> read_name(std::string_view text, size_t& at) {
    const size_t start = at;
    if (at == text.size() || !is_name_start(text[at])) {
        return std::nullopt;
    }
    while (at < text.size() && is_name_part(text[at])) {
        ++at;
    }
    return JsonStep(std::string(text.substr(start, at - start)));
}

// An index in brackets starting at `at`, which moves past it. A sign, a
// leading zero or an index beyond 64 bits makes no index.
std::optional<JsonStep> read_index(std::string_view text, size_t& at) {
    if (text[at] != '[') {
        return std::nullopt;
    }
    const size_t close = text.find(']', at);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(at + 1, close - at - 1);
    if (digits.empty() || digits[0] < '0' || digits[0] > '9' ||
        (digits[0] == '0' && digits.size() > 1)) {
        return std::nullopt;
    }
    std::int64_t index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    at = close + 1;
    return JsonStep(index);
}

std::optional<JsonStep> read_step(std::string_view text, size_t& at) {
    if (text[at] == '.') {
        ++at;
        return read_name(text, at);
    }
    return read_index(text, at);
}

// The member name a step stands for on an object: indices by their decimal text.
std::string member_name(const JsonStep& step) {
    if (const auto* index = std::get_if<std::int64_t>(&step)) {
        return std::to_string(*index);
    }
    return std::get<std::string>(step);
}

Json* member(Json& container, const JsonStep& step) {
    if (container.is_object()) {
        auto& object = container.get_ref<Json::object_t&>();
        const auto found = object.find(member_name(step));
        return found == object.end() ? nullptr : &found->second;
    }
    const auto* index = std::get_if<std::int64_t>(&step);
    if (!container.is_array() || index == nullptr) {
        return nullptr;
    }
    auto& array = container.get_ref<Json::array_t&>();
    const bool inside = *index >= 0 && static_cast<std::uint64_t>(*index) < array.size();
    return inside ? &array[static_cast<size_t>(*index)] : nullptr;
}

} // namespace

std::optional<JsonPath> parse_json_path(std::string_view text, PathForm form) {
    if (text.empty()) {
        return form == PathForm::optional_member ? std::optional(JsonPath{}) : std::nullopt;
    }
    size_t at = 0;
    const bool leading_index = form == PathForm::member_or_index && text[0] == '[';
    std::optional<JsonStep> step = leading_index ? read_index(text, at) : read_name(text, at);
    JsonPath path;
    while (step && path.size() < kMaxPathSteps) {
        path.push_back(std::move(*step));
        if (at == text.size()) {
            return path;
        }
        step = read_step(text, at);
    }
    return std::nullopt;
}

JsonLookup find_json(Json* root, std::span<const JsonStep> path) {
    Json* current = root;
    for (const JsonStep& step : path) {
        if (current == nullptr || current->is_null()) {
            return {JsonLookup::Outcome::broken};
        }
        current = member(*current, step);
    }
    if (current == nullptr) {
        return {JsonLookup::Outcome::missing};
    }
    return {JsonLookup::Outcome::found, current};
}

bool assign_json(Json& container, const JsonStep& step, Json value) {
    if (container.is_object()) {
        container.get_ref<Json::object_t&>()[member_name(step)] = std::move(value);
        return true;
    }
    const auto* index = std::get_if<std::int64_t>(&step);
    if (!container.is_array() || index == nullptr || *index < 0) {
        return false;
    }
    auto& array = container.get_ref<Json::array_t&>();
    const auto position = static_cast<std::uint64_t>(*index);
    if (position > array.size()) {
        return false;
    }
    if (position == array.size()) {
        array.push_back(std::move(value));
    } else {
        array[position] = std::move(value);
    }
    return true;
}

} // namespace velluno
