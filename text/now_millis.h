#pragma once

#include "text/text_types.h"

namespace velluno {

// Milliseconds since 1970-01-01 00:00:00 UTC as plain decimal digits.
Text now_millis_text();

} // namespace velluno
