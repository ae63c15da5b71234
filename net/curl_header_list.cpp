#include "net/curl_header_list.h"

#include "net/header_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace velluno {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kHeaderWhitespace = " \t";

// Lines libcurl would add on its own; an entry "Name:" tells it not to.
constexpr std::array<std::string_view, 3> kOwnLines{"Accept", "Expect", "Content-Type"};
constexpr std::string_view kProxyOwnLine = "Proxy-Connection";

std::string_view header_name(std::string_view line) {
    return line.substr(0, line.find(':'));
}

bool has_value(std::string_view line) {
    const std::string_view value = line.substr(line.find(':') + 1);
    return value.find_first_not_of(kHeaderWhitespace) != std::string_view::npos;
}

// libcurl drops a "Name:" entry without a value; "Name;" sends it as "Name:".
std::string entry_for(std::string_view line) {
    return has_value(line) ? std::string(line) : std::string(header_name(line)) + ";";
}

bool names_header(const std::vector<std::string_view>& lines, std::string_view name) {
    return std::any_of(lines.begin(), lines.end(), [&](std::string_view line) {
        return ascii_lower(header_name(line)) == ascii_lower(name);
    });
}

std::vector<std::string_view> header_lines(std::string_view block) {
    std::vector<std::string_view> lines = split_text(block, kLineBreak);
    std::erase_if(lines,
                  [](std::string_view line) { return line.find(':') == std::string_view::npos; });
    return lines;
}

} // namespace

std::optional<HeaderList> curl_header_list(std::string_view block, bool through_proxy) {
    const std::vector<std::string_view> lines = header_lines(block);
    std::vector<std::string> entries;
    for (const std::string_view line : lines) {
        entries.push_back(entry_for(line));
    }
    std::vector<std::string_view> own_lines(kOwnLines.begin(), kOwnLines.end());
    if (through_proxy) {
        own_lines.push_back(kProxyOwnLine);
    }
    for (const std::string_view name : own_lines) {
        if (!names_header(lines, name)) {
            entries.push_back(std::string(name) + ":");
        }
    }

    HeaderList list;
    for (const std::string& entry : entries) {
        if (!append_header(list, entry)) {
            return std::nullopt;
        }
    }
    return list;
}

} // namespace velluno
