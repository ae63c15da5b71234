#include "text/json_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <vector>

namespace velluno {

namespace {

constexpr std::string_view kTrue = "true";
constexpr std::string_view kFalse = "false";
constexpr std::string_view kNull = "null";
constexpr std::string_view kHexDigits = "0123456789abcdef";

// JavaScript writes a number in plain decimal form while its decimal exponent
// stays within these bounds, and with an exponent ("1e+21", "1.5e-7") outside.
constexpr int kLargestPlainExponent = 21;
constexpr int kSmallestPlainExponent = -6;

// Number.prototype.toString of a finite double: the shortest digits that read
// back as the same double, with -0 written as "0".
std::string number_text(double number) {
    if (number == 0) {
        return "0";
    }
    if (number < 0) {
        return std::string(1, '-').append(number_text(-number));
    }
    char buffer[32];
    const auto end =
        std::to_chars(std::begin(buffer), std::end(buffer), number, std::chars_format::scientific)
            .ptr;
    // The shortest form comes as "d.ddde+XX": digits, then the exponent of the first.
    const std::string_view scientific(buffer, static_cast<size_t>(end - buffer));
    const size_t e_at = scientific.find('e');
    std::string digits;
    std::copy_if(scientific.begin(), scientific.begin() + static_cast<std::ptrdiff_t>(e_at),
                 std::back_inserter(digits), [](char c) { return c != '.'; });
    int exponent = 0;
    std::from_chars(scientific.data() + e_at + 2, scientific.data() + scientific.size(), exponent);
    if (scientific[e_at + 1] == '-') {
        exponent = -exponent;
    }
    // n: where the decimal point falls, counted from the start of `digits`.
    const int k = static_cast<int>(digits.size());
    const int n = exponent + 1;
    if (k <= n && n <= kLargestPlainExponent) {
        return digits + std::string(static_cast<size_t>(n - k), '0');
    }
    if (0 < n && n <= kLargestPlainExponent) {
        return digits.substr(0, static_cast<size_t>(n)) + "." +
               digits.substr(static_cast<size_t>(n));
    }
    if (kSmallestPlainExponent < n && n <= 0) {
        return "0." + std::string(static_cast<size_t>(-n), '0') + digits;
    }
    std::string text = digits.substr(0, 1);
    if (k > 1) {
        text.append(1, '.').append(digits, 1);
    }
    return text + (exponent < 0 ? "e-" : "e+") + std::to_string(std::abs(exponent));
}

// Integers read from JSON text are written exactly, even beyond 2^53.
std::string json_number_text(const Json& number) {
    if (number.is_number_unsigned()) {
        return std::to_string(number.get<std::uint64_t>());
    }
    if (number.is_number_integer()) {
        return std::to_string(number.get<std::int64_t>());
    }
    return number_text(number.get<double>());
}

// The characters the reference script writes as escapes: controls, quote,
// backslash, and the invisible or line-breaking characters that some readers
// of JSON text mishandle.
bool is_escaped(char32_t c) {
    return c < 0x20 || c == '"' || c == '\\' || (c >= 0x7F && c <= 0x9F) || c == 0xAD ||
           (c >= 0x600 && c <= 0x604) || c == 0x70F || c == 0x17B4 || c == 0x17B5 ||
           (c >= 0x200C && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
           (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFFF);
}

void append_escape(char32_t c, std::string& out) {
    switch (c) {
    case '\b':
        out += "\\b";
        return;
    case '\t':
        out += "\\t";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\r':
        out += "\\r";
        return;
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    default:
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4) {
            out += kHexDigits[(c >> shift) & 0xF];
        }
    }
}

// Length of the UTF-8 sequence that starts with `lead`; strings in a value
// are valid UTF-8, as both the parser and the charset conversion ensure.
size_t sequence_length(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead < 0xE0) {
        return 2;
    }
    return lead < 0xF0 ? 3 : 4;
}

char32_t decode(std::string_view sequence) {
    constexpr unsigned char kLeadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = static_cast<unsigned char>(sequence[0]) & kLeadMasks[sequence.size()];
    for (size_t i = 1; i < sequence.size(); ++i) {
        c = (c << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    return c;
}

void append_quoted(std::string_view text, std::string& out) {
    out += '"';
    for (size_t at = 0; at < text.size();) {
        const auto length =
            std::min(sequence_length(static_cast<unsigned char>(text[at])), text.size() - at);
        const std::string_view sequence = text.substr(at, length);
        const char32_t c = decode(sequence);
        if (is_escaped(c)) {
            append_escape(c, out);
        } else {
            out += sequence;
        }
        at += length;
    }
    out += '"';
}

void append_json(const Json& value, std::string& out) {
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [name, member] : value.get_ref<const Json::object_t&>()) {
            out += first ? "" : ",";
            first = false;
            append_quoted(name, out);
            out += ':';
            append_json(member, out);
        }
        out += '}';
        return;
    }
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const Json& element : value.get_ref<const Json::array_t&>()) {
            out += first ? "" : ",";
            first = false;
            append_json(element, out);
        }
        out += ']';
        return;
    }
    case Json::value_t::string:
        append_quoted(value.get_ref<const std::string&>(), out);
        return;
    case Json::value_t::boolean:
        out += value.get<bool>() ? kTrue : kFalse;
        return;
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        out += json_number_text(value);
        return;
    default:
        out += kNull;
    }
}

// One pass over the text that builds nothing: how deeply its arrays and
// objects nest, or nothing when that is deeper than `max_nesting` or an object
// has more than kMaxJsonMembers members. Text that is no JSON passes; the
// parser refuses it. (nlohmann's callback parser cannot serve here: it looks
// through the whole enclosing array after every element it keeps.)
std::optional<int> nesting_within_bounds(std::string_view text, int max_nesting) {
    constexpr int kArray = -1;
    std::vector<int> open; // members seen so far of each open object; kArray for an array
    int deepest = 0;
    bool in_string = false;
    bool escaped = false;
    for (const char c : text) {
        if (in_string) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                in_string = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            in_string = true;
            break;
        case '{':
        case '[':
            if (std::ssize(open) >= max_nesting) {
                return std::nullopt;
            }
            open.push_back(c == '{' ? 0 : kArray);
            deepest = std::max(deepest, static_cast<int>(open.size()));
            break;
        case '}':
        case ']':
            if (!open.empty()) {
                open.pop_back();
            }
            break;
        case ':':
            // Each member of an object has the one colon outside strings.
            if (!open.empty() && open.back() != kArray && ++open.back() > kMaxJsonMembers) {
                return std::nullopt;
            }
            break;
        default:
            break;
        }
    }
    return deepest;
}

} // namespace

std::optional<ParsedJson> parse_json_text(std::string_view text, int max_nesting) {
    const std::optional<int> nesting = nesting_within_bounds(text, max_nesting);
    if (!nesting) {
        return std::nullopt;
    }
    Json value = Json::parse(text, nullptr, false);
    if (value.is_discarded()) {
        return std::nullopt;
    }
    return ParsedJson{std::move(value), *nesting};
}

std::string json_text(const Json& value) {
    std::string out;
    append_json(value, out);
    return out;
}

std::string plain_text(const Json& value) {
    switch (value.type()) {
    case Json::value_t::string:
        return value.get<std::string>();
    case Json::value_t::boolean:
        return std::string(value.get<bool>() ? kTrue : kFalse);
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        return json_number_text(value);
    default:
        return {};
    }
}

} // namespace velluno
