#include "net/cookie_merge.h"

#include "net/header_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace velluno {
namespace {

constexpr std::string_view kItemSeparator = ";";
constexpr std::string_view kJoinSeparator = "; ";
constexpr std::string_view kDeletedSuffix = "=deleted";

Text cookie_name(std::string_view item) {
    return trim_spaces(item.substr(0, item.find('=')));
}

bool has_cookie_named(const std::vector<std::string_view>& items, std::string_view name) {
    return std::any_of(items.begin(), items.end(),
                       [&](std::string_view item) { return cookie_name(item) == name; });
}

// Empty items carry no cookie and would only put "; ; " into the Cookie line.
std::vector<std::string_view> cookie_items(std::string_view text) {
    std::vector<std::string_view> items = split_text(text, kItemSeparator);
    std::erase_if(items, [](std::string_view item) { return item.empty(); });
    return items;
}

Text join_items(const std::vector<std::string_view>& items) {
    Text joined;
    for (const std::string_view item : items) {
        if (!joined.empty()) {
            joined += kJoinSeparator;
        }
        joined += item;
    }
    return joined;
}

} // namespace

void merge_cookies(Text& cookies, Text& response_cookies) {
    const Text own = remove_spaces(cookies);
    response_cookies = remove_spaces(response_cookies);

    std::vector<std::string_view> merged = cookie_items(response_cookies);
    for (const std::string_view item : cookie_items(own)) {
        if (!has_cookie_named(merged, cookie_name(item))) {
            merged.push_back(item);
        }
    }
    std::erase_if(merged, [](std::string_view item) { return item.ends_with(kDeletedSuffix); });

    std::vector<std::string_view> distinct;
    for (const std::string_view item : merged) {
        if (std::find(distinct.begin(), distinct.end(), item) == distinct.end()) {
            distinct.push_back(item);
        }
    }
    cookies = join_items(distinct);
}

} // namespace velluno
