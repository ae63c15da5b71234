#include "net/header_text.h"

#include "text/ascii_case.h"
#include "text/gbk_scan.h"

#include <algorithm>

namespace velluno {
namespace {

constexpr char kFullWidthSpaceByte = '\xA1';

bool is_space_unit(std::string_view unit) {
    return unit == " " ||
           (unit.size() == 2 && unit[0] == kFullWidthSpaceByte && unit[1] == kFullWidthSpaceByte);
}

} // namespace

std::size_t find_ignoring_case(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size()) {
        return std::string_view::npos;
    }
    const auto same = [](char a, char b) {
        return ascii_lower(a) == ascii_lower(b);
    };
    const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                   needle.begin(), needle.end(), same);
    return found == text.end() && !needle.empty() ? std::string_view::npos
                                                  : static_cast<std::size_t>(found - text.begin());
}

bool contains_ignoring_case(std::string_view text, std::string_view needle) {
    return find_ignoring_case(text, needle) != std::string_view::npos;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           ascii_lower(text.substr(0, prefix.size())) == ascii_lower(prefix);
}

Text trim_spaces(std::string_view text) {
    std::size_t first = std::string_view::npos;
    std::size_t end = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = char_length(text, at);
        if (!is_space_unit(text.substr(at, length))) {
            first = std::min(first, at);
            end = at + length;
        }
        at += length;
    }
    return first == std::string_view::npos ? Text{} : Text(text.substr(first, end - first));
}

Text remove_spaces(std::string_view text) {
    Text kept;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view unit = text.substr(at, char_length(text, at));
        if (!is_space_unit(unit)) {
            kept += unit;
        }
        at += unit.size();
    }
    return kept;
}

std::vector<std::string_view> split_text(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    return pieces;
}

} // namespace velluno
