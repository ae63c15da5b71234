#pragma once

#include <string>
#include <string_view>

namespace velluno::demo {

// A recording of a few seconds for the song: a WAV file (16-bit mono PCM)
// holding a short tune of its own, so different songs sound different.
std::string recording_wav(std::string_view shareid);

} // namespace velluno::demo
