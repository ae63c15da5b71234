#include "tools/demo-service/json_members.h"

#include <nlohmann/json.hpp>

namespace velluno::demo {

namespace {

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string result;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            result += separator;
        }
        result += parts[i];
    }
    return result;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string text_member(std::string_view key, std::string_view value) {
    return quoted(key) + ":" + quoted(value);
}

std::string number_member(std::string_view key, long long value) {
    return quoted(key) + ":" + std::to_string(value);
}

std::string raw_member(std::string_view key, std::string_view json) {
    return quoted(key) + ":" + std::string(json);
}

std::string compact_object(const std::vector<std::string>& members) {
    return "{" + joined(members, ",") + "}";
}

std::string compact_array(const std::vector<std::string>& elements) {
    return "[" + joined(elements, ",") + "]";
}

std::string line_object(const std::vector<std::string>& members) {
    return "{\n" + joined(members, ",\n") + "\n}";
}

std::string with_escaped_slashes(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c == '/') {
            result += '\\';
        }
        result += c;
    }
    return result;
}

std::optional<std::string> unescaped_json_text(std::string_view text) {
    const nlohmann::json value = nlohmann::json::parse(quoted(text), nullptr, false);
    if (!value.is_string()) {
        return std::nullopt;
    }
    return value.get<std::string>();
}

} // namespace velluno::demo
