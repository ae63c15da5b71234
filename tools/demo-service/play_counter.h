#pragma once

#include "tools/demo-service/sample_singers.h"

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velluno::demo {

// Play counts of the sample songs. Requests are answered on several threads at
// once, so every count is atomic; the set of songs never changes.
class PlayCounter final {
public:
    explicit PlayCounter(const std::vector<SampleSinger>& singers);

    // Counts one more play of the song and returns its new count; 0 for an unknown shareid.
    int count_play(std::string_view shareid);

private:
    std::map<std::string, std::atomic<int>, std::less<>> m_counts;
};

} // namespace velluno::demo
