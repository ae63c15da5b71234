#pragma once

#include "text/text_types.h"

#include <string_view>

namespace velluno {

// The text between the first `left` marker found from 1-based byte position
// `start` (below 1 means 1) and the first `right` marker after it. In both
// markers "#引号" stands for a double quote. Markers match ignoring ASCII case
// unless `case_sensitive`. A marker that is not found, or is empty, gives
// empty text.
Text text_between(std::string_view text, std::string_view left, std::string_view right,
                  int start = 1, bool case_sensitive = false);

} // namespace velluno
