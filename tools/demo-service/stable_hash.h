#pragma once

#include <cstdint>
#include <string_view>

namespace velluno::demo {

// FNV-1a, then a SplitMix64 finish so that texts differing in one late byte
// still differ in every part of the number. The same text gives the same
// number in every run, so the made-up ids, pictures and tunes never change.
constexpr std::uint64_t stable_hash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    hash = (hash ^ (hash >> 30)) * 0xBF58476D1CE4E5B9ULL;
    hash = (hash ^ (hash >> 27)) * 0x94D049BB133111EBULL;
    return hash ^ (hash >> 31);
}

} // namespace velluno::demo
