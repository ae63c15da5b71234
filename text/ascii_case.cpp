#include "text/ascii_case.h"

#include <algorithm>

namespace velluno {

Text ascii_lower(std::string_view text) {
    Text lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return ascii_lower(c); });
    return lower;
}

} // namespace velluno
