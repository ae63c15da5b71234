#pragma once

#include "text/text_types.h"

#include <memory>
#include <string_view>

namespace velluno {

struct RegexOptions {
    bool case_sensitive = false;
    bool multiline = true;
    bool global = true;
    bool expand_quote_marker = false; // "#引号" in the pattern stands for a double quote
};

// A regular expression run over local text, matched by character. Matches and
// groups are numbered from 1; whatever does not exist reads as empty text or 0.
// Copies share the compiled pattern and the matches and own their subject.
class RegexObject final {
public:
    RegexObject();
    ~RegexObject();
    RegexObject(const RegexObject& other);
    RegexObject& operator=(const RegexObject& other);
    RegexObject(RegexObject&& other) noexcept;
    RegexObject& operator=(RegexObject&& other) noexcept;

    // False when the pattern does not compile; the object then holds no matches.
    bool run(std::string_view pattern, std::string_view subject, const RegexOptions& options = {});

    Text pattern_text() const;
    // The subject with the matches replaced ($1, ${name} and $$ refer to groups).
    Text replace(std::string_view replacement) const;
    int match_count() const;
    // `position`, when given, receives the 0-based byte offset in the subject.
    Text match_text(int index, int* position = nullptr) const;
    Text submatch_text(int index, int group, int* position = nullptr) const;
    int submatch_count() const;

private:
    struct Engine;
    struct Matches;
    std::shared_ptr<const Engine> m_engine;
    std::shared_ptr<const Matches> m_matches;
    Text m_subject;
};

} // namespace velluno
