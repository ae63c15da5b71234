#pragma once

#include "text/text_types.h"

#include <chrono>

namespace velluno {

// Milliseconds since 1970-01-01 00:00:00 UTC as plain decimal digits, read
// from the system clock.
Text now_millis_text();

// The same for a given moment; a moment before 1970 has no such text and gives
// empty text.
Text epoch_millis_text(std::chrono::system_clock::time_point when);

} // namespace velluno
