#pragma once

#include "text/text_types.h"

#include <optional>
#include <span>
#include <string_view>

namespace velluno {

struct ReplacePair {
    std::string_view search;      // empty: the pair does nothing
    std::string_view replacement; // empty: the matches are deleted
};

struct ReplaceOptions {
    // Most replacements made by each pair; omitted or negative: all, 0: none.
    std::optional<int> count = std::nullopt;
    // 1-based byte position where each pair's scan begins; below 1 means 1.
    int start = 1;
    bool case_sensitive = false;
};

// Applies the pairs in order, each as one left-to-right, non-overlapping scan,
// so a later pair also sees what an earlier one inserted.
Text replace_pairs(std::string_view text, std::span<const ReplacePair> pairs,
                   const ReplaceOptions& options = {});

// The common case: one pair.
Text replace_pairs(std::string_view text, std::string_view search, std::string_view replacement,
                   const ReplaceOptions& options = {});

} // namespace velluno
