#pragma once

#include "text/text_types.h"

namespace velluno {

// Merges the answer's cookies into the caller's cookie text. Both texts lose
// their spaces; an answer cookie replaces a caller's cookie of the same name,
// and a cookie whose newest value is "deleted" is dropped. `cookies` becomes
// the merged items, joined by "; " with repeated items kept once.
void merge_cookies(Text& cookies, Text& response_cookies);

} // namespace velluno
